#include "UiTestSupport.h"

#include "ui/ReadingRecord.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>

#include <functional>

namespace {

using platform::MessageIcon;

class MainWindow : public uitest::MainWindowTest {
public:
    QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
    QComboBox* list(const char* name) { return control<QComboBox>(name); }
    QLabel* label(const char* name) { return control<QLabel>(name); }
    QWidget* frontPanel() { return control<QStackedWidget>("panels")->currentWidget(); }

    // A complete entry: 1 January 2000, 12:00, zone 0:00, West, 0°00', North 0°00'.
    void enterSwatiReading() {
        box("txtName")->setText(QStringLiteral("Asha"));
        list("cboMonth")->setCurrentIndex(0);
        list("cboDate")->setCurrentText(QStringLiteral("1"));
        list("cboYear")->setCurrentText(QStringLiteral("2000"));
        list("cboHH")->setCurrentText(QStringLiteral("12"));
        list("cboMM")->setCurrentText(QStringLiteral("0"));
        box("txtZoneHour")->setText(QStringLiteral("0"));
        box("txtZoneMinute")->setText(QStringLiteral("0"));
        box("txtLonD")->setText(QStringLiteral("0"));
        box("txtLonM")->setText(QStringLiteral("0"));
        box("txtLatD")->setText(QStringLiteral("0"));
        box("txtLatM")->setText(QStringLiteral("0"));
        control<QRadioButton>("optLong1")->setChecked(true);
    }

    void calculate() { control<QPushButton>("cmdRashi")->click(); }
};

TEST_F(MainWindow, StartsWithTheInputPanelAndItsDefaults) {
    EXPECT_EQ(window.objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("QV Vantrel v1.20"));
    EXPECT_EQ(label("Label11")->text(),
              QStringLiteral("QV Vantrel helps you find objects that have been misplaced on the "
                             "basis of calculation of the constellation the moon was placed in on "
                             "the day of loss."));
    EXPECT_EQ(control<QGroupBox>("fraMain")->title(),
              QStringLiteral("Details Of Day On Which Object Was Lost"));
    EXPECT_EQ(frontPanel(), control<QWidget>("fraMain"));
    EXPECT_FALSE(control<QWidget>("fraResult")->isVisible());

    struct ListCase {
        const char* name;
        int count;
        QString first;
        QString last;
    };
    const ListCase lists[] = {
        {"cboMonth", 12, QStringLiteral("January"), QStringLiteral("December")},
        {"cboDate", 31, QStringLiteral("1"), QStringLiteral("31")},
        {"cboYear", 150, QStringLiteral("1901"), QStringLiteral("2050")},
        {"cboHH", 24, QStringLiteral("0"), QStringLiteral("23")},
        {"cboMM", 60, QStringLiteral("0"), QStringLiteral("59")},
        {"cboSS", 60, QStringLiteral("0"), QStringLiteral("59")},
    };
    for (const auto& c : lists) {
        QComboBox* l = list(c.name);
        EXPECT_FALSE(l->isEditable()) << c.name << " must be pick-only";
        EXPECT_EQ(l->count(), c.count) << c.name;
        EXPECT_EQ(l->currentIndex(), 0) << c.name;
        EXPECT_EQ(l->itemText(0), c.first) << c.name;
        EXPECT_EQ(l->itemText(l->count() - 1), c.last) << c.name;
    }
    EXPECT_EQ(list("cboMonth")->itemText(8), QStringLiteral("September"));
    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM",
                             "txtLonD", "txtLonM", "txtMCity", "txtMState", "txtMCountry"}) {
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
        EXPECT_FALSE(box(name)->accessibleName().isEmpty()) << name;
        EXPECT_GT(box(name)->maxLength(), 30000) << name << " takes long texts";
    }
    EXPECT_TRUE(control<QRadioButton>("optLat0")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("optLong0")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(control<QCheckBox>("chkDST")->text(), QStringLiteral("DST"));
    EXPECT_EQ(label("lblTZHelp")->text(), QStringLiteral("TZ Help"));
    EXPECT_EQ(control<QPushButton>("cmdBrowser")->text(),
              QStringLiteral("Click Here To Find Latitude && Longitude"));
    EXPECT_EQ(control<QPushButton>("cmdRashi")->text(), QStringLiteral("&Get My Vantrel Reading"));
    EXPECT_EQ(control<QPushButton>("cmdOpen")->text(),
              QStringLiteral("&Open Previously Saved Reading"));
    EXPECT_EQ(window.openButton(), control<QPushButton>("cmdOpen"));
}

