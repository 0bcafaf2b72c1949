#include "Handover.h"
#include "ProgramIcon.h"
#include "ProgramStyle.h"
#include "ShellWiring.h"
#include "Startup.h"

#include "platform/HandoverChannel.h"
#include "platform/LockInstanceGuard.h"
#include "platform/QtSettingsStore.h"
#include "ui/ButtonKeys.h"
#include "ui/Language.h"
#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Started with a reading while another copy runs: that copy opens it, and this one ends
    // without a word. When no copy takes it in time, this one opens it in its own window and
    // never registers as an instance itself; nor is it ended as a second instance, which
    // would drop the reading.
    const QString startupFile = Handover::StartupFile(QApplication::arguments());
    bool registers = true;
    if (!startupFile.isEmpty()) {
        switch (Handover::Deliver(platform::handoverFolder(), startupFile)) {
        case platform::HandoverOutcome::Delivered:
            return 0;
        case platform::HandoverOutcome::NotTaken:
            registers = false;
            break;
        case platform::HandoverOutcome::NoReceiver:
            break;
        }
        ProcessStartupChecks().keepThisInstance();
    }
    ProgramStyleSetup::Install();
    ButtonKeys::Install(app);
    // Settings go under the program's own folder. The application name stays Qt's default,
    // the executable's base name, which the instance locks rely on.
    QApplication::setOrganizationName(platform::settingsOrganization());
    QApplication::setWindowIcon(ProgramIcon::icon());
    // Ties the windows to the installed desktop entry qv-vantrel.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("qv-vantrel"));
    // The program ends when its last window closes (the refer-a-friend window).
    QApplication::setQuitOnLastWindowClosed(true);
    // Deleted once closed, by the shell (not by Qt::WA_DeleteOnClose, which would delete it
    // inside a modal window's loop).
    // The language chosen before, or the system's, is in force before any window is made.
    Language::Apply(Language::Preferred());
    auto* window = new frmMain;
    ShellWiring::AttachShell(*window);
    // Every instance is visible to the others from the moment its window is on the screen,
    // long before the instance check can run (after a saved reading is opened).
    RunAfterFirstPaint(*window, [window, registers, startupFile] {
        if (registers) {
            platform::registerRunningInstance();
            Handover::StartReceiving(*window);
        }
        if (!startupFile.isEmpty()) {
            window->openReadingFile(startupFile);
        }
    });
    window->show();
    return QApplication::exec();
}
