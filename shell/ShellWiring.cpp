#include "ShellWiring.h"

#include "Forms.h"
#include "MainMenus.h"
#include "OfferArea.h"
#include "ProgramIcon.h"
#include "ReadingFiles.h"
#include "Startup.h"
#include "frmAbout.h"
#include "frmReferFriend.h"

#include "platform/ModalWindows.h"
#include "ui/ClickableLabel.h"
#include "ui/frmMain.h"

#include <QLayout>
#include <QPushButton>

namespace ShellWiring {

OfferArea* AttachShell(frmMain& window) {
    Forms::RegisterWindow(&window);
    window.setWindowIcon(ProgramIcon::icon());

    const MainMenus::ReadingEntries entries = MainMenus::InstallMenus(
        window, [&window] { frmAbout::showModal(&window); },
        {[&window] { window.mnuPrint_Click(); }, [&window] { window.mnuExportPdf_Click(); }});
    QObject::connect(&window, &frmMain::shareableChanged, entries.print, [entries](bool on) {
        entries.print->setEnabled(on);
        entries.exportPdf->setEnabled(on);
    });
    ReadingFiles::Attach(window);
    ClickableLabel* banner = MainMenus::InstallBanner(*window.bannerArea());

    auto* offers = new OfferArea(window.offerArea());
    if (window.offerArea()->layout() != nullptr) {
        window.offerArea()->layout()->addWidget(offers);
    }

    // The clickable labels come after the window's own controls.
    if (window.openButton() != nullptr) {
        QWidget::setTabOrder(window.openButton(), banner);
    }
    QWidget::setTabOrder(banner, offers->fullBrandLabel());
    QWidget::setTabOrder(offers->fullBrandLabel(), offers->coBrandLabel());

    ProcessStartupChecks().attach(offers, &window);
    QObject::connect(&window, &frmMain::savedReadingOpened, &window, [] { RunStartupChecks(); });
    QObject::connect(&window, &frmMain::closing, &window,
                     [] { frmReferFriend::ShowReferFriend(); });
    // Not deleted while a modal window it may own, or a handler of its own, still runs.
    QObject::connect(&window, &frmMain::closing, &window,
                     [&window] { platform::deleteWhenModalsEnd(&window); });
    return offers;
}

} // namespace ShellWiring
