// The program in Hindi: which language a first start takes, the Hindi of the nakshatra
// tables, and the main window switched to Hindi and back with a reading on it.
#include "UiTestSupport.h"

#include "aids/Gazetteer.h"
#include "tests/engine/TestReadings.h"
#include "ui/Language.h"
#include "ui/MomentLine.h"
#include "ui/NakshatraTables.h"
#include "ui/ReadingDetails.h"
#include "ui/ReadingSave.h"
#include "ui/modNakshatraInformation.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <memory>

namespace {

using modNakshatraInformation::Shown;

// Puts a language in force for one test and English back after it.
class InLanguage {
public:
    explicit InLanguage(const char* code) { Language::Apply(QString::fromLatin1(code)); }
    ~InLanguage() { Language::Apply(QStringLiteral("en")); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

TEST(Language, FirstStartFollowsTheFirstSpokenSystemLanguage) {
    const struct {
        QStringList system;
        const char* expected;
        const char* reason;
    } cases[] = {
        {{QStringLiteral("hi-IN"), QStringLiteral("en-US")}, "hi", "Hindi before English"},
        {{QStringLiteral("en-GB"), QStringLiteral("hi-IN")}, "en", "English before Hindi"},
        {{QStringLiteral("de-DE"), QStringLiteral("hi_IN"), QStringLiteral("en")},
         "hi",
         "a language not spoken is passed over"},
        {{QStringLiteral("HI")}, "hi", "the code's case does not matter"},
        {{QStringLiteral("hr-HR")}, "en", "Croatian is no Hindi"},
        {{}, "en", "no system language"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Language::FirstSpoken(c.system), QString::fromLatin1(c.expected)) << c.reason;
    }
}

TEST(Language, AChoiceIsKeptAndWinsOverTheSystem) {
    fakes::AllFakes fakes;
    Language::Choose(QStringLiteral("hi"));
    EXPECT_EQ(Language::Current(), QStringLiteral("hi"));
    EXPECT_EQ(Language::Preferred(), QStringLiteral("hi"));
    Language::Choose(QStringLiteral("en"));
    EXPECT_EQ(Language::Preferred(), QStringLiteral("en"));
    // Neither a stored value the program does not speak nor an unreadable store wins.
    fakes.settings.values.clear();
    Language::Choose(QStringLiteral("xx"));
    EXPECT_EQ(Language::Current(), QStringLiteral("en"));
    fakes.settings.unreadable = true;
    EXPECT_EQ(Language::Preferred(), Language::FirstSpoken(QLocale::system().uiLanguages()));
}

TEST(Language, EveryTableRowHasItsHindi) {
    const InLanguage hindi("hi");
    // The names a jyotishi gives them, in table order.
    const QStringList names =
        QString::fromUtf8("अश्विनी, भरणी, कृत्तिका, रोहिणी, मृगशिरा, आर्द्रा, पुनर्वसु, पुष्य, आश्लेषा, "
                          "मघा, पूर्वा फाल्गुनी, उत्तरा फाल्गुनी, हस्त, चित्रा, स्वाति, विशाखा, अनुराधा, "
                          "ज्येष्ठा, मूल, पूर्वाषाढ़ा, उत्तराषाढ़ा, श्रवण, धनिष्ठा, शतभिषा, पूर्वा भाद्रपद, "
                          "उत्तरा भाद्रपद, रेवती")
            .split(QStringLiteral(", "));
    const auto& rows = modNakshatraInformation::NakshatraGroupTable;
    ASSERT_EQ(static_cast<std::size_t>(names.size()), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(Shown(rows[i].name), names[static_cast<qsizetype>(i)]) << "row " << i;
    }
    // Every group text reads in Devanagari (a text left in English is no translation).
    for (const auto& verdict : modNakshatraInformation::GroupVerdictTable) {
        for (std::string_view text :
             {verdict.group, verdict.characteristics, verdict.search, verdict.fewWords}) {
            const QString shown = Shown(text);
            EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QChar c) {
                return c.script() == QChar::Script_Devanagari;
            })) << std::string(text);
            EXPECT_FALSE(std::any_of(shown.begin(), shown.end(), [](QChar c) {
                return c.script() == QChar::Script_Latin;
            })) << std::string(text);
        }
    }
}

// A text with values is one message: in Hindi the values stand where Hindi puts them (the date
// before "को", the direction after the degrees), with no English word or letter glued on.
TEST(Language, TextsWithValuesAreWholeMessagesInHindi) {
    const InLanguage hindi("hi");
    const QLocale locale(QLocale::Hindi, QLocale::India);
    const ReadingInput newYork =
        testreadings::reading(12, 31, 2024, 23, 30, 5, 0, false, 74, 0, false);
    const ReadingInput afterMidnight =
        testreadings::reading(7, 4, 2025, 23, 50, 12, 40, true, 170, 0, false);
    struct Case {
        const char* what;
        QString text;
        const char* part; // UTF-8
    };
    const Case cases[] = {
        {"place finder's coordinates", PlaceText::Coordinates(-209, 0), "3°29′ दक्षिण 0°0′ पूर्व"},
        {"moment line into the next day", ReadingMoment::MomentLine(newYork, locale),
         ": 1 जनवरी 2025 को 04:30 UT"},
        {"nearest change on the next day", ReadingDetails::DetailsOf(afterMidnight, locale).change,
         "5 जुलाई 2025 को स्थानीय समय 0:03 से"},
        {"a reading without a name", ReadingSave::SuggestedFileName({}), "फल.vantrel"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.text.contains(QString::fromUtf8(c.part)))
            << c.what << ": " << c.text.toStdString();
    }
}

