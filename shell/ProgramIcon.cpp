#include "ProgramIcon.h"

// Resources of a static library must be registered by name before first use.
static void registerShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace ProgramIcon {

QIcon icon() {
    static const bool registered = (registerShellResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/icons/qv-vantrel.png"));
}

QPixmap pixmap(int size) {
    return icon().pixmap(size, size);
}

} // namespace ProgramIcon
