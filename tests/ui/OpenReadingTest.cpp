// The main window's input aids driven through its controls: "TZ Help" with the time-zone
// picker, and "Open Previously Saved Reading" with the open-file layer replaced.
#include "tests/aids/SavedReadingFiles.h"
#include "tests/ui/UiTestSupport.h"

#include "aids/frmTimeZone.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <functional>

namespace {

using savedfiles::fileBytes;
using savedfiles::FullReading;

// The reading with one line replaced.
QStringList withLine(int line, const QString& value) {
    QStringList lines = FullReading;
    lines[line] = value;
    return lines;
}

class OpenReadingTest : public uitest::MainWindowTest {
protected:
    // Writes the file, lets the dialog answer with it and clicks the open button.
    void open(const QByteArray& bytes, const QString& name = QStringLiteral("reading.nak")) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(savedfiles::writeFile(path, bytes));
        openPath(path);
    }
    void openPath(const QString& path) {
        fakes.openFile.answer = path;
        QTest::mouseClick(control<QPushButton>("cmdOpen"), Qt::LeftButton);
    }
    // Sets entries that no saved reading carries, and ones it does, to recognisable values.
    void presetEntries() {
        control<QLineEdit>("txtName")->setText(QStringLiteral("Before"));
        control<QComboBox>("cboMonth")->setCurrentIndex(4);
        control<QComboBox>("cboSS")->setCurrentIndex(42);
        control<QLineEdit>("txtMCity")->setText(QStringLiteral("Pune"));
        control<QLineEdit>("txtMState")->setText(QStringLiteral("Maharashtra"));
        control<QLineEdit>("txtMCountry")->setText(QStringLiteral("India"));
        control<QRadioButton>("optLong1")->setChecked(true);
        control<QRadioButton>("optLat1")->setChecked(true);
        control<QCheckBox>("chkDST")->setChecked(true);
    }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    QString resultName() { return control<QLabel>("lblResult0")->text(); }
    bool resultInFront() {
        return control<QStackedWidget>("panels")->currentWidget() == control("fraResult");
    }

    QTemporaryDir dir;
    QSignalSpy opened{&window, &frmMain::savedReadingOpened};
};

TEST_F(OpenReadingTest, AsksForAnExistingReadingOfEitherType) {
    open(fileBytes(FullReading));
    ASSERT_EQ(fakes.openFile.requests.size(), 1u);
    const platform::OpenFileRequest& request = fakes.openFile.requests.front();
    EXPECT_EQ(request.title, QStringLiteral("Select the source file"));
    EXPECT_TRUE(request.filterName.startsWith(QStringLiteral("Saved readings (*.vantrel *.nak)")))
        << "the first filter shows both types";
    EXPECT_EQ(request.pattern, QStringLiteral("*.vantrel *.nak"));
}

TEST_F(OpenReadingTest, CancelChangesNothing) {
    presetEntries();
    fakes.openFile.answer = std::nullopt;
    QTest::mouseClick(control<QPushButton>("cmdOpen"), Qt::LeftButton);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(text("txtName"), QStringLiteral("Before"));
    EXPECT_FALSE(resultInFront());
    EXPECT_EQ(opened.count(), 0);
}

