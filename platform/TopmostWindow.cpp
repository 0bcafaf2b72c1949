#include "TopmostWindow.h"

#include <QWidget>

namespace platform {

void keepOnTop(QWidget& window) {
    const bool wasVisible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Changing window flags hides a shown window.
    if (wasVisible) {
        window.show();
    }
}

} // namespace platform
