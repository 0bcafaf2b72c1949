#pragma once

#include <QObject>

class QCoreApplication;

// Enter (Return or the keypad's Enter) on a focused push or tool button clicks it, in every
// window of the program, as on other desktops. Installed on the application, it looks only at
// key presses sent to such a button; check boxes, options and every other control keep their
// own use of Enter. A held key
// clicks once. An event filter, not `autoDefault`, which widens buttons in some styles.
class ButtonKeys final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Installs one filter on the application, owned by it.
    static void Install(QCoreApplication& application);
};