TEST_F(OpenReadingTest, OnlyPathsEndingInLowerCaseNakAreRead) {
    const struct {
        const char* name;
        bool read;
        const char* reason;
    } rows[] = {
        {"reading.nak", true, "the ordinary name"},
        {"reading.xnak", true, "only the last three characters count"},
        {"readingnak", true, "no dot needed"},
        {"reading.NAK", false, "the comparison minds the case"},
        {"reading.Nak", false, "the comparison minds the case"},
        {"reading.nakk", false, "ends in akk"},
        {"reading.txt", false, "another extension"},
    };
    for (const auto& row : rows) {
        control<QLineEdit>("txtName")->setText(QStringLiteral("Before"));
        fakes.messages.shown.clear();
        opened.clear();
        open(fileBytes(FullReading), QString::fromLatin1(row.name));
        if (row.read) {
            EXPECT_EQ(text("txtName"), QStringLiteral("Asha Rao"))
                << row.name << ": " << row.reason;
            EXPECT_TRUE(fakes.messages.shown.empty()) << row.name;
            EXPECT_EQ(opened.count(), 1) << row.name;
        } else {
            ASSERT_EQ(fakes.messages.shown.size(), 1u) << row.name << ": " << row.reason;
            EXPECT_EQ(fakes.messages.shown[0].text, QStringLiteral("Please Check The File."));
            EXPECT_EQ(fakes.messages.shown[0].icon, platform::MessageIcon::Stop);
            EXPECT_EQ(text("txtName"), QStringLiteral("Before")) << row.name;
            EXPECT_EQ(opened.count(), 0) << row.name;
        }
    }
}

TEST_F(OpenReadingTest, EveryLineReachesItsControlAndTheReadingIsShown) {
    presetEntries();
    bool resultShownFirst = false;
    QObject::connect(&window, &frmMain::savedReadingOpened, &window,
                     [&] { resultShownFirst = resultInFront(); });
    open(fileBytes(FullReading));

    EXPECT_EQ(text("txtName"), QStringLiteral("Asha Rao"));
    EXPECT_EQ(control<QComboBox>("cboMonth")->currentText(), QStringLiteral("August"));
    EXPECT_EQ(control<QComboBox>("cboDate")->currentText(), QStringLiteral("15"));
    EXPECT_EQ(control<QComboBox>("cboYear")->currentText(), QStringLiteral("2010"));
    EXPECT_EQ(control<QComboBox>("cboHH")->currentText(), QStringLiteral("10"));
    EXPECT_EQ(control<QComboBox>("cboMM")->currentText(), QStringLiteral("30"));
    EXPECT_EQ(text("txtLonD"), QStringLiteral("77"));
    EXPECT_EQ(text("txtLonM"), QStringLiteral("13"));
    EXPECT_EQ(text("txtLatD"), QStringLiteral("28"));
    EXPECT_EQ(text("txtLatM"), QStringLiteral("37"));
    EXPECT_EQ(text("txtZoneHour"), QStringLiteral("5"));
    EXPECT_EQ(text("txtZoneMinute"), QStringLiteral("30"));
    EXPECT_TRUE(control<QRadioButton>("optLong0")->isChecked()) << "East";
    EXPECT_TRUE(control<QRadioButton>("optLat0")->isChecked()) << "North";
    EXPECT_FALSE(control<QCheckBox>("chkDST")->isChecked()) << "a 0 clears daylight saving";
    // No line carries the seconds, which stay; nor a place, whose boxes are emptied so that
    // no earlier town stands beside the reading's coordinates.
    EXPECT_EQ(control<QComboBox>("cboSS")->currentIndex(), 42);
    for (const char* box : {"txtMCity", "txtMState", "txtMCountry"}) {
        EXPECT_EQ(text(box), QString()) << box;
    }

    EXPECT_TRUE(fakes.messages.shown.empty())
        << fakes.messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(resultInFront());
    EXPECT_EQ(resultName(), QStringLiteral("Swati"));
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(resultShownFirst) << "the signal follows the calculate command";
}

TEST_F(OpenReadingTest, MonthLine) {
    const struct {
        const char* value;
        int position;
        const char* message;
        const char* reason;
    } rows[] = {
        {"0", -1, "Please Enter Correct Date Or Month!",
         "no month selected, so the calculate command refuses the date"},
        {"13", 4, "", "past December leaves the month unchanged"},
        {"2.5", 2, "", "1.5 rounds half to even: March"},
        {"3.5", 2, "", "2.5 rounds half to even: March"},
        {"12", 11, "", "December"},
        {"Aug", 4, "", "no number leaves the month unchanged"},
        {"", 4, "", "an empty line leaves the month unchanged"},
    };
    for (const auto& row : rows) {
        presetEntries();
        fakes.messages.shown.clear();
        open(fileBytes(withLine(1, QString::fromLatin1(row.value))));
        EXPECT_EQ(control<QComboBox>("cboMonth")->currentIndex(), row.position)
            << '"' << row.value << "\": " << row.reason;
        EXPECT_EQ(fakes.messages.texts().join(QLatin1Char('|')), QString::fromLatin1(row.message))
            << '"' << row.value << "\": " << row.reason;
    }
}

