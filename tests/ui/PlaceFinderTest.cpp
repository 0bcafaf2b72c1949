// The place finder on the main window, with a small list of places: suggestions, choosing
// by keyboard, zones on the day of loss, who owns the zone boxes, Now, and the notices.
#include "tests/aids/SavedReadingFiles.h"
#include "tests/ui/UiTestSupport.h"

#include "ui/Language.h"
#include "ui/OpenUndo.h"
#include "ui/PlaceFinder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimeZone>

#include <functional>

namespace {

const char* const Places = "QVPLACES 1\n"
                           "Z 9\nEurope/Madrid\nEurope/London\nAmerica/New_York\nAsia/Kolkata\n"
                           "Asia/Kathmandu\nAustralia/Sydney\nPacific/Apia\nAmerica/Adak\n"
                           "Europe/Nowhere\n"
                           "R 3\nMadrid\nEngland\nAlaska\n"
                           "P 10\n"
                           "London\t\t\t3091\t-8\tGB\t1\t1\n"
                           "New York City\t\t\t2443\t-4440\tUS\t\t2\n"
                           "Sydney\t\t\t-2032\t9072\tAU\t\t5\n"
                           "Madrid\t\t\t2425\t-222\tES\t0\t0\n"
                           "Kolkata\t\t\t1354\t5302\tIN\t\t3\n"
                           "Kathmandu\t\t\t1662\t5119\tNP\t\t4\n"
                           "Apia\t\t\t-830\t-10306\tWS\t\t6\n"
                           "Madridejos\t\t\t2348\t-218\tES\t\t0\n"
                           "Attu\t\t\t3175\t10375\tUS\t2\t7\n"
                           "Neverton\t\t\t3000\t600\tES\t\t8\n"; // a zone no computer knows

class PlaceFinderTest : public uitest::MainWindowTest {
protected:
    PlaceFinderTest() {
        const QString path = dir.filePath(QStringLiteral("places.qz"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(qCompress(QByteArray(Places)));
        file.close();
        finder()->setListPath(path);
    }
    PlaceFinder* finder() { return window.findChild<PlaceFinder*>(QStringLiteral("placeFinder")); }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    bool dst() { return control<QCheckBox>("chkDST")->isChecked(); }
    // The whole name; the label itself may show it elided.
    QString zoneName() { return control<QLabel>("lblZoneName")->toolTip(); }
    QString zone() { return text("txtZoneHour") + QLatin1Char(' ') + text("txtZoneMinute"); }

    void setDate(int year, int month, int day, int hour = 12, int minute = 0) {
        control<QComboBox>("cboYear")->setCurrentText(QString::number(year));
        control<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        control<QComboBox>("cboDate")->setCurrentIndex(day - 1);
        control<QComboBox>("cboHH")->setCurrentIndex(hour);
        control<QComboBox>("cboMM")->setCurrentIndex(minute);
    }
    // Types into the City box as a user does, then Down and Enter on the suggestions.
    void choose(const char* typed, int downs = 1) {
        auto* city = control<QLineEdit>("txtMCity");
        city->setFocus();
        city->clear();
        QTest::keyClicks(city, QString::fromUtf8(typed));
        QAbstractItemView* popup = suggestions();
        ASSERT_TRUE(popup->isVisible()) << typed;
        for (int i = 0; i < downs; ++i) {
            QTest::keyClick(popup, Qt::Key_Down);
        }
        QTest::keyClick(popup, Qt::Key_Return);
    }
    QAbstractItemView* suggestions() { return finder()->findChild<QCompleter*>()->popup(); }

    QTemporaryDir dir;
};

TEST_F(PlaceFinderTest, ChoosingByKeyboardFillsThePlaceAndItsZone) {
    const struct {
        const char* typed;
        int year, month;
        const char* city;
        const char* latitude; // degrees, minutes, hemisphere
        const char* longitude;
        const char* zone;
        bool dst;
    } rows[] = {
        {"madrid", 2025, 1, "Madrid", "40 25 N", "3 42 W", "-1 0", false},
        {"madrid", 2025, 7, "Madrid", "40 25 N", "3 42 W", "-1 0", true},
        {"london", 2025, 7, "London", "51 31 N", "0 8 W", "0 0", true},
        {"new york", 2025, 1, "New York City", "40 43 N", "74 0 W", "5 0", false},
        {"kolkata", 2025, 1, "Kolkata", "22 34 N", "88 22 E", "-5 -30", false},
        {"kathmandu", 2025, 7, "Kathmandu", "27 42 N", "85 19 E", "-5 -45", false},
        {"sydney", 2025, 1, "Sydney", "33 52 S", "151 12 E", "-10 0", true},
        {"apia", 2024, 3, "Apia", "13 50 S", "171 46 W", "-13 0", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.typed) + " in month " + std::to_string(row.month));
        setDate(row.year, row.month, 2);
        choose(row.typed);
        EXPECT_EQ(text("txtMCity"), QString::fromUtf8(row.city)) << "the bare name";
        const auto hemisphere = [this](const char* first, const char* firstLetter,
                                       const char* second) {
            return control<QRadioButton>(first)->isChecked() ? QLatin1String(firstLetter)
                                                             : QLatin1String(second);
        };
        EXPECT_EQ(text("txtLatD") + ' ' + text("txtLatM") + ' ' + hemisphere("optLat0", "N", "S"),
                  QLatin1String(row.latitude));
        EXPECT_EQ(text("txtLonD") + ' ' + text("txtLonM") + ' ' + hemisphere("optLong0", "E", "W"),
                  QLatin1String(row.longitude));
        EXPECT_EQ(zone(), QLatin1String(row.zone));
        EXPECT_EQ(dst(), row.dst);
        EXPECT_FALSE(zoneName().isEmpty()) << "the zone's name while it is in charge";
        // The reading is read for the place's true moment: 12:00 there in universal time.
        const QDateTime noon(QDate(row.year, row.month, 2), QTime(12, 0),
                             QTimeZone(zoneName().toLatin1()));
        control<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
        control<QPushButton>("cmdRashi")->click();
        const QString moment = control<QLabel>("lblMoment")->text();
        EXPECT_TRUE(moment.contains(QLatin1Char(' ') +
                                    noon.toUTC().time().toString(QStringLiteral("HH:mm")) +
                                    QStringLiteral(" UT")))
            << moment.toStdString();
        control<QPushButton>("cmdBack")->click();
    }
    EXPECT_EQ(text("txtMCountry"), QStringLiteral("Samoa"));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(PlaceFinderTest, SuggestionsAreRankedAndChosenByArrows) {
    choose("MADRI", 2);
    EXPECT_EQ(text("txtMCity"), QStringLiteral("Madridejos")) << "second entry";
    EXPECT_EQ(text("txtMState"), QString()) << "no division in the list";
    EXPECT_EQ(text("txtMCountry"), QStringLiteral("Spain"));
    const QAbstractItemView* popup = suggestions();
    ASSERT_EQ(popup->model()->rowCount(), 2);
    EXPECT_EQ(popup->model()->index(0, 0).data().toString(),
              QStringLiteral("Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid"));
}

// Each row starts from Madrid chosen on 2 January 2025, does something, then moves the
// date to July: the zone follows only while the place is in charge of it.
TEST_F(PlaceFinderTest, WhoOwnsTheZoneBoxes) {
    const struct {
        const char* reason;
        std::function<void()> act;
        const char* zone;
        bool dst;
        bool named;
    } rows[] = {
        {"a change of date makes the zone follow", [] {}, "-1 0", true, true},
        {"typing in a zone box makes it the user's",
         [this] { QTest::keyClick(control("txtZoneMinute"), Qt::Key_5); }, "-1 05", false, false},
        {"ticking DST makes it the user's",
         [this] { QTest::mouseClick(control("chkDST"), Qt::LeftButton); }, "-1 0", true, false},
        {"a zone written by the picker makes it the user's",
         [this] { control<QLineEdit>("txtZoneHour")->setText("-2"); }, "-2 0", false, false},
        {"choosing the place again takes it back",
         [this] {
             QTest::keyClick(control("txtZoneMinute"), Qt::Key_5);
             choose("madrid");
         },
         "-1 0", true, true},
        {"editing City forgets the place and empties its zone",
         [this] { QTest::keyClick(control("txtMCity"), Qt::Key_S); }, " ", false, false},
        {"editing a coordinate forgets the place",
         [this] { QTest::keyClick(control("txtLonM"), Qt::Key_1); }, "-1 0", false, false},
        {"changing a hemisphere forgets the place",
         [this] { control<QRadioButton>("optLong0")->click(); }, "-1 0", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        setDate(2025, 1, 2);
        choose("madrid");
        ASSERT_EQ(zone(), QStringLiteral("-1 0"));
        ASSERT_FALSE(dst());
        row.act();
        control<QComboBox>("cboMonth")->setCurrentIndex(6);
        EXPECT_EQ(zone(), QLatin1String(row.zone));
        EXPECT_EQ(dst(), row.dst);
        EXPECT_EQ(zoneName(), row.named ? QStringLiteral("Europe/Madrid") : QString());
    }
}

TEST_F(PlaceFinderTest, AnImpossibleDateLeavesTheZoneAsItIs) {
    setDate(2025, 7, 30);
    choose("madrid");
    ASSERT_TRUE(dst());
    control<QComboBox>("cboDate")->setCurrentIndex(30);
    control<QComboBox>("cboMonth")->setCurrentIndex(3); // 31 April
    EXPECT_EQ(zone(), QStringLiteral("-1 0"));
    EXPECT_TRUE(dst()) << "July's entry kept";
    control<QComboBox>("cboMonth")->setCurrentIndex(11);
    EXPECT_FALSE(dst()) << "still in charge: 31 December follows";

    choose("kathmandu");
    control<QComboBox>("cboMonth")->setCurrentIndex(3);
    choose("madrid");
    EXPECT_EQ(zone(), QStringLiteral(" "))
        << "chosen on 31 April: nothing written yet, and Kathmandu's went with its name";
    EXPECT_EQ(zoneName(), QString());
    control<QComboBox>("cboMonth")->setCurrentIndex(4);
    EXPECT_EQ(zone(), QStringLiteral("-1 0")) << "in charge from the first real date on";
    EXPECT_TRUE(dst());
    EXPECT_EQ(zoneName(), QStringLiteral("Europe/Madrid"));
}

TEST_F(PlaceFinderTest, OpeningASavedReadingForgetsThePlace) {
    setDate(2025, 1, 2);
    choose("madrid");
    const QString path = dir.filePath(QStringLiteral("reading.nak"));
    ASSERT_TRUE(savedfiles::writeFile(path, savedfiles::fileBytes(savedfiles::FullReading)));
    fakes.openFile.answer = path;
    QTest::mouseClick(control("cmdOpen"), Qt::LeftButton);
    EXPECT_EQ(zoneName(), QString());
    QTest::mouseClick(control("cmdCopy"), Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("Place: not given\n")))
        << "no earlier town beside the reading's coordinates";
    const QString opened = zone();
    control<QComboBox>("cboMonth")->setCurrentIndex(6);
    EXPECT_EQ(zone(), opened) << "the reading's zone stays";
}

TEST_F(PlaceFinderTest, UndoOpenBringsThePlaceBackInChargeOfTheZone) {
    auto* undo = new OpenUndo(window);
    finder()->keepInUndo(*undo);
    setDate(2025, 1, 2);
    choose("madrid");
    const QString path = dir.filePath(QStringLiteral("reading.nak"));
    ASSERT_TRUE(savedfiles::writeFile(path, savedfiles::fileBytes(savedfiles::FullReading)));
    window.openReadingFile(path);
    ASSERT_EQ(zoneName(), QString());
    undo->undo();
    EXPECT_EQ(zoneName(), QStringLiteral("Europe/Madrid"));
    EXPECT_EQ(zone(), QStringLiteral("-1 0"));
    control<QComboBox>("cboMonth")->setCurrentIndex(6);
    EXPECT_TRUE(dst()) << "the zone follows the date again: summer time in July";
}

TEST_F(PlaceFinderTest, UndoOpenBringsTheNoteOnATownNotInTheListBack) {
    auto* undo = new OpenUndo(window);
    finder()->keepInUndo(*undo);
    auto* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Mordor"));
    ASSERT_FALSE(city->accessibleDescription().isEmpty());
    const QString path = dir.filePath(QStringLiteral("reading.nak"));
    ASSERT_TRUE(savedfiles::writeFile(path, savedfiles::fileBytes(savedfiles::FullReading)));
    window.openReadingFile(path);
    ASSERT_TRUE(city->accessibleDescription().isEmpty());
    undo->undo();
    EXPECT_EQ(text("txtMCity"), QStringLiteral("Mordor"));
    EXPECT_FALSE(city->accessibleDescription().isEmpty());
    EXPECT_TRUE(control("lblPlaceNote")->isVisible());
}

TEST_F(PlaceFinderTest, AZoneThatCannotBeEnteredIsSaidAndNotFilled) {
    setDate(2025, 1, 2);
    choose("attu");
    EXPECT_EQ(text("txtMCity"), QStringLiteral("Attu"));
    EXPECT_EQ(fakes.messages.texts(),
              QStringList{"The time zone of this place cannot be entered here; readings for it "
                          "would be wrong."});
    EXPECT_EQ(zone(), QStringLiteral(" ")) << "no zone filled";
    EXPECT_EQ(zoneName(), QString());
}

// Each row starts from Madrid chosen in July, does something, then types a letter into City:
// the boxes the finder filled and the user left alone are emptied, the user's stay.
TEST_F(PlaceFinderTest, EditingCityEmptiesWhatTheFinderFilled) {
    const struct {
        const char* reason;
        std::function<void()> act;
        const char* state; // then the longitude minutes, the zone pair and DST
        const char* lonM;
        const char* zone;
        bool dst;
    } rows[] = {
        {"nothing typed: all go", [] {}, "", "", " ", false},
        {"a typed State stays", [this] { QTest::keyClick(control("txtMState"), Qt::Key_X); },
         "Madridx", "", " ", false},
        {"a typed coordinate stays, and the others still go",
         [this] { QTest::keyClick(control("txtLonM"), Qt::Key_1); }, "", "421", " ", false},
        {"a typed zone minute stays",
         [this] { QTest::keyClick(control("txtZoneMinute"), Qt::Key_5); }, "", "", " 05", false},
        {"DST ticked by hand stays",
         [this] {
             control<QCheckBox>("chkDST")->click();
             control<QCheckBox>("chkDST")->click();
         },
         "", "", " ", true},
        {"a saved reading's values are the user's",
         [this] {
             const QString path = dir.filePath(QStringLiteral("reading.nak"));
             ASSERT_TRUE(
                 savedfiles::writeFile(path, savedfiles::fileBytes(savedfiles::FullReading)));
             window.openReadingFile(path);
             control("cmdBack")->setFocus();
             QTest::keyClick(control("cmdBack"), Qt::Key_Space);
         },
         "", "13", "5 30", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        setDate(2025, 7, 2);
        choose("madrid");
        ASSERT_EQ(zone(), QStringLiteral("-1 0"));
        row.act();
        const bool west = control<QRadioButton>("optLong1")->isChecked();
        control("txtMCity")->setFocus();
        QTest::keyClick(control("txtMCity"), Qt::Key_End);
        QTest::keyClick(control("txtMCity"), Qt::Key_S);
        EXPECT_EQ(text("txtMState"), QLatin1String(row.state));
        EXPECT_EQ(text("txtLonM"), QLatin1String(row.lonM));
        EXPECT_EQ(zone(), QLatin1String(row.zone));
        EXPECT_EQ(dst(), row.dst);
        EXPECT_EQ(control<QRadioButton>("optLong1")->isChecked(), west) << "the hemisphere stays";
    }
}

// A town the list lacks, typed over a chosen one, is said and gives no reading of the other.
TEST_F(PlaceFinderTest, ATownNotInTheListIsSaidAndReadsNothingElse) {
    setDate(2025, 1, 2);
    choose("madrid");
    control<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
    auto* city = control<QLineEdit>("txtMCity");
    city->selectAll();
    QTest::keyClicks(city, QStringLiteral("Mordor"));
    const QString note = QStringLiteral("No place of this name in the list: enter its latitude, "
                                        "longitude and time zone, or use the lookup button.");
    EXPECT_EQ(control<QLabel>("lblPlaceNote")->text().simplified(), note);
    EXPECT_TRUE(control("lblPlaceNote")->isVisible());
    EXPECT_EQ(city->accessibleDescription(), note) << "what a screen reader hears";
    Language::Apply(QStringLiteral("hi"));
    EXPECT_TRUE(city->accessibleDescription().startsWith(QString::fromUtf8("सूची में")))
        << "the note follows the language";
    Language::Apply(QStringLiteral("en"));
    EXPECT_EQ(city->accessibleDescription(), note);
    QTest::mouseClick(control("cmdRashi"), Qt::LeftButton);
    EXPECT_EQ(fakes.messages.texts(), QStringList{"Please Enter Hour and Minute of Time Zone"});
    EXPECT_FALSE(control("cmdBack")->isVisible()) << "no reading";

    city->selectAll();
    QTest::keyClicks(city, QStringLiteral("madr"));
    EXPECT_EQ(control<QLabel>("lblPlaceNote")->text(), QString()) << "a match removes it";
    EXPECT_EQ(city->accessibleDescription(), QString());
}

// "1" typed over Madrid, as most people write UTC+1, reads the zone the other way: the
// label beside the boxes and a warning with the reading say so, and "-1" can be typed.
TEST_F(PlaceFinderTest, AZoneTypedTheWrongWayIsShownAndWarned) {
    setDate(2025, 1, 2);
    choose("madrid");
    control<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
    auto* hour = control<QLineEdit>("txtZoneHour");
    const auto typeHour = [&](const char* typed) {
        hour->setFocus();
        hour->selectAll();
        QTest::keyClicks(hour, QLatin1String(typed));
    };
    const auto warning = [this] {
        QTest::mouseClick(control("cmdRashi"), Qt::LeftButton);
        const QString shown = control<QLabel>("lblZoneWarning")->text();
        QTest::mouseClick(control("cmdCopy"), Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text().contains(
                      shown.isEmpty() ? QStringLiteral("Zone check") : shown),
                  !shown.isEmpty())
            << "the copy carries the same line";
        QTest::mouseClick(control("cmdBack"), Qt::LeftButton);
        return shown;
    };
    typeHour("1");
    EXPECT_EQ(control<QLabel>("lblZoneUtc")->text(), QStringLiteral("UTC\u22121:00"));
    EXPECT_EQ(warning(), QStringLiteral("The zone read, UTC\u22121:00, is not the clock of Madrid "
                                        "on that day: UTC+1:00 (Europe/Madrid)."));
    typeHour("-1");
    EXPECT_EQ(hour->text(), QStringLiteral("-1"));
    EXPECT_EQ(control<QLabel>("lblZoneUtc")->text(), QStringLiteral("UTC+1:00"));
    EXPECT_EQ(warning(), QString());
    EXPECT_TRUE(fakes.messages.shown.empty());
    hour->setCursorPosition(0);
    QTest::keyClick(hour, Qt::Key_Minus);
    EXPECT_EQ(hour->text(), QStringLiteral("-1")) << "one minus only";
    EXPECT_EQ(fakes.messages.texts(), QStringList{"Only Numbers Are Accepted"});
}

TEST_F(PlaceFinderTest, AZoneThisComputerDoesNotKnowEmptiesTheZoneAndIsSaid) {
    setDate(2025, 7, 2);
    choose("madrid");
    choose("neverton");
    EXPECT_EQ(fakes.messages.texts(),
              QStringList{"The time zone of this place, Europe/Nowhere, is not known to this "
                          "computer; enter the zone by hand."});
    EXPECT_EQ(zone(), QStringLiteral(" ")) << "Madrid's zone is not left behind";
    EXPECT_FALSE(dst());
    EXPECT_EQ(zoneName(), QString());
    EXPECT_EQ(text("txtLatD"), QStringLiteral("50")) << "the place itself is filled";
}

TEST_F(PlaceFinderTest, NowFillsThePresentMomentAtThePlace) {
    finder()->setClock([] { return QDateTime(QDate(2025, 7, 4), QTime(10, 5, 9), Qt::UTC); },
                       [] { return QTimeZone("America/New_York"); });
    const auto listed = [this] {
        QStringList texts;
        for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
            texts << control<QComboBox>(name)->currentText();
        }
        return texts.join(QLatin1Char(' '));
    };
    // Without a place: this computer's zone, and its zone boxes for the longitude typed.
    control<QLineEdit>("txtLonD")->setText(QStringLiteral("74"));
    control<QRadioButton>("optLong1")->setChecked(true);
    QTest::mouseClick(control("cmdNow"), Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("July 4 2025 6 5 9"));
    EXPECT_EQ(zone(), QStringLiteral("5 0"));
    EXPECT_TRUE(dst());
    EXPECT_EQ(zoneName(), QString());

    choose("kathmandu");
    QTest::mouseClick(control("cmdNow"), Qt::LeftButton);
    EXPECT_EQ(listed(), QStringLiteral("July 4 2025 15 50 9"));
    EXPECT_EQ(zone(), QStringLiteral("-5 -45"));
    EXPECT_FALSE(dst());
}

TEST_F(PlaceFinderTest, AnUnreadableListIsToldOnceAndTheWebSearchStays) {
    finder()->setListPath(dir.filePath(QStringLiteral("missing.qz")));
    QApplication::processEvents();
    EXPECT_TRUE(fakes.messages.shown.empty()) << "nothing is read before the City box's focus";
    auto* city = control<QLineEdit>("txtMCity");
    for (int focus = 0; focus < 2; ++focus) {
        control("txtName")->setFocus();
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("madrid"));
        QApplication::processEvents();
    }
    EXPECT_EQ(fakes.messages.texts(),
              QStringList{"The list of places could not be read; use the web search instead."});
    control<QLineEdit>("txtMState")->setText(QStringLiteral("Madrid"));
    control<QLineEdit>("txtMCountry")->setText(QStringLiteral("Spain"));
    QTest::mouseClick(control("cmdBrowser"), Qt::LeftButton);
    ASSERT_EQ(fakes.webSearch.searches.size(), 1u);
    EXPECT_EQ(fakes.webSearch.searches[0],
              QStringLiteral("madridmadrid Madrid Spain Latitude Longitude"));
}

} // namespace