// The window's own controls with a tab stop, in keyboard order from the name box.
QStringList tabChain(QWidget* first, const QStringList& names) {
    QStringList chain;
    QWidget* w = first;
    for (int guard = 0; guard < 300 && chain.size() < names.size(); ++guard) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && names.contains(w->objectName())) {
            chain << w->objectName();
        }
        w = w->nextInFocusChain();
    }
    return chain;
}

const QStringList KeyboardOrder = {
    "txtName", "cboMonth", "cboDate",       "cboYear",    "cmdNow",      "cboHH",      "cboMM",
    "cboSS",   "txtLonD",  "txtLonM",       "optLong0",   "optLong1",    "txtLatD",    "txtLatM",
    "optLat0", "optLat1",  "txtMCity",      "txtMState",  "txtMCountry", "cmdBrowser", "cmdRashi",
    "cmdOpen", "chkDST",   "txtZoneMinute", "txtZoneHour"};

TEST_F(MainWindow, TabOrderFollowsTheFormFromNameToZoneHours) {
    EXPECT_EQ(tabChain(control<QWidget>("txtName"), KeyboardOrder), KeyboardOrder);
}

TEST(MainWindowShell, LabelsChainedAfterTheOpenButtonFollowTheWindowsOwnControls) {
    fakes::AllFakes fakes;
    frmMain window;
    auto* link = new QLabel(QStringLiteral("link"));
    link->setObjectName(QStringLiteral("shellLink"));
    link->setFocusPolicy(Qt::StrongFocus);
    window.offerArea()->layout()->addWidget(link);
    QWidget::setTabOrder(window.openButton(), link);
    window.show();
    QStringList expected = KeyboardOrder;
    expected << "lblTZHelp"
             << "shellLink";
    auto* name = window.findChild<QWidget*>(QStringLiteral("txtName"));
    EXPECT_EQ(tabChain(name, expected), expected);
}

struct CheckCase {
    const char* reason;
    std::function<void(MainWindow&)> change;
    QString message;
    MessageIcon icon;
    const char* focus; // nullptr: the focus stays where it was
};