TEST_F(OpenReadingTest, LinesThatMatchNoEntryLeaveTheListAlone) {
    const struct {
        int line;
        const char* value;
        const char* list;
        const char* reason;
    } rows[] = {
        {2, "05", "cboDate", "a day with a leading zero is no entry"},
        {3, "1900", "cboYear", "a year before the list"},
        {3, "2051", "cboYear", "a year after the list"},
        {4, "24", "cboHH", "no hour 24"},
        {5, " 30", "cboMM", "a blank makes it another text"},
        {2, "", "cboDate", "an empty line"},
    };
    for (const auto& row : rows) {
        auto* list = control<QComboBox>(row.list);
        list->setCurrentIndex(3);
        open(fileBytes(withLine(row.line, QString::fromLatin1(row.value))));
        EXPECT_EQ(list->currentIndex(), 3)
            << row.list << " \"" << row.value << "\": " << row.reason;
    }
}

TEST_F(OpenReadingTest, OptionAndDaylightLines) {
    const struct {
        int line;
        const char* value;
        const char* checked;
        const char* reason;
    } rows[] = {
        {12, "1", "optLong0", "1 is East"},
        {12, "0", "optLong1", "anything else is West"},
        {12, "", "optLong1", "an empty line is West"},
        {12, " 1", "optLong1", "only exactly 1 is East"},
        {13, "1", "optLat0", "1 is North"},
        {13, "2", "optLat1", "anything else is South"},
    };
    for (const auto& row : rows) {
        presetEntries();
        control<QRadioButton>("optLong0")->setChecked(true);
        control<QRadioButton>("optLat0")->setChecked(true);
        control<QRadioButton>(row.line == 12 ? "optLong1" : "optLat1")->setChecked(true);
        open(fileBytes(withLine(row.line, QString::fromLatin1(row.value))));
        EXPECT_TRUE(control<QRadioButton>(row.checked)->isChecked())
            << "line " << row.line << " \"" << row.value << "\": " << row.reason;
    }

    const struct {
        const char* value;
        bool before;
        bool after;
        const char* reason;
    } daylight[] = {
        {"1", false, true, "1 checks the box"},
        {"0", true, false, "0 clears it"},
        {"", true, false, "an empty line clears it: no state carries over from the last reading"},
        {"yes", true, false, "any other value clears it"},
    };
    for (const auto& row : daylight) {
        control<QCheckBox>("chkDST")->setChecked(row.before);
        open(fileBytes(withLine(14, QString::fromLatin1(row.value))));
        EXPECT_EQ(control<QCheckBox>("chkDST")->isChecked(), row.after)
            << '"' << row.value << "\": " << row.reason;
    }
}

TEST_F(OpenReadingTest, ZoneLinesKeepTheirMinusSigns) {
    QStringList lines = FullReading;
    lines[10] = QStringLiteral("-5");
    lines[11] = QStringLiteral("-30");
    open(fileBytes(lines));
    EXPECT_EQ(text("txtZoneHour"), QStringLiteral("-5"));
    EXPECT_EQ(text("txtZoneMinute"), QStringLiteral("-30"));
    EXPECT_EQ(resultName(), QStringLiteral("Swati")) << "the sign has no effect on the reading";
}

