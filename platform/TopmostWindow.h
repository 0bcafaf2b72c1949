#pragma once

class QWidget;

namespace platform {

// Keeps a top-level window above all ordinary windows of the desktop. Call before the
// window is first shown; on a shown window the change shows it again in place.
void keepOnTop(QWidget& window);

} // namespace platform
