// The File menu's reading entries on the main window as the shell fits it: order, shortcuts,
// the recent readings and Undo Open.
#include "shell/ShellWiring.h"

#include "tests/aids/SavedReadingFiles.h"
#include "tests/support/Fakes.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class ReadingFilesMenu : public ::testing::Test {
protected:
    ReadingFilesMenu() {
        ShellWiring::AttachShell(window);
        window.show();
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window));
        file = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    }
    QAction* action(const char* name) {
        auto* found = window.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The visible entries as the open menu shows them; "-" for a separator.
    QStringList shownEntries() {
        emit file->aboutToShow();
        QStringList shown;
        for (const QAction* entry : file->actions()) {
            if (entry->isVisible()) {
                shown << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            }
        }
        return shown;
    }
    QString writeReading(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(savedfiles::writeFile(path, savedfiles::fileBytes(savedfiles::FullReading)));
        return path;
    }

    fakes::AllFakes fakes;
    frmMain window;
    QMenu* file = nullptr;
    QTemporaryDir dir;
};

TEST_F(ReadingFilesMenu, OrderNamesAndShortcuts) {
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(
        shownEntries(),
        (QStringList{"&Open Previously Saved Reading\u2026", "&Save Reading As\u2026", "&Undo Open",
                     "-", "&Print Reading\u2026", "&Export Reading as PDF\u2026", "-", "E&xit"}))
        << "the recent part is hidden while the list is empty";
    QStringList names;
    for (const QAction* entry : file->actions()) {
        names << entry->objectName();
    }
    EXPECT_EQ(names,
              (QStringList{"mnuOpen", "mnuSave", "mnuUndoOpen", "mnuFileReadingsEnd", "mnuPrint",
                           "mnuExportPdf", "mnuFileExit", "mnuRecent1", "mnuRecent2", "mnuRecent3",
                           "mnuRecent4", "mnuRecent5", "mnuFileRecentEnd", "mnuExit"}));
    EXPECT_EQ(action("mnuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(action("mnuUndoOpen")->isEnabled()) << "nothing to undo yet";
}

// Ctrl+S and Ctrl+O reach the menu from every box, the number boxes included, whose key
// filter would otherwise answer "Only Numbers Are Accepted".
TEST_F(ReadingFilesMenu, ShortcutsWorkInsideNumberBoxes) {
    for (const char* box : {"txtName", "txtLatD", "txtZoneMinute"}) {
        auto* edit = window.findChild<QLineEdit*>(QLatin1String(box));
        edit->setFocus();
        fakes.saveFile.requests.clear();
        fakes.openFile.requests.clear();
        QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(fakes.saveFile.requests.size(), 1u) << box;
        EXPECT_EQ(fakes.openFile.requests.size(), 1u) << box;
        EXPECT_TRUE(fakes.messages.shown.empty()) << box;
    }
}

TEST_F(ReadingFilesMenu, RecentReadingsNewestFirstAndGoneOnesRemoved) {
    for (int i = 1; i <= 7; ++i) {
        window.openReadingFile(writeReading(QStringLiteral("r%1 & co.nak").arg(i)));
    }
    QStringList shown = shownEntries();
    ASSERT_EQ(shown.size(), 14);
    EXPECT_TRUE(shown[7].startsWith(QStringLiteral("&1 /"))) << "access key, then the path";
    EXPECT_TRUE(shown[7].endsWith(QStringLiteral("r7 && co.nak")));
    EXPECT_TRUE(shown[11].endsWith(QStringLiteral("r3 && co.nak"))) << "five entries at most";

    // Saving puts the saved file in front as well.
    fakes.saveFile.answer = dir.filePath(QStringLiteral("saved.nak"));
    window.mnuSave_Click();
    EXPECT_TRUE(shownEntries()[7].endsWith(QStringLiteral("saved.nak")));

    QFile::remove(dir.filePath(QStringLiteral("r6 & co.nak")));
    fakes.messages.shown.clear();
    action("mnuRecent3")->trigger();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].text.contains(QStringLiteral("no longer there")));
    shown = shownEntries();
    EXPECT_FALSE(shown.join('\n').contains(QStringLiteral("r6 && co.nak"))) << "removed";
    EXPECT_EQ(shown.size(), 13);

    window.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("x"));
    action("mnuRecent2")->trigger(); // r7, still there
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtName"))->text(),
              QStringLiteral("Asha Rao"));

    // A path that looks like markup is shown as written in the entry's tip too.
    const QString markup = writeReading(QStringLiteral("<i>r8<i>.nak"));
    window.openReadingFile(markup);
    shownEntries();
    const QString tip = action("mnuRecent1")->toolTip();
    QTextDocument shownTip;
    shownTip.setHtml(tip);
    EXPECT_EQ(Qt::mightBeRichText(tip) ? shownTip.toPlainText() : tip, markup);
}

TEST_F(ReadingFilesMenu, UndoOpenFollowsTheOpenAndTheEdits) {
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtName"));
    name->setText(QStringLiteral("Before"));
    window.openReadingFile(writeReading(QStringLiteral("r.nak")));
    ASSERT_EQ(name->text(), QStringLiteral("Asha Rao"));
    EXPECT_TRUE(action("mnuUndoOpen")->isEnabled());
    action("mnuUndoOpen")->trigger();
    EXPECT_EQ(name->text(), QStringLiteral("Before"));
    EXPECT_FALSE(action("mnuUndoOpen")->isEnabled());

    window.openReadingFile(dir.filePath(QStringLiteral("r.nak")));
    QTest::keyClick(name, Qt::Key_A);
    EXPECT_FALSE(action("mnuUndoOpen")->isEnabled()) << "typing is an edit";
}

// Undoing the open of the first reading leaves nothing to copy, print or export.
TEST_F(ReadingFilesMenu, UndoOpenTakesBackWhatCopyPrintAndExportGive) {
    window.openReadingFile(writeReading(QStringLiteral("r.nak")));
    auto* copy = window.findChild<QPushButton*>(QStringLiteral("cmdCopy"));
    ASSERT_TRUE(copy->isEnabled());
    ASSERT_TRUE(action("mnuPrint")->isEnabled());
    action("mnuUndoOpen")->trigger();
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(action("mnuPrint")->isEnabled());
    EXPECT_FALSE(action("mnuExportPdf")->isEnabled());
}

} // namespace
