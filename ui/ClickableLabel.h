#pragma once

#include "platform/FittedLabel.h"

// A text label, as tall as its text needs, that acts like a link: hand pointer, one click activates
// it. It also takes keyboard focus (after a window's ordinary controls) and activates on Space or
// Enter.
class ClickableLabel : public FittedLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressed_ = false;
};
