// Reading files (".vantrel") through the main window: every input and the chosen place come
// back as saved, and a file out of form is refused with its message and changes nothing.
#include "tests/aids/SavedReadingFiles.h"
#include "tests/ui/UiTestSupport.h"

#include "aids/ReadingFileWriter.h"
#include "ui/OpenUndo.h"
#include "ui/PlaceFinder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <random>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// A snapshot's values by the names of their controls, to compare two windows.
template <typename Key, typename Value>
QHash<QString, Value> byName(const QHash<const Key*, Value>& values) {
    QHash<QString, Value> named;
    for (auto it = values.begin(); it != values.end(); ++it) {
        named.insert(it.key()->objectName(), it.value());
    }
    return named;
}

class ReadingFileTest : public uitest::MainWindowTest {
protected:
    PlaceFinder& finder(frmMain& w) { return *w.findChild<PlaceFinder*>(); }
    void setBox(const char* name, const QString& text) { control<QLineEdit>(name)->setText(text); }
    void select(const char* name, int index) { control<QComboBox>(name)->setCurrentIndex(index); }
    QString save(const QString& name) {
        fakes.saveFile.answer = dir.filePath(name);
        fakes.messages.answerYes = true; // replace the file of the round before
        window.mnuSave_Click();
        return *fakes.saveFile.answer;
    }

    QTemporaryDir dir;
    QSignalSpy opened{&window, &frmMain::savedReadingOpened};
};

// Random readings in several scripts, with seconds and places, saved and opened into a window
// set to other values: every input, and the chosen place, compares equal.
TEST_F(ReadingFileTest, EveryInputComesBackAsSaved) {
    std::mt19937 random(21);
    const auto pick = [&](int first, int last) {
        return std::uniform_int_distribution<int>(first, last)(random);
    };
    const QStringList words = {
        QStringLiteral("खोई अंगूठी"),   QStringLiteral("மோதிரம்"),          QStringLiteral("💍🔑"),
        QStringLiteral("Zoë's ring"), QStringLiteral("\"quoted\" \\ /"), QStringLiteral("काठमाडौं")};
    const auto text = [&] { return words[pick(0, 5)] + QString::number(pick(0, 99)); };
    const QStringList zones = {QStringLiteral("Asia/Kathmandu"), QStringLiteral("Europe/Madrid"),
                               QStringLiteral("America/Argentina/Buenos_Aires")};
    for (int round = 0; round < 8; ++round) {
        setBox("txtName", text());
        select("cboMonth", pick(-1, 11));
        select("cboDate", pick(0, 30));
        select("cboYear", pick(0, 149));
        select("cboHH", pick(0, 23));
        select("cboMM", pick(0, 59));
        select("cboSS", pick(0, 59));
        setBox("txtZoneHour", QString::number(pick(-12, 12)));
        setBox("txtZoneMinute", pick(0, 3) == 0 ? text() : QString::number(pick(-59, 59)));
        setBox("txtLonD", QString::number(pick(0, 180)));
        setBox("txtLonM", QString::number(pick(0, 59)));
        setBox("txtLatD", QString::number(pick(0, 90)));
        setBox("txtLatM", QString::number(pick(0, 59)));
        control<QAbstractButton>(pick(0, 1) ? "optLong0" : "optLong1")->setChecked(true);
        control<QAbstractButton>(pick(0, 1) ? "optLat0" : "optLat1")->setChecked(true);
        control<QAbstractButton>("chkDST")->setChecked(pick(0, 1) == 1);
        setBox("txtMCity", text());
        setBox("txtMState", text());
        setBox("txtMCountry", text());
        const int placeCase = pick(0, 2); // none, in charge, chosen but released
        finder(window).takeUpPlace(
            {{}, placeCase == 0 ? QByteArray() : zones[pick(0, 2)].toLatin1(), 0, placeCase == 1});
        const FormSnapshot before = CaptureForm(window.inputControls());
        const std::optional<PlaceFinder::ChosenPlace> place = finder(window).state().place;
        const QString path = save(QStringLiteral("round.vantrel"));

        setBox("txtName", QStringLiteral("Other"));
        select("cboSS", 0);
        setBox("txtMCity", QStringLiteral("Elsewhere"));
        finder(window).takeUpPlace({{}, "Asia/Kolkata", 0, true});
        window.openReadingFile(path);
        ASSERT_EQ(opened.count(), round + 1) << "round " << round;
        EXPECT_EQ(CaptureForm(window.inputControls()).controls, before.controls)
            << "round " << round;
        const std::optional<PlaceFinder::ChosenPlace> after = finder(window).state().place;
        ASSERT_EQ(after.has_value(), place.has_value()) << "round " << round;
        if (place) {
            EXPECT_EQ(after->zoneId, place->zoneId) << "round " << round;
            EXPECT_EQ(after->zoneInCharge, place->zoneInCharge) << "round " << round;
        }
    }
}