TEST_F(MainWindow, ChecksReportOnlyTheFirstFailureWithItsMessageIconAndFocus) {
    auto set = [](const char* name, const char* text) {
        return [=](MainWindow& t) { t.box(name)->setText(QLatin1String(text)); };
    };
    auto date = [](int month, const char* day, const char* year) {
        return [=](MainWindow& t) {
            t.list("cboMonth")->setCurrentIndex(month);
            t.list("cboDate")->setCurrentText(QLatin1String(day));
            t.list("cboYear")->setCurrentText(QLatin1String(year));
        };
    };
    const QString zoneMessage = QStringLiteral("Please Enter Hour and Minute of Time Zone");
    const QString febMessage = QStringLiteral("Please Enter Correct Date Or Month!");
    const CheckCase cases[] = {
        {"empty name", set("txtName", ""), QStringLiteral("Please Enter Name"), MessageIcon::Stop,
         "txtName"},
        {"name of spaces", set("txtName", "   "), QStringLiteral("Please Enter Name"),
         MessageIcon::Stop, "txtName"},
        {"name and zone missing: only the name is reported",
         [](MainWindow& t) {
             t.box("txtName")->clear();
             t.box("txtZoneHour")->clear();
             t.box("txtZoneMinute")->clear();
         },
         QStringLiteral("Please Enter Name"), MessageIcon::Stop, "txtName"},
        {"both zone boxes empty",
         [](MainWindow& t) {
             t.box("txtZoneHour")->setText(QStringLiteral(" "));
             t.box("txtZoneMinute")->clear();
         },
         zoneMessage, MessageIcon::Stop, "txtZoneHour"},
        {"zone hours no number", set("txtZoneHour", "5-"), zoneMessage, MessageIcon::Stop,
         "txtZoneHour"},
        {"zone minutes beyond 16 bits", set("txtZoneMinute", "40000"), zoneMessage,
         MessageIcon::Stop, "txtZoneMinute"},
        {"longitude degrees empty", set("txtLonD", ""),
         QStringLiteral("Please Enter Degree of Longitude"), MessageIcon::Stop, "txtLonD"},
        {"longitude minutes empty", set("txtLonM", ""),
         QStringLiteral("Please Enter Minute of Longitude"), MessageIcon::Stop, "txtLonM"},
        {"latitude degrees empty", set("txtLatD", ""),
         QStringLiteral("Please Enter Degree of Latitude"), MessageIcon::Stop, "txtLatD"},
        {"latitude minutes empty", set("txtLatM", ""),
         QStringLiteral("Please Enter Minute of Latitude"), MessageIcon::Stop, "txtLatM"},
        {"longitude degrees pasted text", set("txtLonD", "7x"),
         QStringLiteral("Please Enter Degree of Longitude"), MessageIcon::Stop, "txtLonD"},
        {"latitude minutes beyond 16 bits", set("txtLatM", "32768"),
         QStringLiteral("Please Enter Minute of Latitude"), MessageIcon::Stop, "txtLatM"},
        {"29 February 1901", date(1, "29", "1901"), febMessage, MessageIcon::Information, nullptr},
        {"30 February of a leap year", date(1, "30", "2000"), febMessage, MessageIcon::Information,
         nullptr},
        {"31 April", date(3, "31", "2000"), QStringLiteral("Please Enter Correct Date Or Month !"),
         MessageIcon::Information, nullptr},
        {"31 November", date(10, "31", "1950"),
         QStringLiteral("Please Enter Correct Date Or Month !"), MessageIcon::Information, nullptr},
        {"no month selected", [](MainWindow& t) { t.list("cboMonth")->setCurrentIndex(-1); },
         febMessage, MessageIcon::Information, nullptr},
    };
    for (const auto& c : cases) {
        enterSwatiReading();
        fakes.messages.shown.clear();
        control<QWidget>("cboSS")->setFocus();
        c.change(*this);
        currentReading().name = "earlier reading";
        calculate();
        ASSERT_EQ(fakes.messages.shown.size(), 1u) << c.reason;
        EXPECT_EQ(fakes.messages.shown[0].text, c.message) << c.reason;
        EXPECT_EQ(fakes.messages.shown[0].icon, c.icon) << c.reason;
        EXPECT_EQ(window.focusWidget()->objectName(),
                  QLatin1String(c.focus != nullptr ? c.focus : "cboSS"))
            << c.reason;
        EXPECT_EQ(frontPanel(), control<QWidget>("fraMain")) << c.reason;
        EXPECT_EQ(currentReading().name, "earlier reading") << c.reason << ": nothing is filled";
    }
}

