// Readings as files through the main window: saving, opening from outside the open dialog
// (an argument, a drop, the desktop's file-open request), undoing an open, and the rules of
// the recent list.
#include "tests/aids/SavedReadingFiles.h"
#include "tests/ui/UiTestSupport.h"

#include "aids/ReadingFileReader.h"
#include "aids/SavedReading.h"
#include "ui/OpenUndo.h"
#include "ui/ReadingFileEvents.h"
#include "ui/ReadingSave.h"
#include "ui/RecentReadings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileOpenEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QUrl>

#include <random>

namespace {

using savedfiles::fileBytes;
using savedfiles::FullReading;

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ReadingFilesTest : public uitest::MainWindowTest {
protected:
    // What a user sees of every input, one text per control.
    QStringList inputs() {
        QStringList seen;
        for (const char* name : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM",
                                 "txtZoneHour", "txtZoneMinute", "txtMCity"}) {
            seen << control<QLineEdit>(name)->text();
        }
        for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
            seen << QString::number(control<QComboBox>(name)->currentIndex());
        }
        for (const char* name : {"optLong0", "optLat0"}) {
            seen << QString::number(control<QRadioButton>(name)->isChecked());
        }
        seen << QString::number(control<QCheckBox>("chkDST")->isChecked());
        return seen;
    }
    void setBox(const char* name, const QString& text) { control<QLineEdit>(name)->setText(text); }
    // A valid reading other than FullReading's, typed in.
    void typeOtherReading() {
        setBox("txtName", QStringLiteral("Mira"));
        control<QComboBox>("cboMonth")->setCurrentIndex(0);
        control<QComboBox>("cboDate")->setCurrentIndex(6);
        control<QComboBox>("cboYear")->setCurrentIndex(124);
        setBox("txtZoneHour", QStringLiteral("-5"));
        setBox("txtZoneMinute", QStringLiteral("0"));
        setBox("txtLonD", QStringLiteral("74"));
        setBox("txtLonM", QStringLiteral("0"));
        setBox("txtLatD", QStringLiteral("40"));
        setBox("txtLatM", QStringLiteral("42"));
        control<QRadioButton>("optLong1")->setChecked(true);
        setBox("txtMCity", QStringLiteral("New York"));
    }
    QString writeReading(const QStringList& lines, const QString& name = "r.nak") {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(savedfiles::writeFile(path, fileBytes(lines)));
        return path;
    }
    bool resultInFront() {
        return control<QStackedWidget>("panels")->currentWidget() == control("fraResult");
    }

    QTemporaryDir dir;
    QSignalSpy opened{&window, &frmMain::savedReadingOpened};
    QSignalSpy saved{&window, &frmMain::readingSaved};
};

// Each save is opened again into a window set to other values: every line comes back.
TEST_F(ReadingFilesTest, WhatIsSavedOpensAsItWasTyped) {
    std::mt19937 random(7);
    const auto pick = [&](int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(random);
    };
    const QString path = dir.filePath(QStringLiteral("round.nak"));
    for (int round = 0; round < 12; ++round) {
        setBox("txtName", QStringLiteral("Name %1 & co ~`").arg(pick(0, 999)));
        control<QComboBox>("cboMonth")->setCurrentIndex(pick(-1, 11));
        control<QComboBox>("cboDate")->setCurrentIndex(pick(0, 30));
        control<QComboBox>("cboYear")->setCurrentIndex(pick(0, 149));
        control<QComboBox>("cboHH")->setCurrentIndex(pick(0, 23));
        control<QComboBox>("cboMM")->setCurrentIndex(pick(0, 59));
        setBox("txtZoneHour", QString::number(pick(-12, 12)));
        setBox("txtZoneMinute", QString::number(pick(-59, 59)));
        setBox("txtLonD", QString::number(pick(0, 180)));
        setBox("txtLonM", QString::number(pick(0, 59)));
        setBox("txtLatD", QString::number(pick(0, 90)));
        setBox("txtLatM", QString::number(pick(0, 59)));
        control<QRadioButton>(pick(0, 1) ? "optLong0" : "optLong1")->setChecked(true);
        control<QRadioButton>(pick(0, 1) ? "optLat0" : "optLat1")->setChecked(true);
        control<QCheckBox>("chkDST")->setChecked(pick(0, 1) == 1);
        const QStringList before = inputs();

        fakes.saveFile.answer = path;
        fakes.messages.answerYes = true; // replace the file of the round before
        window.mnuSave_Click();
        ASSERT_EQ(saved.count(), round + 1) << "round " << round;

        typeOtherReading();
        control<QComboBox>("cboMonth")->setCurrentIndex(5);
        control<QCheckBox>("chkDST")->setChecked(!control<QCheckBox>("chkDST")->isChecked());
        fakes.messages.shown.clear();
        fakes.messages.answerYes = false;
        window.openReadingFile(path);
        QStringList after = inputs();
        after[7] = before[7]; // the place boxes are not part of a saved reading
        EXPECT_EQ(after, before) << "round " << round;
    }
}

