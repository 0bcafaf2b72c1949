#include "ui/NakshatraTables.h"
#include "ui/modNakshatraInformation.h"

#include "UiTestSupport.h"

#include "engine/modEphemeris.h"

#include <QLabel>
#include <QLocale>

#include <map>
#include <memory>

namespace {

using namespace modNakshatraInformation;

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Five output labels and a picture box, as the result panel holds them.
struct Panel {
    Panel() {
        for (std::size_t i = 0; i < 5; ++i) {
            labels[i] = std::make_unique<QLabel>(QStringLiteral("previous %1").arg(i));
            view.lblResult[i] = labels[i].get();
        }
        picture.setPixmap(marker);
        view.imgNakshatra = &picture;
    }
    QStringList texts() const {
        QStringList all;
        for (const auto& l : labels) {
            all << l->text();
        }
        return all;
    }
    std::array<std::unique_ptr<QLabel>, 5> labels;
    QLabel picture;
    QPixmap marker{QSize(3, 3)};
    ResultView view;
};

ReadingInput dated(int month, int day, int year) {
    ReadingInput r;
    r.month = static_cast<std::int16_t>(month);
    r.day = static_cast<std::int16_t>(day);
    r.year = static_cast<std::int16_t>(year);
    return r;
}

TEST(NakshatraTables, MatchTheEngineNamesAndGroupSizes) {
    std::map<std::string_view, int> groupSizes;
    for (std::size_t i = 0; i < NakshatraGroupTable.size(); ++i) {
        EXPECT_EQ(NakshatraGroupTable[i].name, modEphemeris::NakshatraNames[i]) << "row " << i;
        ++groupSizes[NakshatraGroupTable[i].group];
    }
    EXPECT_EQ(groupSizes["Group One (Mandaksh)"], 7);
    EXPECT_EQ(groupSizes["Group Two (Madhayaksh)"], 6);
    EXPECT_EQ(groupSizes["Group Three (Sulochan)"], 7);
    EXPECT_EQ(groupSizes["Group Four (Andhaksh)"], 7);
    EXPECT_EQ(groupSizes.size(), 4u) << "every row names one of the four verdict groups";
}

// The texts are checked letter for letter below; here the picture and the date line.
TEST(Oracle, EveryNameShowsItsPictureAndDate) {
    const ReadingInput reading = dated(1, 1, 1905);
    for (std::size_t i = 0; i < NakshatraGroupTable.size(); ++i) {
        const NakshatraRow& row = NakshatraGroupTable[i];
        Panel panel;
        ShowNakshatraInformation(q(row.name), panel.view, reading);
        EXPECT_EQ(panel.labels[4]->text(), QStringLiteral("January 1, 1905")) << "row " << i;
        const QImage shown = panel.picture.pixmap().toImage();
        EXPECT_EQ(shown.size(), QSize(150, 244)) << "row " << i;
        EXPECT_EQ(shown, NakshatraImage(static_cast<int>(i) + 1).toImage())
            << "row " << i << " shows image " << i + 1;
    }
}

// The reading for each name as the user must see it, written out here rather than taken from
// the program's own tables: group, characteristics and search text.
TEST(Oracle, EveryNameGivesItsGroupsWordsLetterForLetter) {
    struct Verdict {
        const char* group;
        const char* characteristics;
        const char* search;
    };
    const Verdict one{"Group One (Mandaksh)",
                      "Things lost during this group have gone towards South direction and will "
                      "be retieved only after much effort.",
                      "Search in the south direction to find the lost object. You will need to "
                      "make a lot of effort to find the object."};
    const Verdict two{"Group Two (Madhayaksh)",
                      "Things lost during this group have gone to westernside and will not be "
                      "available even after being traced.",
                      "Search in the west direction to find the lost object. You will need to "
                      "make a lot of effort but may not be able to use the object once found."};
    const Verdict three{"Group Three (Sulochan)",
                        "Things lost during this group goes towards North direction and are "
                        "neither traced nor recovered.",
                        "Search in the north direction to find the lost object. You may not find "
                        "the object."};
    const Verdict four{"Group Four (Andhaksh)",
                       "Things lost during this period have gone to the eastern side and will be "
                       "recovered shortly.",
                       "Search in the east direction to find the lost object. You will find the "
                       "lost object soon."};
    const std::pair<const char*, const Verdict*> rows[] = {
        {"Ashwini", &one},
        {"Bharani", &two},
        {"Krittika", &three},
        {"Rohini", &four},
        {"Mrigasira", &one},
        {"Ardra", &two},
        {"Punarvasu", &three},
        {"Pushya", &four},
        {"Ashlesha", &one},
        {"Magha", &two},
        {"Poorva Phalguni", &three},
        {"Uttara Phalguni", &four},
        {"Hasta", &one},
        {"Chitra", &two},
        {"Swati", &three},
        {"Vishakha", &four},
        {"Anuradha", &one},
        {"Jyeshtha", &two},
        {"Moola", &three},
        {"Purva Ashadha", &two},
        {"Uttara Ashadha", &one},
        {"Shravana", &three},
        {"Dhanistha", &four},
        {"Shatabhisha", &one},
        {"Poorva Bhadrapada", &four},
        {"Uttara Bhadrapada", &three},
        {"Revati", &four},
    };
    for (const auto& [name, verdict] : rows) {
        SCOPED_TRACE(name);
        Panel panel;
        ShowNakshatraInformation(QString::fromLatin1(name), panel.view, dated(2, 29, 2000));
        EXPECT_EQ(panel.texts(),
                  (QStringList{QString::fromLatin1(name), QString::fromLatin1(verdict->group),
                               QString::fromLatin1(verdict->characteristics),
                               QString::fromLatin1(verdict->search),
                               QStringLiteral("February 29, 2000")}));
    }
}

TEST(Oracle, GroupsFollowTheTableNotACycle) {
    struct GroupCase {
        QString name;
        QString group;
        QString searchStart;
    };
    const GroupCase cases[] = {
        {QStringLiteral("Revati"), QStringLiteral("Group Four (Andhaksh)"),
         QStringLiteral("Search in the east direction")},
        {QStringLiteral("Uttara Ashadha"), QStringLiteral("Group One (Mandaksh)"),
         QStringLiteral("Search in the south direction")},
        {QStringLiteral("Purva Ashadha"), QStringLiteral("Group Two (Madhayaksh)"),
         QStringLiteral("Search in the west direction")},
        {QStringLiteral("Shravana"), QStringLiteral("Group Three (Sulochan)"),
         QStringLiteral("Search in the north direction")},
    };
    for (const auto& c : cases) {
        Panel panel;
        ShowNakshatraInformation(c.name, panel.view, dated(3, 3, 2003));
        EXPECT_EQ(panel.labels[1]->text(), c.group) << c.name.toStdString();
        EXPECT_TRUE(panel.labels[3]->text().startsWith(c.searchStart)) << c.name.toStdString();
    }
    Panel revati;
    ShowNakshatraInformation(QStringLiteral("Revati"), revati.view, dated(3, 3, 2003));
    EXPECT_EQ(revati.labels[2]->text(),
              QStringLiteral("Things lost during this period have gone to the eastern side and "
                             "will be recovered shortly."));
    Panel ashwini;
    ShowNakshatraInformation(QStringLiteral("Ashwini"), ashwini.view, dated(3, 3, 2003));
    EXPECT_EQ(ashwini.labels[2]->text(),
              QStringLiteral("Things lost during this group have gone towards South direction "
                             "and will be retieved only after much effort."));
}

TEST(Oracle, NameMatchingNoRowChangesNothing) {
    const QString names[] = {QStringLiteral("revati"), QStringLiteral("Revati "),
                             QStringLiteral(" Revati"), QString(),
                             QStringLiteral("Purva Phalguni")};
    for (const QString& name : names) {
        Panel panel;
        const QStringList before = panel.texts();
        ShowNakshatraInformation(name, panel.view, dated(1, 1, 2000));
        EXPECT_EQ(panel.texts(), before) << name.toStdString();
        EXPECT_EQ(panel.picture.pixmap().size(), QSize(3, 3)) << name.toStdString();
    }
}

TEST(Oracle, DateLineUsesTheLocalesStandaloneMonthName) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(DateLine(1, 1, 1905, english), QStringLiteral("January 1, 1905"));
    EXPECT_EQ(DateLine(12, 31, 2050, english), QStringLiteral("December 31, 2050"));
    EXPECT_EQ(DateLine(3, 7, 1999, QLocale(QLocale::German)), QString::fromUtf8("März 7, 1999"));
    EXPECT_EQ(DateLine(0, 1, 2000, english), std::nullopt);
    EXPECT_EQ(DateLine(13, 1, 2000, english), std::nullopt);
}