TEST_F(OpenReadingTest, AMinusSignOnTheZoneLineRunsTheClockAheadWestOfGreenwich) {
    // Madrid, 7 January 2025, 12:00, West 3°42'.
    QStringList madrid = FullReading;
    madrid[1] = QStringLiteral("1");
    madrid[2] = QStringLiteral("7");
    madrid[3] = QStringLiteral("2025");
    madrid[4] = QStringLiteral("12");
    madrid[5] = QStringLiteral("0");
    madrid[6] = QStringLiteral("3");
    madrid[7] = QStringLiteral("42");
    madrid[11] = QStringLiteral("0");
    madrid[12] = QStringLiteral("0");
    const struct {
        const char* zoneHour;
        const char* nakshatra;
        const char* moment;
    } rows[] = {
        {"-1", "Revati", "12:00 local time, 1:00 ahead of universal time: 11:00 UT"},
        {"1", "Ashwini", "12:00 local time, 1:00 behind universal time: 13:00 UT"},
    };
    for (const auto& row : rows) {
        madrid[10] = QLatin1String(row.zoneHour);
        open(fileBytes(madrid));
        EXPECT_EQ(resultName(), QLatin1String(row.nakshatra)) << row.zoneHour;
        EXPECT_EQ(control<QLabel>("lblMoment")->text(), QLatin1String(row.moment)) << row.zoneHour;
    }
}

