#include "ReadingFiles.h"

#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "platform/Services.h"
#include "platform/UiText.h"
#include "ui/OpenUndo.h"
#include "ui/PlaceFinder.h"
#include "ui/ReadingFileEvents.h"
#include "ui/RecentReadings.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTextDocument>

#include <array>

namespace ReadingFiles {
namespace {

// An entry with a translated caption, or with none when `caption` is null.
QAction* entry(QMenu& menu, QAction* before, const char* name, const char* caption) {
    auto* action = new QAction(&menu);
    if (caption != nullptr) {
        uiText::set(action, "text", {"ReadingFiles", caption});
    }
    action->setObjectName(QString::fromLatin1(name));
    action->setMenuRole(QAction::NoRole);
    menu.insertAction(before, action);
    return action;
}

QAction* separator(QMenu& menu, QAction* before, const char* name) {
    QAction* line = menu.insertSeparator(before);
    line->setObjectName(QString::fromLatin1(name));
    line->setMenuRole(QAction::NoRole);
    return line;
}

void remember(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    runStep([&] {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        RecentReadings::Change(
            [&](const QStringList& list) { return RecentReadings::Added(list, absolute); });
    });
}

// The five recent entries, filled from the settings store each time the menu opens.
class RecentEntries final : public QObject {
public:
    RecentEntries(frmMain& window, QMenu& menu, QAction* before) : QObject(&menu) {
        for (std::size_t i = 0; i < actions_.size(); ++i) {
            const QByteArray name = "mnuRecent" + QByteArray::number(static_cast<int>(i + 1));
            actions_[i] = entry(menu, before, name.constData(), nullptr);
            actions_[i]->setVisible(false);
            QObject::connect(actions_[i], &QAction::triggered, &window,
                             [this, &window, i] { runStep([&] { choose(window, i); }); });
        }
        separator_ = separator(menu, before, "mnuFileRecentEnd");
        separator_->setVisible(false);
        // Read when the menu opens, not at start-up.
        QObject::connect(&menu, &QMenu::aboutToShow, this, &RecentEntries::refresh);
    }

    void refresh() {
        paths_ = RecentReadings::Load();
        for (std::size_t i = 0; i < actions_.size(); ++i) {
            const qsizetype index = static_cast<qsizetype>(i);
            const bool shown = index < paths_.size();
            actions_[i]->setVisible(shown);
            if (shown) {
                actions_[i]->setText(
                    RecentReadings::MenuCaption(static_cast<int>(i + 1), paths_[index]));
                // A tip that looks like markup would be read as rich text: the path is data.
                actions_[i]->setToolTip(
                    Qt::convertFromPlainText(paths_[index], Qt::WhiteSpaceNoWrap));
                actions_[i]->setStatusTip(paths_[index]);
            }
        }
        separator_->setVisible(!paths_.isEmpty());
    }

private:
    void choose(frmMain& window, std::size_t i) {
        const QString path = paths_.value(static_cast<qsizetype>(i));
        if (path.isEmpty()) {
            return;
        }
        if (!QFileInfo::exists(path)) {
            RecentReadings::Change([&](QStringList list) {
                list.removeAll(path);
                return list;
            });
            refresh();
            platform::services().messages->notify(
                &window,
                QCoreApplication::translate("ReadingFiles",
                                            "%1\nThis reading is no longer there; it has been "
                                            "removed from the list.")
                    .arg(path),
                platform::MessageIcon::Information);
            return;
        }
        window.openReadingFile(path);
    }

    std::array<QAction*, RecentReadings::Limit> actions_{};
    QAction* separator_ = nullptr;
    QStringList paths_;
};

} // namespace

OpenUndo* Attach(frmMain& window) {
    auto* undo = new OpenUndo(window);
    window.keepInUndo(*undo);
    // The place chosen in the place finder lives outside the controls: undo keeps it too.
    if (auto* finder = window.findChild<PlaceFinder*>()) {
        finder->keepInUndo(*undo);
    }
    new ReadingFileEvents(window);

    auto* file = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (file == nullptr) {
        return undo;
    }
    QAction* exit = window.findChild<QAction*>(QStringLiteral("mnuExit"));
    QAction* top = file->actions().value(0);

    QAction* mnuOpen = entry(*file, top, "mnuOpen",
                             QT_TRANSLATE_NOOP("ReadingFiles", "&Open Previously Saved Reading…"));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(mnuOpen, &QAction::triggered, &window,
                     [&window] { runStep([&] { window.cmdOpen_Click(); }); });

    QAction* mnuSave =
        entry(*file, top, "mnuSave", QT_TRANSLATE_NOOP("ReadingFiles", "&Save Reading As…"));
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(mnuSave, &QAction::triggered, &window,
                     [&window] { runStep([&] { window.mnuSave_Click(); }); });

    QAction* mnuUndoOpen =
        entry(*file, top, "mnuUndoOpen", QT_TRANSLATE_NOOP("ReadingFiles", "&Undo Open"));
    mnuUndoOpen->setEnabled(undo->available());
    QObject::connect(undo, &OpenUndo::availableChanged, mnuUndoOpen, &QAction::setEnabled);
    QObject::connect(mnuUndoOpen, &QAction::triggered, undo,
                     [undo] { runStep([undo] { undo->undo(); }); });
    separator(*file, top, "mnuFileReadingsEnd");

    new RecentEntries(window, *file, exit);

    QObject::connect(&window, &frmMain::savedReadingOpened, &window, remember);
    QObject::connect(&window, &frmMain::readingSaved, &window, remember);
    return undo;
}

} // namespace ReadingFiles