TEST_F(MainWindow, ChecksPassForEdgesTheFormAllows) {
    const std::function<void(MainWindow&)> cases[] = {
        [](MainWindow& t) { t.list("cboMonth")->setCurrentIndex(1); },
        [](MainWindow& t) {
            t.list("cboMonth")->setCurrentIndex(1);
            t.list("cboDate")->setCurrentText(QStringLiteral("29"));
            t.list("cboYear")->setCurrentText(QStringLiteral("2048"));
        },
        [](MainWindow& t) {
            t.box("txtZoneHour")->setText(QStringLiteral("5"));
            t.box("txtZoneMinute")->clear();
        },
        [](MainWindow& t) {
            t.box("txtLatD")->setText(QStringLiteral("95"));
            t.box("txtLatM")->setText(QStringLiteral("75"));
            t.box("txtMCity")->clear();
        },
        [](MainWindow& t) {
            t.list("cboMonth")->setCurrentIndex(11);
            t.list("cboDate")->setCurrentText(QStringLiteral("31"));
        },
    };
    int row = 0;
    for (const auto& change : cases) {
        enterSwatiReading();
        change(*this);
        fakes.messages.shown.clear();
        EXPECT_TRUE(window.ValidateInputs()) << "row " << row;
        EXPECT_TRUE(fakes.messages.shown.empty()) << "row " << row;
        ++row;
    }
}