// Each file out of form gives its one message, naming the file, and changes no input.
TEST_F(ReadingFileTest, AFileOutOfFormIsRefusedAndChangesNothing) {
    ReadingFile::Record valid;
    valid.name = QStringLiteral("Asha");
    valid.month = 8;
    valid.year = 2010;
    const QJsonObject good = QJsonDocument::fromJson(ReadingFile::Encode(valid)).object();
    const auto edited = [&](const char* section, const char* key, const QJsonValue& value) {
        QJsonObject file = good;
        // An undefined value removes the field.
        if (section == nullptr) {
            file.insert(QLatin1String(key), value);
        } else {
            QJsonObject part = file.value(QLatin1String(section)).toObject();
            part.insert(QLatin1String(key), value);
            file.insert(QLatin1String(section), part);
        }
        return QJsonDocument(file).toJson();
    };
    const QString cannot = QStringLiteral("This reading cannot be opened: ");
    const struct {
        const char* name;
        QByteArray bytes;
        QString message;
    } rows[] = {
        {"a.vantrel", "{\"name\": \"\xff\"}", cannot + "it is not UTF-8 text."},
        {"b.vantrel", "[1]", cannot + "it is not a QV Vantrel reading."},
        {"c.vantrel", edited(nullptr, "format", QJsonValue::Undefined),
         cannot + "it is not a QV Vantrel reading."},
        {"d.vantrel", edited(nullptr, "format", "qv-vantrel-readings"),
         cannot + "it is not a QV Vantrel reading."},
        {"e.vantrel", edited("time", "hour", "12"),
         cannot + "the field \"time.hour\" is not a number."},
        {"f.vantrel", edited(nullptr, "name", 5), cannot + "the field \"name\" is not a text."},
        {"g.vantrel", edited("zone", "daylightSaving", "yes"),
         cannot + "the field \"zone.daylightSaving\" is not true or false."},
        {"h.vantrel", edited(nullptr, "place", QJsonValue::Undefined),
         cannot + "the field \"place\" is missing."},
        {"i.vantrel", edited("place", "zoneFromPlace", QJsonValue::Undefined),
         cannot + "the field \"place.zoneFromPlace\" is missing."},
        {"j.vantrel", edited("date", "year", 1850),
         cannot + "the field \"date.year\" holds 1850, which the lists cannot show."},
        {"k.vantrel", edited("date", "month", 13),
         cannot + "the field \"date.month\" holds 13, which the lists cannot show."},
        {"l.vantrel", edited("time", "second", 7.5),
         cannot + "the field \"time.second\" holds 7.5, which the lists cannot show."},
        {"m.vantrel", edited(nullptr, "version", 99),
         QStringLiteral("This reading was saved by a newer version of QV Vantrel.")},
        {"n.vantrel", QByteArray(2 * 1024 * 1024, ' '), cannot + "it is larger than 1 MiB."},
        {"missing.vantrel", {}, cannot + "there is no file of this name."},
        {"folder.vantrel", {}, cannot + "it is not a regular file."},
#ifdef Q_OS_UNIX
        {"fifo.vantrel", {}, cannot + "it is not a regular file."},
        {"zero.vantrel", {}, cannot + "it is not a regular file."},
#endif
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.vantrel")));
#ifdef Q_OS_UNIX
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.vantrel")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath("zero.vantrel")));
#endif
    setBox("txtName", QStringLiteral("Before"));
    setBox("txtMCity", QStringLiteral("Pune"));
    const FormSnapshot before = CaptureForm(window.inputControls());
    for (const auto& row : rows) {
        const QString path = dir.filePath(QLatin1String(row.name));
        if (!row.bytes.isEmpty()) {
            ASSERT_TRUE(savedfiles::writeFile(path, row.bytes)) << row.name;
        }
        fakes.messages.shown.clear();
        window.openReadingFile(path);
        EXPECT_EQ(fakes.messages.texts(), QStringList{path + QLatin1Char('\n') + row.message})
            << row.name;
        EXPECT_EQ(CaptureForm(window.inputControls()).controls, before.controls) << row.name;
    }
    EXPECT_EQ(opened.count(), 0);
}

// A small list of places, Kathmandu among them.
const char* const Places = "QVPLACES 1\nZ 1\nAsia/Kathmandu\nR 1\nBagmati Province\nP 1\n"
                           "Kathmandu\t\t\t1662\t5119\tNP\t0\t0\n";

// A reading of a Devanagari name, with seconds and a place chosen in Kathmandu, saved and
// opened in a new window as the command line opens it: every box as it was, the zone named,
// the same verdict.
TEST_F(ReadingFileTest, AReadingOfKathmanduComesBackWhole) {
    const QString list = dir.filePath(QStringLiteral("places.qz"));
    ASSERT_TRUE(savedfiles::writeFile(list, qCompress(QByteArray(Places))));
    finder(window).setListPath(list);
    setBox("txtName", QStringLiteral("खोया हुआ कंगन"));
    select("cboMonth", 2);
    select("cboDate", 9);
    control<QComboBox>("cboYear")->setCurrentText(QStringLiteral("2025"));
    select("cboHH", 14);
    select("cboMM", 25);
    select("cboSS", 37);
    auto* city = control<QLineEdit>("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("kathm"));
    QAbstractItemView* popup = finder(window).findChild<QCompleter*>()->popup();
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_EQ(control<QLabel>("lblZoneName")->text(), QStringLiteral("Asia/Kathmandu"));
    setBox("txtMState", QStringLiteral("Kathmandu Valley"));
    QTest::mouseClick(control<QPushButton>("cmdRashi"), Qt::LeftButton);
    const FormSnapshot saved = CaptureForm(window.inputControls());
    const QString path = save(QStringLiteral("kathmandu.vantrel"));
    window.close();

    frmMain next;
    next.show();
    next.openReadingFile(path);
    const FormSnapshot reopened = CaptureForm(next.inputControls());
    EXPECT_EQ(byName(reopened.controls), byName(saved.controls));
    EXPECT_EQ(byName(reopened.controls).value("txtZoneMinute"), QStringLiteral("-45"));
    EXPECT_EQ(byName(reopened.resultTexts), byName(saved.resultTexts)) << "the same verdict";
    EXPECT_EQ(next.findChild<QLabel*>(QStringLiteral("lblZoneName"))->text(),
              QStringLiteral("Asia/Kathmandu"));
    EXPECT_TRUE(finder(next).state().place->zoneInCharge);
    EXPECT_TRUE(fakes.messages.shown.empty());

    // Another town typed into City empties what the place filled, but not what was typed.
    finder(next).setListPath(list);
    QApplication::setActiveWindow(&next);
    auto* nextCity = next.findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    nextCity->setFocus();
    QTest::keyClicks(nextCity, QStringLiteral("x"));
    const auto text = [&next](const char* box) {
        return next.findChild<QLineEdit*>(QLatin1String(box))->text();
    };
    EXPECT_EQ(text("txtMState"), QStringLiteral("Kathmandu Valley"));
    EXPECT_EQ(text("txtMCountry"), QString());
    EXPECT_EQ(text("txtLatD"), QString());
}

} // namespace
