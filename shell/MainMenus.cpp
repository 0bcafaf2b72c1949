#include "MainMenus.h"

#include "modHelp.h"

#include "platform/RunStep.h"
#include "platform/UiText.h"
#include "ui/ClickableLabel.h"
#include "ui/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
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

// Texts of the menu bar, in its own context.
uiText::Source text(const char* source) {
    return {"MainMenus", source};
}

QAction* addEntry(QMenu& menu, const char* name, const char* caption) {
    QAction* action = menu.addAction(QString());
    uiText::set(action, "text", text(caption));
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

// `accessible` is the caption without its "&".
QMenu* addMenu(QMenuBar& bar, const char* name, const char* caption, const char* accessible) {
    QMenu* menu = bar.addMenu(QString());
    uiText::set(menu, "title", text(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setMenuRole(QAction::NoRole);
    uiText::set(menu, "accessibleName", text(accessible));
    return menu;
}

// The Language menu: one checkable entry for each language the program speaks, each named in
// its own language; choosing one applies it at once and keeps it for the next start.
void addLanguageMenu(QMenuBar& bar, QMainWindow& window) {
    QMenu* mnuLanguage = addMenu(bar, "mnuLanguage", QT_TRANSLATE_NOOP("MainMenus", "&Language"),
                                 QT_TRANSLATE_NOOP("MainMenus", "Language"));
    auto* group = new QActionGroup(mnuLanguage);
    group->setExclusive(true);
    for (const Language::LanguageRow& row : Language::Languages) {
        QAction* entry = mnuLanguage->addAction(QString::fromUtf8(row.menuText));
        entry->setObjectName(QString::fromLatin1(row.menuName));
        entry->setMenuRole(QAction::NoRole);
        entry->setCheckable(true);
        entry->setChecked(Language::Current() == QLatin1String(row.code));
        group->addAction(entry);
        const QString code = QString::fromLatin1(row.code);
        onTriggered(entry, window, [code] { Language::Choose(code); });
    }
}
} // namespace

ReadingEntries InstallMenus(QMainWindow& window, const std::function<void()>& showAbout,
                            const ReadingCommands& reading) {
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("menuBar"));
    uiText::set(bar, "accessibleName", text(QT_TRANSLATE_NOOP("MainMenus", "Menu bar")));
    // The window's own menu bar on every platform, so Donate stays a command on it.
    bar->setNativeMenuBar(false);

    // The File menu's order: the reading files (open, save as, undo open), the reading's
    // output (print, PDF), the recent readings, and Exit, each run set off by a separator.
    // The reading files and the recent readings are put in around these entries by their
    // owner; a separator with nothing before it does not show.
    QMenu* mnuFile = addMenu(*bar, "mnuFile", QT_TRANSLATE_NOOP("MainMenus", "&File"),
                             QT_TRANSLATE_NOOP("MainMenus", "File"));
    mnuFile->setSeparatorsCollapsible(true);
    ReadingEntries entries;
    entries.print =
        addEntry(*mnuFile, "mnuPrint", QT_TRANSLATE_NOOP("MainMenus", "&Print Reading…"));
    entries.exportPdf = addEntry(*mnuFile, "mnuExportPdf",
                                 QT_TRANSLATE_NOOP("MainMenus", "&Export Reading as PDF…"));
    entries.print->setShortcut(QKeySequence::Print);
    for (QAction* entry : {entries.print, entries.exportPdf}) {
        entry->setEnabled(false);
    }
    onTriggered(entries.print, window, reading.print);
    onTriggered(entries.exportPdf, window, reading.exportPdf);
    addSeparator(*mnuFile, "mnuFileExit");
    QAction* mnuExit = addEntry(*mnuFile, "mnuExit", QT_TRANSLATE_NOOP("MainMenus", "E&xit"));
    onTriggered(mnuExit, window, [&window] { window.close(); });

    addLanguageMenu(*bar, window);

    QMenu* mnuHelp = addMenu(*bar, "mnuHelp", QT_TRANSLATE_NOOP("MainMenus", "&Help"),
                             QT_TRANSLATE_NOOP("MainMenus", "Help"));
    QAction* mnuOnline =
        addEntry(*mnuHelp, "mnuOnline", QT_TRANSLATE_NOOP("MainMenus", "&Online Help"));
    QAction* mnuVisit =
        addEntry(*mnuHelp, "mnuVisit", QT_TRANSLATE_NOOP("MainMenus", "&Visit Us Online"));
    addSeparator(*mnuHelp, "mnuHelp1");
    QAction* mnuUpdate = addEntry(*mnuHelp, "mnuUpdate",
                                  QT_TRANSLATE_NOOP("MainMenus", "Check for Software &Update"));
    addSeparator(*mnuHelp, "mnuHelp2");
    QAction* mnuAbout =
        addEntry(*mnuHelp, "mnuAbout", QT_TRANSLATE_NOOP("MainMenus", "&About Software"));

    QAction* mnuDonate = bar->addAction(QString());
    uiText::set(mnuDonate, "text", text(QT_TRANSLATE_NOOP("MainMenus", "&Donate")));
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

namespace {
uiText::Source bannerSource() {
    // The host is fixed at build time; kept as UTF-8 for the whole run.
    static const QByteArray host = modHelp::MainSiteHost().toUtf8();
    return {"MainMenus",
            QT_TRANSLATE_NOOP("MainMenus", "The Most Popular Online Sorvane Discussion Board. "
                                           "Click Here To Visit %1 Now."),
            host.constData()};
}
} // namespace

QString bannerText() {
    return bannerSource().translated();
}

ClickableLabel* InstallBanner(QWidget& area) {
    auto* Label10 = new ClickableLabel(QString(), &area);
    Label10->setObjectName(QStringLiteral("Label10"));
    uiText::set(Label10, "text", bannerSource());
    uiText::set(Label10, "accessibleName", bannerSource());
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