TEST_F(MainWindow, NumberBoxesTakeDigitsAndBackspaceOnly) {
    struct KeyCase {
        const char* reason;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text; // what the key types; empty: Qt's own text for the key
        QString after;
        bool message;
    };
    const QString start = QStringLiteral("12");
    const KeyCase cases[] = {
        {"digit", Qt::Key_7, Qt::NoModifier, {}, QStringLiteral("127"), false},
        {"zero", Qt::Key_0, Qt::NoModifier, {}, QStringLiteral("120"), false},
        {"backspace", Qt::Key_Backspace, Qt::NoModifier, {}, QStringLiteral("1"), false},
        {"minus", Qt::Key_Minus, Qt::NoModifier, {}, start, true},
        {"point", Qt::Key_Period, Qt::NoModifier, {}, start, true},
        {"space", Qt::Key_Space, Qt::NoModifier, {}, start, true},
        {"letter", Qt::Key_A, Qt::NoModifier, {}, start, true},
        {"Enter", Qt::Key_Return, Qt::NoModifier, {}, start, true},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, {}, start, true},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, {}, start, true},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"), start, true},
        {"Arabic-Indic five", Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u0665"), start,
         true},
        {"full-width five", Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\uFF15"), start,
         true},
        {"Devanagari five is stored as 5", Qt::Key_unknown, Qt::NoModifier,
         QString::fromUtf8("\u096B"), QStringLiteral("125"), false},
        {"Devanagari zero is stored as 0", Qt::Key_unknown, Qt::NoModifier,
         QString::fromUtf8("\u0966"), QStringLiteral("120"), false},
        {"Devanagari nine is stored as 9", Qt::Key_unknown, Qt::NoModifier,
         QString::fromUtf8("\u096F"), QStringLiteral("129"), false},
        {"the sign after Devanagari nine is refused", Qt::Key_unknown, Qt::NoModifier,
         QString::fromUtf8("\u0970"), start, true},
        {"left arrow moves silently", Qt::Key_Left, Qt::NoModifier, {}, start, false},
        {"Home moves silently", Qt::Key_Home, Qt::NoModifier, {}, start, false},
        {"End moves silently", Qt::Key_End, Qt::NoModifier, {}, start, false},
        {"Tab moves on silently", Qt::Key_Tab, Qt::NoModifier, {}, start, false},
        // A box would type an Alt combination that matched no access key.
        {"Alt+minus types nothing", Qt::Key_Minus, Qt::AltModifier, QStringLiteral("-"), start,
         false},
        {"Alt+letter types nothing", Qt::Key_A, Qt::AltModifier, QStringLiteral("a"), start, false},
        {"Meta+digit types nothing", Qt::Key_5, Qt::MetaModifier, QStringLiteral("5"), start,
         false},
    };
    for (const char* name :
         {"txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtZoneHour", "txtZoneMinute"}) {
        for (const auto& c : cases) {
            QLineEdit* b = box(name);
            b->setText(start);
            b->setFocus();
            b->end(false);
            fakes.messages.shown.clear();
            if (c.text.isEmpty()) {
                QTest::keyClick(b, c.key, c.modifiers);
            } else {
                QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.text);
                QApplication::sendEvent(b, &press);
            }
            EXPECT_EQ(b->text(), c.after) << name << ": " << c.reason;
            if (c.message) {
                ASSERT_EQ(fakes.messages.shown.size(), 1u) << name << ": " << c.reason;
                EXPECT_EQ(fakes.messages.shown[0].text,
                          QStringLiteral("Only Numbers Are Accepted"));
                EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Stop);
            } else {
                EXPECT_TRUE(fakes.messages.shown.empty()) << name << ": " << c.reason;
            }
        }
    }
    // Devanagari digits pasted from the box's menu are stored as 0 to 9 too.
    QApplication::clipboard()->setText(QString::fromUtf8("\u0967\u096A"));
    box("txtLatM")->clear();
    box("txtLatM")->paste();
    EXPECT_EQ(box("txtLatM")->text(), QStringLiteral("14"));
    // Delete edits silently; the name box has no filter.
    QLineEdit* lat = box("txtLatD");
    lat->setText(start);
    lat->setCursorPosition(0);
    fakes.messages.shown.clear();
    QTest::keyClick(lat, Qt::Key_Delete);
    EXPECT_EQ(lat->text(), QStringLiteral("2"));
    QTest::keyClicks(box("txtName"), QStringLiteral("-a 1."));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("-a 1."));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(MainWindow, CalculateFillsTheReadingFromTheControls) {
    enterSwatiReading();
    box("txtName")->setText(QStringLiteral("  Ravi Kumar  "));
    list("cboMonth")->setCurrentIndex(6);
    list("cboDate")->setCurrentText(QStringLiteral("4"));
    list("cboYear")->setCurrentText(QStringLiteral("2015"));
    list("cboHH")->setCurrentText(QStringLiteral("21"));
    list("cboMM")->setCurrentText(QStringLiteral("7"));
    list("cboSS")->setCurrentText(QStringLiteral("59"));
    box("txtZoneHour")->setText(QStringLiteral("-5")); // as the picker writes it
    box("txtZoneMinute")->clear();                     // counts as 0
    box("txtLonD")->setText(QStringLiteral("74.5"));   // half to even: 74
    box("txtLonM")->setText(QStringLiteral(" 3.5 "));  // half to even: 4
    box("txtLatD")->setText(QStringLiteral("-95"));
    box("txtLatM")->setText(QStringLiteral("75"));
    control<QCheckBox>("chkDST")->setChecked(true);
    control<QRadioButton>("optLat1")->setChecked(true);
    currentReading().zoneMinutes = 45; // an earlier reading's value must not survive
    calculate();
    const ReadingInput& r = currentReading();
    EXPECT_EQ(r.name, "Ravi Kumar");
    EXPECT_EQ(r.month, 7);
    EXPECT_EQ(r.day, 4);
    EXPECT_EQ(r.year, 2015);
    EXPECT_EQ(r.hour, 21);
    EXPECT_EQ(r.minute, 7);
    EXPECT_EQ(r.zoneHours, 5);
    EXPECT_EQ(r.zoneMinutes, 0);
    EXPECT_EQ(r.longitudeDegrees, 74);
    EXPECT_EQ(r.longitudeMinutes, 4);
    EXPECT_EQ(r.latitudeDegrees, -95);
    EXPECT_EQ(r.latitudeMinutes, 75);
    EXPECT_TRUE(r.daylightSaving);
    EXPECT_FALSE(r.longitudeOption) << "West selected";
    EXPECT_TRUE(r.latitudeOption) << "South selected";

    box("txtName")->setText(QString::fromUtf8("Zoë"));
    control<QRadioButton>("optLong0")->setChecked(true);
    calculate();
    EXPECT_EQ(currentReading().name, "Zo\xc3\xab") << "the name is kept as UTF-8";
    EXPECT_TRUE(currentReading().longitudeOption);
}