TEST(Oracle, AStepThatFailsDoesNotStopTheOthers) {
    // A month outside the list gives no date line: the date keeps its text, the rest is written.
    Panel panel;
    ShowNakshatraInformation(QStringLiteral("Hasta"), panel.view, dated(0, 5, 2000));
    EXPECT_EQ(panel.labels[0]->text(), QStringLiteral("Hasta"));
    EXPECT_EQ(panel.labels[4]->text(), QStringLiteral("previous 4"));
    // Without a picture box the date line is still written.
    panel.view.imgNakshatra = nullptr;
    ShowNakshatraInformation(QStringLiteral("Chitra"), panel.view, dated(2, 5, 2000));
    EXPECT_EQ(panel.labels[0]->text(), QStringLiteral("Chitra"));
    EXPECT_EQ(panel.labels[4]->text(),
              QLocale().standaloneMonthName(2) + QStringLiteral(" 5, 2000"));
}

TEST(Oracle, PicturesAreDistinctAndOutsideTheListIsEmpty) {
    for (int n = 1; n <= 27; ++n) {
        const QImage image = NakshatraImage(n).toImage();
        ASSERT_EQ(image.size(), QSize(150, 244)) << "image " << n;
        if (n > 1) {
            EXPECT_NE(image, NakshatraImage(n - 1).toImage()) << "image " << n;
        }
    }
    EXPECT_TRUE(NakshatraImage(0).isNull());
    EXPECT_TRUE(NakshatraImage(28).isNull());
}

} // namespace