// The chosen name's extension decides the type; a name without one is a reading file.
TEST_F(ReadingFilesTest, TheTypeFollowsTheChosenNamesExtension) {
    typeOtherReading();
    setBox("txtName", QStringLiteral("  Ann/Lee "));
    const struct {
        const char* chosen;
        const char* written;
        bool classic;
        const char* reason;
    } rows[] = {
        {"a.nak", "a.nak", true, "the classic type"},
        {"b.NAK", "b.nak", true, "the classic reader refuses upper case"},
        {"c.vantrel", "c.vantrel", false, "a reading file"},
        {"d.Vantrel", "d.vantrel", false, "mixed case"},
        {"e", "e.vantrel", false, "no extension: the default type"},
        {"f.txt", "f.txt.vantrel", false, "another extension is kept and .vantrel added"},
    };
    for (const auto& row : rows) {
        fakes.saveFile.requests.clear();
        fakes.saveFile.answer = dir.filePath(QLatin1String(row.chosen));
        window.mnuSave_Click();
        ASSERT_EQ(fakes.saveFile.requests.size(), 1u);
        const platform::SaveFileRequest& request = fakes.saveFile.requests.front();
        EXPECT_TRUE(
            request.filterName.startsWith(QLatin1String(ReadingSave::ReadingFileFilterName)));
        EXPECT_TRUE(request.suggestedPath.endsWith(QStringLiteral("/Ann_Lee 2025-01-07.vantrel")))
            << request.suggestedPath.toStdString();
        const QString path = dir.filePath(QLatin1String(row.written));
        const auto file = ReadingFile::ReadReadingFile(path);
        EXPECT_EQ(std::holds_alternative<ReadingFile::Record>(file), !row.classic) << row.reason;
        if (row.classic) {
            EXPECT_EQ(SavedReading::ReadSavedReading(path)[0], QStringLiteral("  Ann/Lee "));
        }
    }
    EXPECT_TRUE(fakes.messages.shown.empty()) << "no file was there to replace";
}

TEST_F(ReadingFilesTest, ReplacingAFileIsAskedFirst) {
    typeOtherReading();
    const QString path = dir.filePath(QStringLiteral("kept.nak"));
    ASSERT_TRUE(savedfiles::writeFile(path, "earlier"));
    fakes.saveFile.answer = path;
    fakes.messages.answers = {false};
    window.mnuSave_Click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].question);
    EXPECT_TRUE(fakes.messages.shown[0].text.contains(QStringLiteral("kept.nak")));
    EXPECT_EQ(contents(path), QByteArray("earlier")) << "No keeps the file";
    EXPECT_EQ(saved.count(), 0);

    fakes.messages.answers = {true};
    window.mnuSave_Click();
    EXPECT_EQ(SavedReading::ReadSavedReading(path)[0], QStringLiteral("Mira")) << "Yes replaces";
    EXPECT_EQ(saved.count(), 1);
}

// A link chosen as the file: the question names the file it would replace, and a link that
// another user may have placed is refused.
TEST_F(ReadingFilesTest, ALinkIsNamedByItsFileOrRefused) {
    typeOtherReading();
    const QString target = dir.filePath(QStringLiteral("private.nak"));
    ASSERT_TRUE(savedfiles::writeFile(target, "earlier"));
    const QString shared = dir.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    const struct {
        const char* reason;
        QFileDevice::Permissions folder;
        bool refused;
    } rows[] = {
        {"own link in an own folder",
         QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner, false},
        {"a folder all may write to, not sticky",
         QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
             QFileDevice::WriteOther | QFileDevice::ExeOther,
         true},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(QFile::setPermissions(shared, row.folder));
        const QString link = shared + QStringLiteral("/link.nak");
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(target, link));
        fakes.messages.shown.clear();
        fakes.messages.answers = {false};
        fakes.saveFile.answer = link;
        window.mnuSave_Click();
        ASSERT_EQ(fakes.messages.shown.size(), 1u) << row.reason;
        EXPECT_EQ(fakes.messages.shown[0].question, !row.refused) << row.reason;
        EXPECT_TRUE(fakes.messages.shown[0].text.startsWith(row.refused ? link : target))
            << row.reason << ": " << fakes.messages.shown[0].text.toStdString();
        EXPECT_EQ(contents(target), QByteArray("earlier")) << row.reason;
    }
}