TEST_F(MainWindow, ReadingsOfKnownMomentsShowTheirNakshatra) {
    struct ReadingCase {
        int month;
        const char* day;
        const char* year;
        const char* hour;
        const char* minute;
        const char* zoneHour;
        const char* zoneMinute;
        bool east;
        const char* lonD;
        const char* lonM;
        bool dst;
        QString nakshatra;
        QString group;
        QString dateLine;
    };
    const ReadingCase cases[] = {
        {0, "1", "2000", "12", "0", "0", "0", false, "0", "0", false, QStringLiteral("Swati"),
         QStringLiteral("Group Three (Sulochan)"), QStringLiteral("January 1, 2000")},
        {6, "4", "2015", "21", "0", "5", "0", false, "74", "0", true, QStringLiteral("Dhanistha"),
         QStringLiteral("Group Four (Andhaksh)"), QStringLiteral("July 4, 2015")},
        {2, "21", "1985", "6", "15", "5", "30", true, "72", "50", false,
         QStringLiteral("Poorva Bhadrapada"), QStringLiteral("Group Four (Andhaksh)"),
         QStringLiteral("March 21, 1985")},
        {11, "25", "2049", "18", "45", "8", "0", false, "118", "15", true,
         QStringLiteral("Uttara Ashadha"), QStringLiteral("Group One (Mandaksh)"),
         QStringLiteral("December 25, 2049")},
        {10, "2", "1950", "23", "59", "0", "0", false, "0", "7", false, QStringLiteral("Pushya"),
         QStringLiteral("Group Four (Andhaksh)"), QStringLiteral("November 2, 1950")},
    };
    for (const auto& c : cases) {
        enterSwatiReading();
        list("cboMonth")->setCurrentIndex(c.month);
        list("cboDate")->setCurrentText(QLatin1String(c.day));
        list("cboYear")->setCurrentText(QLatin1String(c.year));
        list("cboHH")->setCurrentText(QLatin1String(c.hour));
        list("cboMM")->setCurrentText(QLatin1String(c.minute));
        box("txtZoneHour")->setText(QLatin1String(c.zoneHour));
        box("txtZoneMinute")->setText(QLatin1String(c.zoneMinute));
        control<QRadioButton>(c.east ? "optLong0" : "optLong1")->setChecked(true);
        box("txtLonD")->setText(QLatin1String(c.lonD));
        box("txtLonM")->setText(QLatin1String(c.lonM));
        control<QCheckBox>("chkDST")->setChecked(c.dst);
        calculate();
        EXPECT_TRUE(fakes.messages.shown.empty()) << c.dateLine.toStdString();
        EXPECT_EQ(label("lblResult0")->text(), c.nakshatra) << c.dateLine.toStdString();
        EXPECT_EQ(label("lblResult1")->text(), c.group) << c.dateLine.toStdString();
        EXPECT_EQ(label("lblResult4")->text(), c.dateLine);
        EXPECT_FALSE(label("imgNakshatra")->pixmap().isNull());
        EXPECT_EQ(frontPanel(), control<QWidget>("fraResult"));
        control<QPushButton>("cmdBack")->click();
    }
}

