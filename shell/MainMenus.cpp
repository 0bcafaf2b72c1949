#include "MainMenus.h"

#include "modHelp.h"

#include "platform/RunStep.h"
#include "ui/ClickableLabel.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace MainMenus {

namespace {
// Runs a command when the action is triggered; a failure inside it ends only the command.
template <typename Command>
void onTriggered(QAction* action, QMainWindow& window, Command command) {
    QObject::connect(action, &QAction::triggered, &window, [command] { runStep(command); });
}

QAction* addEntry(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // No platform moves an entry elsewhere (such as About or Exit into an application menu).
    action->setMenuRole(QAction::NoRole);
    return action;
}

QAction* addSeparator(QMenu& menu, const char* name) {
    QAction* separator = menu.addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    separator->setMenuRole(QAction::NoRole);
    return separator;
}

QMenu* addMenu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setMenuRole(QAction::NoRole);
    menu->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return menu;
}
} // namespace

ReadingEntries InstallMenus(QMainWindow& window, const std::function<void()>& showAbout,
                            const ReadingCommands& reading) {
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    // The window's own menu bar on every platform, so Donate stays a command on it.
    bar->setNativeMenuBar(false);

    // The File menu's order: the reading files (open, save as, undo open), the reading's
    // output (print, PDF), the recent readings, and Exit, each run set off by a separator.
    // The reading files and the recent readings are put in around these entries by their
    // owner; a separator with nothing before it does not show.
    QMenu* mnuFile = addMenu(*bar, "mnuFile", QStringLiteral("&File"));
    mnuFile->setSeparatorsCollapsible(true);
    ReadingEntries entries;
    entries.print = addEntry(*mnuFile, "mnuPrint", QStringLiteral("&Print Reading…"));
    entries.exportPdf =
        addEntry(*mnuFile, "mnuExportPdf", QStringLiteral("&Export Reading as PDF…"));
    entries.print->setShortcut(QKeySequence::Print);
    for (QAction* entry : {entries.print, entries.exportPdf}) {
        entry->setEnabled(false);
    }
    onTriggered(entries.print, window, reading.print);
    onTriggered(entries.exportPdf, window, reading.exportPdf);
    addSeparator(*mnuFile, "mnuFileExit");
    QAction* mnuExit = addEntry(*mnuFile, "mnuExit", QStringLiteral("E&xit"));
    onTriggered(mnuExit, window, [&window] { window.close(); });

    QMenu* mnuHelp = addMenu(*bar, "mnuHelp", QStringLiteral("&Help"));
    QAction* mnuOnline = addEntry(*mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
    QAction* mnuVisit = addEntry(*mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    addSeparator(*mnuHelp, "mnuHelp1");
    QAction* mnuUpdate =
        addEntry(*mnuHelp, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    addSeparator(*mnuHelp, "mnuHelp2");
    QAction* mnuAbout = addEntry(*mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    QAction* mnuDonate = bar->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    mnuDonate->setMenuRole(QAction::NoRole);

    using modHelp::OpenLink;
    // Opening a link never throws: only the window's own commands are guarded.
    QObject::connect(mnuOnline, &QAction::triggered, &window, [] { OpenLink(modHelp::LinkHelp); });
    QObject::connect(mnuVisit, &QAction::triggered, &window, [] { OpenLink(modHelp::LinkHome); });
    QObject::connect(mnuUpdate, &QAction::triggered, &window,
                     [] { OpenLink(modHelp::LinkUpdate); });
    onTriggered(mnuAbout, window, showAbout);
    QObject::connect(mnuDonate, &QAction::triggered, &window,
                     [] { OpenLink(modHelp::LinkDonate); });

    window.setMenuBar(bar);
    return entries;
}

QString bannerText() {
    return QStringLiteral(
               "The Most Popular Online Sorvane Discussion Board. Click Here To Visit ") +
           modHelp::MainSiteHost() + QStringLiteral(" Now.");
}

ClickableLabel* InstallBanner(QWidget& area) {
    auto* Label10 = new ClickableLabel(bannerText(), &area);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setAccessibleName(bannerText());
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignCenter);
    if (area.layout() != nullptr) {
        area.layout()->addWidget(Label10);
    }
    QObject::connect(Label10, &ClickableLabel::clicked, Label10,
                     [] { modHelp::OpenLink(modHelp::LinkHome); });
    return Label10;
}

} // namespace MainMenus
