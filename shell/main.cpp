#include "ProgramIcon.h"
#include "ShellWiring.h"

#include "platform/LockInstanceGuard.h"
#include "platform/QtSettingsStore.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Settings go under the program's own folder. The application name stays Qt's default,
    // the executable's base name, which the instance locks rely on.
    QApplication::setOrganizationName(platform::settingsOrganization());
    QApplication::setWindowIcon(ProgramIcon::icon());
    // Ties the windows to the installed desktop entry qv-vantrel.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("qv-vantrel"));
    // The program ends when its last window closes (the refer-a-friend window).
    QApplication::setQuitOnLastWindowClosed(true);
    // Every instance is visible to the others from its first moment.
    platform::registerRunningInstance();

    auto* window = new frmMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ShellWiring::AttachShell(*window);
    window->show();
    return QApplication::exec();
}