TEST_F(MainWindow, BackKeepsInputsAndResultAndRecalculatingGivesTheSameReading) {
    enterSwatiReading();
    box("txtMCity")->setText(QStringLiteral("Pune"));
    calculate();
    ASSERT_EQ(frontPanel(), control<QWidget>("fraResult"));
    EXPECT_TRUE(control<QWidget>("cmdBack")->hasFocus()) << "the keyboard user lands on Back";
    const QString results[] = {label("lblResult0")->text(), label("lblResult2")->text(),
                               label("lblResult4")->text()};
    control<QPushButton>("cmdBack")->click();
    EXPECT_EQ(frontPanel(), control<QWidget>("fraMain"));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Asha"));
    EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("Pune"));
    EXPECT_EQ(list("cboYear")->currentText(), QStringLiteral("2000"));
    EXPECT_TRUE(control<QRadioButton>("optLong1")->isChecked());
    EXPECT_EQ(label("lblResult0")->text(), results[0]) << "the result panel keeps its reading";

    // Changing the seconds changes nothing of the reading.
    list("cboSS")->setCurrentText(QStringLiteral("42"));
    calculate();
    EXPECT_EQ(label("lblResult0")->text(), results[0]);
    EXPECT_EQ(label("lblResult2")->text(), results[1]);
    EXPECT_EQ(label("lblResult4")->text(), results[2]);

    // A failing check while the result is in front leaves the result and its panel.
    box("txtLonD")->clear();
    calculate();
    EXPECT_EQ(frontPanel(), control<QWidget>("fraResult"));
    EXPECT_EQ(label("lblResult0")->text(), results[0]);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(QApplication::focusWidget()->isVisible())
        << "the focus does not move into the hidden input panel";
}

// An access key presses its button after a short animation.
void pressAccessKey(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QTest::qWait(250);
}

TEST_F(MainWindow, AccessKeysOfThePanelBehindDoNotFire) {
    enterSwatiReading();
    pressAccessKey(Qt::Key_G);
    ASSERT_EQ(frontPanel(), control<QWidget>("fraResult")) << "Alt+G calculates";
    const QString shown = label("lblResult0")->text();
    box("txtName")->clear();
    pressAccessKey(Qt::Key_G); // the calculate button lies behind
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(label("lblResult0")->text(), shown);
    pressAccessKey(Qt::Key_B);
    EXPECT_EQ(frontPanel(), control<QWidget>("fraMain"));
    EXPECT_FALSE(control<QWidget>("cmdBack")->isVisible());
}

TEST_F(MainWindow, PlaceLookupAsksForEachNameThenSearches) {
    struct LookupCase {
        const char* reason;
        const char* city;
        const char* state;
        const char* country;
        QString message;
        const char* focus;
    };
    const LookupCase cases[] = {
        {"all empty: only the city", "", "", "", QStringLiteral("Please Enter City"), "txtMCity"},
        {"state missing", "Pune", "", "India", QStringLiteral("Please Enter State"), "txtMState"},
        {"country missing", "Pune", "Maharashtra", "", QStringLiteral("Please Enter Country"),
         "txtMCountry"},
    };
    for (const auto& c : cases) {
        fakes.messages.shown.clear();
        box("txtMCity")->setText(QLatin1String(c.city));
        box("txtMState")->setText(QLatin1String(c.state));
        box("txtMCountry")->setText(QLatin1String(c.country));
        control<QPushButton>("cmdBrowser")->click();
        ASSERT_EQ(fakes.messages.shown.size(), 1u) << c.reason;
        EXPECT_EQ(fakes.messages.shown[0].text, c.message) << c.reason;
        EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Information) << c.reason;
        EXPECT_EQ(window.focusWidget()->objectName(), QLatin1String(c.focus)) << c.reason;
        EXPECT_TRUE(fakes.webSearch.searches.empty()) << c.reason;
    }
    fakes.messages.shown.clear();
    box("txtMCity")->setText(QStringLiteral("  "));
    box("txtMState")->setText(QStringLiteral("Maharashtra"));
    box("txtMCountry")->setText(QStringLiteral("India"));
    control<QPushButton>("cmdBrowser")->click();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.webSearch.searches,
              QStringList{QStringLiteral("   Maharashtra India Latitude Longitude")});
    EXPECT_EQ(frontPanel(), control<QWidget>("fraMain"));
    EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("  "));
}

TEST_F(MainWindow, ClosingIsNeverRefusedAndIsAnnounced) {
    QSignalSpy closing(&window, &frmMain::closing);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(closing.count(), 1);
}

} // namespace
