#include "MainMenus.h"

#include "modHelp.h"

#include "ui/ClickableLabel.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace MainMenus {

namespace {
// Ignores any failure inside a menu command.
template <typename Handler> auto guarded(Handler handler) {
    return [handler]() {
        try {
            handler();
        } catch (...) {
        }
    };
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
    // Separators with nothing before them do not show.
    QMenu* mnuFile = addMenu(*bar, "mnuFile", QStringLiteral("&File"));
    mnuFile->setSeparatorsCollapsible(true);
    addSeparator(*mnuFile, "mnuFileOutput");
    ReadingEntries entries;
    entries.print = addEntry(*mnuFile, "mnuPrint", QStringLiteral("&Print Reading…"));
    entries.exportPdf =
        addEntry(*mnuFile, "mnuExportPdf", QStringLiteral("&Export Reading as PDF…"));
    for (QAction* entry : {entries.print, entries.exportPdf}) {
        entry->setEnabled(false);
    }
    QObject::connect(entries.print, &QAction::triggered, &window, guarded(reading.print));
    QObject::connect(entries.exportPdf, &QAction::triggered, &window, guarded(reading.exportPdf));
    addSeparator(*mnuFile, "mnuFileExit");
    QAction* mnuExit = addEntry(*mnuFile, "mnuExit", QStringLiteral("E&xit"));
    QObject::connect(mnuExit, &QAction::triggered, &window, guarded([&window] { window.close(); }));

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
    QObject::connect(mnuOnline, &QAction::triggered, &window,
                     guarded([] { OpenLink(modHelp::LinkHelp); }));
    QObject::connect(mnuVisit, &QAction::triggered, &window,
                     guarded([] { OpenLink(modHelp::LinkHome); }));
    QObject::connect(mnuUpdate, &QAction::triggered, &window,
                     guarded([] { OpenLink(modHelp::LinkUpdate); }));
    QObject::connect(mnuAbout, &QAction::triggered, &window, guarded(showAbout));
    QObject::connect(mnuDonate, &QAction::triggered, &window,
                     guarded([] { OpenLink(modHelp::LinkDonate); }));

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
                     guarded([] { modHelp::OpenLink(modHelp::LinkHome); }));
    return Label10;
}

} // namespace MainMenus