// Every text a user sees or hears on the window: captions, titles, accessible names and
// descriptions, tooltips, list entries and menu entries.
QStringList textsOf(const QWidget& window) {
    QStringList texts;
    for (const QObject* object : window.findChildren<QObject*>()) {
        for (const char* property : {"text", "title", "accessibleName", "accessibleDescription",
                                     "toolTip", "placeholderText", "windowTitle"}) {
            const QVariant value = object->property(property);
            if (value.isValid()) {
                texts << object->objectName() + QLatin1Char('.') + QLatin1String(property) +
                             QLatin1Char('=') + value.toString();
            }
        }
        if (const auto* list = qobject_cast<const QComboBox*>(object)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->objectName() + QLatin1Char('#') + list->itemText(i);
            }
        }
    }
    return texts;
}

// Qt's own texts that the program's windows show come from the program's translations, in the
// contexts where Qt looks for them.
TEST(Language, QtsOwnTextsAreInHindi) {
    const InLanguage hindi("hi");
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    EXPECT_EQ(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0),
              QString::fromUtf8("पूर्ववत करें (&U)"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QString::fromUtf8("यहाँ देखें:"));
}

class SwitchedWindow : public uitest::MainWindowTest {};

// Madrid, 7 January 2025, 12:00, zone "-1": Revati.
TEST_F(SwitchedWindow, HindiAndBackGivesTheEnglishTextsExactly) {
    control<QLineEdit>("txtName")->setText(QStringLiteral("Asha"));
    control<QComboBox>("cboMonth")->setCurrentIndex(0);
    control<QComboBox>("cboDate")->setCurrentText(QStringLiteral("7"));
    control<QComboBox>("cboYear")->setCurrentText(QStringLiteral("2025"));
    control<QComboBox>("cboHH")->setCurrentText(QStringLiteral("12"));
    control<QLineEdit>("txtZoneHour")->setText(QStringLiteral("-1"));
    control<QLineEdit>("txtZoneMinute")->setText(QStringLiteral("0"));
    control<QLineEdit>("txtLonD")->setText(QStringLiteral("3"));
    control<QLineEdit>("txtLonM")->setText(QStringLiteral("42"));
    control<QRadioButton>("optLong1")->setChecked(true);
    control<QLineEdit>("txtLatD")->setText(QStringLiteral("40"));
    control<QLineEdit>("txtLatM")->setText(QStringLiteral("25"));
    control<QLineEdit>("txtMCity")->setText(QStringLiteral("Madrid"));
    control<QPushButton>("cmdRashi")->click();
    ASSERT_EQ(control<QLabel>("lblResult0")->text(), QStringLiteral("Revati"));
    const QStringList english = textsOf(window);
    const QImage englishPicture = control<QLabel>("imgNakshatra")->pixmap().toImage();
    control<QPushButton>("cmdCopy")->click();
    const QString englishCopy = QGuiApplication::clipboard()->text();

    {
        const InLanguage hindi("hi");
        EXPECT_EQ(control<QLabel>("lblResult0")->text(), QString::fromUtf8("रेवती"));
        EXPECT_EQ(control<QLabel>("lblResult4")->text(), QString::fromUtf8("7 जनवरी 2025"));
        EXPECT_EQ(control<QPushButton>("cmdBack")->text(), QString::fromUtf8("वापस (&B)"));
        // The picture names the nakshatra in Hindi: another picture of the same size.
        const QImage picture = control<QLabel>("imgNakshatra")->pixmap().toImage();
        EXPECT_EQ(picture.size(), englishPicture.size());
        EXPECT_NE(picture, englishPicture);
        control<QPushButton>("cmdCopy")->click();
        const QString copied = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(copied.contains(QString::fromUtf8("नक्षत्र"))) << copied.toStdString();
        EXPECT_TRUE(copied.contains(QString::fromUtf8("रेवती")));
        EXPECT_TRUE(copied.contains(QStringLiteral("Madrid")));
    }

    const QStringList back = textsOf(window);
    for (qsizetype i = 0; i < std::min(back.size(), english.size()); ++i) {
        EXPECT_EQ(back[i], english[i]);
    }
    EXPECT_EQ(back.size(), english.size());
    EXPECT_EQ(control<QLabel>("imgNakshatra")->pixmap().toImage(), englishPicture);
    control<QPushButton>("cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), englishCopy);
}

} // namespace