TEST_F(OpenReadingTest, ShortAndUnreadableFiles) {
    presetEntries();
    open(fileBytes(FullReading.mid(0, 10)));
    EXPECT_EQ(text("txtLatM"), QStringLiteral("37"));
    EXPECT_EQ(text("txtZoneHour"), QString()) << "10-line file";
    EXPECT_EQ(text("txtZoneMinute"), QString()) << "10-line file";
    EXPECT_TRUE(control<QRadioButton>("optLong1")->isChecked()) << "West";
    EXPECT_TRUE(control<QRadioButton>("optLat1")->isChecked()) << "South";
    EXPECT_EQ(fakes.messages.texts(),
              QStringList{QStringLiteral("Please Enter Hour and Minute of Time Zone")});
    EXPECT_EQ(opened.count(), 1) << "the open completes even when the checks refuse";

    // A folder whose name ends in nak reads as a file without lines.
    presetEntries();
    control<QRadioButton>("optLong0")->setChecked(true);
    control<QRadioButton>("optLat0")->setChecked(true);
    fakes.messages.shown.clear();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.nak")));
    openPath(dir.filePath(QStringLiteral("folder.nak")));
    for (const char* box :
         {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtZoneHour", "txtZoneMinute"}) {
        EXPECT_EQ(text(box), QString()) << box;
    }
    EXPECT_EQ(control<QComboBox>("cboMonth")->currentIndex(), 4) << "an empty line is no month";
    EXPECT_TRUE(control<QRadioButton>("optLong1")->isChecked()) << "West";
    EXPECT_TRUE(control<QRadioButton>("optLat1")->isChecked()) << "South";
    EXPECT_EQ(text("txtMCity"), QString());
    EXPECT_EQ(fakes.messages.texts(), QStringList{QStringLiteral("Please Enter Name")});
}

#ifdef Q_OS_UNIX
TEST_F(OpenReadingTest, FifoEndsPromptly) {
    const QString fifo = dir.filePath(QStringLiteral("pipe.nak"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    openPath(fifo);
    EXPECT_EQ(fakes.messages.texts(), QStringList{QStringLiteral("Please Enter Name")});
    EXPECT_EQ(opened.count(), 1);
}
#endif

// The sample reading of the examples folder, of either type, gives its documented reading;
// saved again by Save As as either type, it matches both samples byte for byte.
TEST_F(OpenReadingTest, SampleReading) {
    const QString samples = QStringLiteral(VANTREL_SOURCE_DIR "/examples/sample-reading");
    for (const QString& extension : {QStringLiteral(".nak"), QStringLiteral(".vantrel")}) {
        openPath(samples + extension);
        EXPECT_TRUE(fakes.messages.shown.empty());
        EXPECT_EQ(text("txtName"), QStringLiteral("Sample Reading"));
        EXPECT_EQ(resultName(), QStringLiteral("Swati"));
        EXPECT_EQ(control<QLabel>("lblResult1")->text(), QStringLiteral("Group Three (Sulochan)"));
        for (const QString& type : {QStringLiteral(".nak"), QStringLiteral(".vantrel")}) {
            fakes.saveFile.answer = dir.filePath(QStringLiteral("again") + extension + type);
            window.mnuSave_Click();
            QFile again(*fakes.saveFile.answer);
            QFile sample(samples + type);
            ASSERT_TRUE(again.open(QIODevice::ReadOnly) && sample.open(QIODevice::ReadOnly));
            EXPECT_EQ(again.readAll(), sample.readAll())
                << extension.toStdString() << type.toStdString();
        }
    }
}

// Runs `act` on the picker once "TZ Help" has opened it, then clicks "TZ Help".
class PickerThroughMainWindow : public OpenReadingTest {
protected:
    void withPicker(std::function<void(frmTimeZone&)> act) {
        bool seen = false;
        QTimer::singleShot(0, &window, [&] {
            auto* picker = qobject_cast<frmTimeZone*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            seen = true;
            act(*picker);
            if (picker->isVisible()) {
                picker->reject();
            }
        });
        QTest::mouseClick(control("lblTZHelp"), Qt::LeftButton);
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the picker has closed";
    }
    static void doubleClickRow(frmTimeZone& picker, int row) {
        auto* list = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
        list->scrollToItem(list->item(row));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(row)).center());
    }
};

TEST_F(PickerThroughMainWindow, PickWritesTheZoneBoxesOnly) {
    presetEntries();
    control<QLineEdit>("txtZoneHour")->setText(QStringLiteral("1"));
    withPicker([](frmTimeZone& picker) { doubleClickRow(picker, 34); });
    EXPECT_EQ(text("txtZoneHour"), QStringLiteral("-5"));
    EXPECT_EQ(text("txtZoneMinute"), QStringLiteral("-30"));
    EXPECT_TRUE(control<QRadioButton>("optLong1")->isChecked()) << "West kept";
    EXPECT_TRUE(control<QRadioButton>("optLat1")->isChecked()) << "South kept";
    EXPECT_TRUE(control<QCheckBox>("chkDST")->isChecked()) << "daylight saving kept";
    EXPECT_EQ(text("txtName"), QStringLiteral("Before"));
    EXPECT_FALSE(resultInFront()) << "no calculation starts";
    EXPECT_TRUE(fakes.messages.shown.empty());

    withPicker([](frmTimeZone& picker) { doubleClickRow(picker, 46); });
    EXPECT_EQ(text("txtZoneHour"), QStringLiteral("-13"));
    EXPECT_EQ(text("txtZoneMinute"), QStringLiteral("0"));
}

TEST_F(PickerThroughMainWindow, EachOpeningStartsFreshAndQuitWritesNothing) {
    control<QLineEdit>("txtZoneHour")->setText(QStringLiteral("7"));
    control<QLineEdit>("txtZoneMinute")->setText(QStringLiteral("15"));
    const std::function<void(frmTimeZone&)> closings[] = {
        [](frmTimeZone& picker) {
            auto* list = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
            list->setCurrentRow(50);
            QTest::keyClick(list, Qt::Key_Return);
        },
        [](frmTimeZone& picker) { QTest::keyClick(&picker, Qt::Key_Escape); },
        [](frmTimeZone& picker) {
            QTest::mouseClick(picker.findChild<QPushButton*>(QStringLiteral("cmdQuit")),
                              Qt::LeftButton);
        },
    };
    for (const auto& close : closings) {
        withPicker([&](frmTimeZone& picker) {
            auto* list = picker.findChild<QListWidget*>(QStringLiteral("lstTimeZone"));
            EXPECT_EQ(list->count(), 71);
            EXPECT_TRUE(list->selectedItems().isEmpty()) << "nothing selected at opening";
            close(picker);
            EXPECT_FALSE(picker.isVisible());
        });
        EXPECT_EQ(text("txtZoneHour"), QStringLiteral("7"));
        EXPECT_EQ(text("txtZoneMinute"), QStringLiteral("15"));
    }
}

} // namespace