// The dialog starts in the last folder saved to, else in the documents folder, else at home:
// a user without a documents folder saves the first time too.
TEST_F(ReadingFilesTest, TheFirstSaveWorksWithoutADocumentsFolder) {
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    typeOtherReading();
    fakes.saveFile.answer.reset();
    window.mnuSave_Click();
    ASSERT_EQ(fakes.saveFile.requests.size(), 1u);
    fakes.saveFile.answer = fakes.saveFile.requests[0].suggestedPath;
    window.mnuSave_Click();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    EXPECT_EQ(QFileInfo(*fakes.saveFile.answer).absolutePath(), dir.path());
    EXPECT_TRUE(QFile::exists(*fakes.saveFile.answer));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST(ReadingSave, StartFolder) {
    QTemporaryDir there;
    const QString missing = there.filePath(QStringLiteral("gone"));
    const QString home = QStringLiteral("/home/u");
    const struct {
        const char* reason;
        QString last, documents, expected;
    } rows[] = {
        {"the last folder saved to", there.path(), missing, there.path()},
        {"the last folder is gone: documents", missing, there.path(), there.path()},
        {"no documents folder: home", QString(), missing, home},
        {"neither known: home", QString(), QString(), home},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadingSave::StartFolder(row.last, row.documents, home), row.expected)
            << row.reason;
    }
}

TEST_F(ReadingFilesTest, WhatCannotBeStoredIsNamedBeforeSaving) {
    typeOtherReading();
    setBox("txtName", QStringLiteral("Ren\u00e9e \u0905"));
    setBox("txtLatD", QStringLiteral("4\u00b20"));
    fakes.saveFile.answer = dir.filePath(QStringLiteral("whole.vantrel"));
    window.mnuSave_Click();
    EXPECT_TRUE(fakes.messages.shown.empty()) << "a reading file keeps every character";
    EXPECT_EQ(
        std::get<ReadingFile::Record>(ReadingFile::ReadReadingFile(*fakes.saveFile.answer)).name,
        QStringLiteral("Ren\u00e9e \u0905"));

    const QString path = dir.filePath(QStringLiteral("lossy.nak"));
    fakes.saveFile.answer = path;

    fakes.messages.answers = {false};
    window.mnuSave_Click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    const QString question = fakes.messages.shown[0].text;
    EXPECT_TRUE(fakes.messages.shown[0].question);
    EXPECT_TRUE(question.contains(QStringLiteral("Name: the characters \"\u00e9\", \"\u0905\"")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("Latitude degrees: the characters \"\u00b2\"")))
        << question.toStdString();
    EXPECT_FALSE(QFile::exists(path)) << "No cancels the save";

    fakes.messages.answers = {true};
    window.mnuSave_Click();
    const SavedReading::Lines lines = SavedReading::ReadSavedReading(path);
    EXPECT_EQ(lines[0], QStringLiteral("Rene "));
    EXPECT_EQ(lines[8], QStringLiteral("40"));
}

TEST_F(ReadingFilesTest, AFailedSaveSaysSoAndCountsAsNoSave) {
    typeOtherReading();
    fakes.saveFile.answer = dir.filePath(QStringLiteral("no such folder/r.nak"));
    window.mnuSave_Click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].icon, platform::MessageIcon::Stop);
    EXPECT_TRUE(
        fakes.messages.shown[0].text.startsWith(QStringLiteral("The reading was not saved")));
    EXPECT_EQ(saved.count(), 0);

    fakes.messages.shown.clear();
    fakes.saveFile.answer = std::nullopt;
    window.mnuSave_Click();
    EXPECT_TRUE(fakes.messages.shown.empty()) << "Cancel says nothing";
    EXPECT_EQ(saved.count(), 0);
}

