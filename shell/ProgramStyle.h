#pragma once

#include <QProxyStyle>

// The application's style: the style Qt chose for the platform (or the one the user asked
// for), with the images it needs for the first window read without loading plugins.
// Qt's styles read their images by file name, and an image read by name asks every
// image-format plugin whether it reads PNG, loading them all with their libraries at every
// start-up, when only the result pictures need one of them. So the menu bar's
// overflow arrows are drawn here, and the group-box frame of the Fusion style is drawn from
// the same image read with the built-in PNG reader.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of `base`.
    explicit ProgramStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    bool fusionBase_ = false;
};

namespace ProgramStyleSetup {
// Wraps the application's current style in a ProgramStyle. Call once, after the
// QApplication exists and before the first window is made.
void Install();
} // namespace ProgramStyleSetup