// An argument, a drop, a handed-over path and the desktop's request all take this road.
TEST_F(ReadingFilesTest, APathFromOutsideMustNameARegularFile) {
    typeOtherReading();
    const QStringList before = inputs();
    const struct {
        QString path;
        const char* message;
        const char* reason;
    } rows[] = {
        {dir.filePath(QStringLiteral("missing.nak")), "There is no saved reading at ",
         "a missing file is never read as an empty reading"},
        {dir.path() + QStringLiteral("/folder.nak"), "There is no saved reading at ", "a folder"},
        {dir.filePath(QStringLiteral("reading.NAK")), "Please Check The File.",
         "the extension is checked first, as in the dialog"},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.nak")));
    for (const auto& row : rows) {
        fakes.messages.shown.clear();
        window.openReadingFile(row.path);
        ASSERT_EQ(fakes.messages.shown.size(), 1u) << row.reason;
        EXPECT_TRUE(fakes.messages.shown[0].text.startsWith(QLatin1String(row.message)))
            << row.reason;
        EXPECT_EQ(inputs(), before) << row.reason;
        EXPECT_EQ(opened.count(), 0) << row.reason;
    }
    window.openReadingFile(writeReading(FullReading));
    EXPECT_EQ(control<QLineEdit>("txtName")->text(), QStringLiteral("Asha Rao"));
    EXPECT_TRUE(resultInFront());
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toString(), dir.filePath(QStringLiteral("r.nak")));
}

TEST_F(ReadingFilesTest, ADroppedFileOpensAndDraggedTextStaysWithTheBox) {
    auto* events = new ReadingFileEvents(window);
    const QString path = writeReading(FullReading);
    auto* box = control<QLineEdit>("txtLatD");
    const QPoint inside = box->rect().center();

    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(path)});
    EXPECT_EQ(ReadingFileEvents::DroppedFile(&file), path);
    QDragEnterEvent enter(inside, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    EXPECT_TRUE(enter.isAccepted()) << "a file may be dropped anywhere on the window";
    QDropEvent drop(QPointF(inside), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 5000);
    EXPECT_EQ(control<QLineEdit>("txtName")->text(), QStringLiteral("Asha Rao"));
    EXPECT_EQ(box->text(), QStringLiteral("28")) << "the path is not typed into the box";

    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
    EXPECT_EQ(ReadingFileEvents::DroppedFile(&two), QString()) << "one reading at a time";
    QMimeData text;
    text.setText(QStringLiteral("12"));
    EXPECT_EQ(ReadingFileEvents::DroppedFile(&text), QString()) << "text is the box's";

    // The desktop's request (a double-click in the Finder) opens the same way.
    setBox("txtName", QStringLiteral("Other"));
    QFileOpenEvent request(path);
    QApplication::sendEvent(qApp, &request);
    QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 2, 5000);
    EXPECT_EQ(control<QLineEdit>("txtName")->text(), QStringLiteral("Asha Rao"));
    delete events;
}

class UndoOpenTest : public ReadingFilesTest {
protected:
    OpenUndo* undo = new OpenUndo(window);
};

TEST_F(UndoOpenTest, BringsBackInputsResultAndPanel) {
    typeOtherReading();
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    ASSERT_TRUE(resultInFront());
    const QString result = control<QLabel>("lblResult0")->text();
    const QString dateLine = control<QLabel>("lblResult4")->text();
    QTest::mouseClick(control<QPushButton>("cmdBack"), Qt::LeftButton);
    control<QComboBox>("cboSS")->setCurrentIndex(17);
    const QStringList before = inputs();
    EXPECT_FALSE(undo->available()) << "nothing opened yet";

    window.openReadingFile(writeReading(FullReading));
    ASSERT_TRUE(undo->available());
    ASSERT_NE(control<QLabel>("lblResult4")->text(), dateLine);

    undo->undo();
    EXPECT_EQ(inputs(), before);
    EXPECT_FALSE(resultInFront()) << "the input panel was in front";
    EXPECT_EQ(control<QLabel>("lblResult0")->text(), result);
    EXPECT_EQ(control<QLabel>("lblResult4")->text(), dateLine);
    EXPECT_FALSE(undo->available()) << "one level only";
}

TEST_F(UndoOpenTest, AnyLaterEditEndsTheUndo) {
    const struct {
        std::function<void()> edit;
        bool stillAvailable;
        const char* reason;
    } rows[] = {
        {[] {}, true, "no edit"},
        {[this] { control<QLineEdit>("txtMCity")->setText("Goa"); }, false, "a place box"},
        {[this] { control<QComboBox>("cboSS")->setCurrentIndex(3); }, false, "the seconds"},
        {[this] { control<QCheckBox>("chkDST")->setChecked(true); }, false, "daylight saving"},
        {[this] { control<QRadioButton>("optLat1")->setChecked(true); }, false, "a hemisphere"},
        {[this] { QTest::mouseClick(control<QPushButton>("cmdBack"), Qt::LeftButton); }, true,
         "changing panels edits nothing"},
    };
    const QString path = writeReading(FullReading);
    for (const auto& row : rows) {
        window.openReadingFile(path);
        ASSERT_TRUE(undo->available()) << row.reason;
        row.edit();
        EXPECT_EQ(undo->available(), row.stillAvailable) << row.reason;
    }
}

TEST_F(UndoOpenTest, PartsKeptOutsideTheControlsComeBackToo) {
    QString chosenPlace = QStringLiteral("Pune");
    undo->addPart(QStringLiteral("place"),
                  {[&] { return QVariant(chosenPlace); },
                   [&](const QVariant& value) { chosenPlace = value.toString(); }});
    window.openReadingFile(writeReading(FullReading));
    chosenPlace = QStringLiteral("Delhi"); // as if the open had chosen another place
    undo->undo();
    EXPECT_EQ(chosenPlace, QStringLiteral("Pune"));
}

TEST(RecentReadings, KeepsFiveNewestFirstWithoutRepeats) {
    using RecentReadings::Added;
    const QStringList five = {"e", "d", "c", "b", "a"};
    const struct {
        QStringList list;
        QString path;
        QStringList expected;
        const char* reason;
    } rows[] = {
        {{}, "a", {"a"}, "first entry"},
        {five, "f", {"f", "e", "d", "c", "b"}, "the oldest drops out"},
        {five, "c", {"c", "e", "d", "b", "a"}, "a repeat moves to the front"},
        {five, "", five, "an empty path changes nothing"},
        {{"b", "", "a"}, "c", {"c", "b", "a"}, "empty entries are dropped"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Added(row.list, row.path), row.expected) << row.reason;
    }
}

TEST(RecentReadings, MenuCaptions) {
    const QString longPath = QStringLiteral("/home/user/") + QString(80, QLatin1Char('x')) +
                             QStringLiteral("/lost ring.nak");
    const QString caption = RecentReadings::MenuCaption(3, longPath);
    EXPECT_TRUE(caption.startsWith(QStringLiteral("&3 /home/user/")));
    EXPECT_TRUE(caption.endsWith(QStringLiteral("x/lost ring.nak"))) << "the name stays whole";
    EXPECT_TRUE(caption.contains(QChar(0x2026)));
    EXPECT_EQ(caption.size(), 3 + RecentReadings::LongestShown);
    EXPECT_EQ(RecentReadings::MenuCaption(1, QStringLiteral("/r/Tom & Jerry.nak")),
              QStringLiteral("&1 /r/Tom && Jerry.nak"))
        << "& is shown as itself";
    EXPECT_EQ(RecentReadings::MenuCaption(5, QStringLiteral("/r/a.nak")),
              QStringLiteral("&5 /r/a.nak"));
}

TEST(RecentReadings, KeptInTheSettingsStore) {
    fakes::AllFakes fakes;
    EXPECT_TRUE(RecentReadings::Load().isEmpty());
    RecentReadings::Store({"/a.nak", "/b.nak"});
    EXPECT_EQ(RecentReadings::Load(), (QStringList{"/a.nak", "/b.nak"}));
    RecentReadings::Store({"/c.nak"});
    EXPECT_EQ(RecentReadings::Load(), QStringList{"/c.nak"}) << "shorter lists clear the rest";
}

TEST(ReadingSave, SuggestedNames) {
    const struct {
        const char* name;
        int month;
        const char* day;
        const char* year;
        const char* expected;
        const char* reason;
    } rows[] = {
        {"Ann", 0, "7", "2025", "Ann 2025-01-07.vantrel", "month and day get two digits"},
        {"  Ann  ", 11, "25", "1999", "Ann 1999-12-25.vantrel", "the name is trimmed"},
        {"", 4, "1", "2000", "Reading 2000-05-01.vantrel", "no name"},
        {"a:b*c?", 4, "1", "2000", "a_b_c_ 2000-05-01.vantrel", "characters file names refuse"},
        {".hidden", 4, "1", "2000", "hidden 2000-05-01.vantrel", "no hidden file"},
        {"Ann", -1, "1", "2000", "Ann.vantrel", "no month, no date"},
        {"a\tb\nc", 4, "1", "2000", "a_b_c 2000-05-01.vantrel", "control characters"},
        {"..", 4, "1", "2000", "Reading 2000-05-01.vantrel", "dots alone"},
    };
    for (const auto& row : rows) {
        SavedReading::Record r;
        r.name = QString::fromUtf8(row.name);
        r.monthPosition = row.month;
        r.day = QLatin1String(row.day);
        r.year = QLatin1String(row.year);
        EXPECT_EQ(ReadingSave::SuggestedFileName(r), QLatin1String(row.expected)) << row.reason;
    }
}

} // namespace
