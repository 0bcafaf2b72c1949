#include "aids/Gazetteer.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// A small list in the generator's form, most populous first; the last field is
// round(10·log10(population)).
const char* const FixtureText =
    "QVPLACES 2\n"
    "Z 4\nEurope/Madrid\nAmerica/New_York\nEurope/Zurich\nAsia/Kolkata\n"
    "R 6\nMadrid\nNew York\nZurich\nDelhi\nEngland\nPennsylvania\n"
    "P 16\n"
    "Delhi\t\t\t1719\t4633\tIN\t3\t3\t70\n"
    "New York City\t\tBig Apple|Nueva York\t2443\t-4440\tUS\t1\t1\t69\n"
    "Madrid\t\tMadrit\t2425\t-222\tES\t0\t0\t65\n"
    "Crab Apple\t\t\t2400\t-4500\tUS\t\t1\t65\n"
    "Port York\t\t\t2400\t-4500\tUS\t\t1\t62\n"
    "Zürich\tZurich\t\t2842\t513\tCH\t2\t2\t56\n"
    "New Delhi\t\t\t1716\t4632\tIN\t3\t3\t55\n"
    "York\t\t\t3237\t-65\tGB\t4\t0\t54\n"
    "Apple Valley\t\t\t2400\t-4500\tUS\t\t1\t49\n"
    "York\t\t\t2398\t-4584\tUS\t5\t1\t48\n"
    "São Paulo de Olivença\tSao Paulo de Olivenca\t\t-209\t-4136\tBR\t\t0\t45\n"
    "Yorkshire Town\t\t\t2400\t-4500\tUS\t\t1\t40\n"
    "Łódź Mała\tLodz Mala\t\t3085\t1168\tPL\t\t0\t30\n"
    "Little York\t\tEboracum\t2400\t-4500\tUS\t\t1\t20\n"
    "Eboracum\t\t\t3237\t-65\tGB\t\t0\t10\n"
    "Hill Top, Leeds\t\t\t3228\t-93\tGB\t4\t0\t0\n";

struct Fixture {
    explicit Fixture(const QByteArray& text, bool compress = true) {
        path = dir.filePath(QStringLiteral("places.qz"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(compress ? qCompress(text) : text);
    }
    QTemporaryDir dir;
    QString path;
};

QStringList names(const Gazetteer& list, const std::vector<int>& found) {
    QStringList out;
    for (int p : found) {
        out.push_back(list.place(p).name);
    }
    return out;
}

// The rows pin each cost: "york" and "apple" turn on a tenth either way of 1.5 and 2, and
// of nothing for a name's start.
TEST(Gazetteer, SearchRanks) {
    Fixture fixture(FixtureText);
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(fixture.path);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 16);
    const struct {
        const char* reason;
        const char* query;
        QStringList expected;
    } rows[] = {
        {"population less 1.5 for a later word; at equal rank the more populous",
         "york",
         {"New York City", "York", "York", "Port York", "Yorkshire Town", "Little York"}},
        {"less 2 for an alternate name", "apple", {"Crab Apple", "New York City", "Apple Valley"}},
        {"a name's start before a much smaller later word", "delhi", {"Delhi", "New Delhi"}},
        {"an alternate name's start", "eboracum", {"Eboracum", "Little York"}},
        {"accents and case are ignored", "ZURICH", {"Zürich"}},
        {"accents in the query are ignored too", "zürı", {}},
        {"a spoken name with its accents", "sao paulo", {"São Paulo de Olivença"}},
        {"ł folds to l, without an ASCII name to help", "lodz mała", {"Łódź Mała"}},
        {"a word inside a word is no match", "ork", {}},
        {"runs of spaces and outer spaces count as one", "  new   york ", {"New York City"}},
        {"a right-to-left mark is dropped", "mad\u200Frid", {"Madrid"}},
        {"an empty query finds nothing", "", {}},
        {"narrowed by a division's word", "york, new", {"New York City"}},
        {"narrowed by a word's start", "york, eng", {"York"}},
        {"a narrowing word inside a word is no match", "york, ngland", {}},
        {"narrowed by a country code",
         "york, us",
         {"New York City", "York", "Port York", "Yorkshire Town", "Little York"}},
        {"division and country together, in any order", "york, states penn", {"York"}},
        {"every narrowing word must match", "york, england pennsylvania", {}},
        {"a country's later word", "york, kingdom", {"York"}},
        {"nothing after the comma narrows nothing", "delhi ,", {"Delhi", "New Delhi"}},
        {"nothing before the comma finds nothing", ", england", {}},
        {"a name holding a comma", "hill top, leeds", {"Hill Top, Leeds"}},
        {"a name holding a comma, narrowed", "hill top, england", {"Hill Top, Leeds"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(names(*list, list->Search(QString::fromUtf8(row.query), 10)), row.expected)
            << row.reason;
    }
    EXPECT_EQ(names(*list, list->Search(QStringLiteral("y"), 2)),
              (QStringList{"New York City", "York"}))
        << "the limit keeps the best";
}

// Most names fold by the ASCII path when the list loads, and every query by the general
// one: they must agree on every character, alone and inside a name.
TEST(Gazetteer, AsciiFoldAgreesWithTheGeneralFold) {
    std::string all;
    for (int code = 0; code < 0x80; ++code) {
        const char c = char(code);
        all.push_back(c);
        for (const std::string& text : {std::string(1, c), "Ab" + std::string(1, c) + "Yz "}) {
            std::string fast;
            PlaceText::AppendFoldedAscii(fast, text);
            EXPECT_EQ(QString::fromLatin1(fast), PlaceText::Fold(QString::fromLatin1(text)))
                << "character " << code;
        }
    }
    std::string fast = "kept";
    PlaceText::AppendFoldedAscii(fast, all);
    EXPECT_EQ(QString::fromLatin1(fast),
              QStringLiteral("kept") + PlaceText::Fold(QString::fromLatin1(all)));
}

TEST(Gazetteer, OnlyTheFirstHundredCharactersAreSearched) {
    const QString hundred(Gazetteer::QueryLimit, QLatin1Char('a'));
    Fixture fixture(QByteArray("QVPLACES 1\nZ 1\nUTC\nR 0\nP 1\n") + hundred.toUtf8() +
                    "\t\t\t0\t0\tGB\t\t0\n");
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(fixture.path);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Search(hundred + QString(10000, QLatin1Char('b')), 5).size(), 1u);
}

TEST(Gazetteer, PlaceFieldsAndSuggestion) {
    Fixture fixture(FixtureText);
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(fixture.path);
    ASSERT_TRUE(list);
    const Gazetteer::Place madrid = list->place(2);
    EXPECT_EQ(PlaceText::Suggestion(madrid),
              QStringLiteral("Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid"));
    EXPECT_EQ(PlaceText::Suggestion(list->place(4)),
              QStringLiteral("Port York, United States: 40°0′ N 75°0′ W, America/New_York"))
        << "no division: left out";
    EXPECT_EQ(PlaceText::Coordinates(-209, 0), QStringLiteral("3°29′ S 0°0′ E"));
}

TEST(Gazetteer, FoldingAndCountries) {
    const struct {
        const char* text;
        const char* folded;
    } folds[] = {
        {"Zürich", "zurich"},
        {"São Paulo", "sao paulo"},
        {"ŁÓDŹ", "lodz"},
        {"Øster Æbelø", "oster aebelo"},
        {"Đakovo", "dakovo"},
        {"Straße", "strasse"},
        {"ﬁnale", "finale"},
        {"a\tb\x01"
         "c",
         "a b c"},
        {"\u202Etext\u202C", "text"},
        {"𝐍𝐞𝐰 𝐘𝐨𝐫𝐤", "new york"},
        {"ℌamburg", "hamburg"},
    };
    for (const auto& row : folds) {
        EXPECT_EQ(PlaceText::Fold(QString::fromUtf8(row.text)), QString::fromUtf8(row.folded))
            << row.text;
    }
    const struct {
        const char* code;
        const char* name;
    } countries[] = {{"ES", "Spain"},
                     {"CI", "Côte d’Ivoire"},
                     {"CD", "Democratic Republic of the Congo"},
                     {"MK", "North Macedonia"},
                     {"BA", "Bosnia and Herzegovina"},
                     {"AN", "AN"}};
    for (const auto& row : countries) {
        EXPECT_EQ(PlaceText::CountryName(QLatin1String(row.code)), QString::fromUtf8(row.name))
            << row.code;
    }
}

TEST(Gazetteer, MissingOrCorruptListsAreReported) {
    const QByteArray good(FixtureText);
    const struct {
        const char* reason;
        QByteArray text;
        bool compress;
    } rows[] = {
        {"not compressed", good, false},
        {"wrong header", QByteArray(good).replace("QVPLACES 2", "QVPLACES 3"), true},
        {"populations under the first version's header",
         QByteArray(good).replace("QVPLACES 2", "QVPLACES 1"), true},
        {"fewer places than counted", QByteArray(good).replace("P 16", "P 17"), true},
        {"more places than counted", QByteArray(good).replace("P 16", "P 15"), true},
        {"a count no memory can hold", QByteArray(good).replace("P 16", "P 2147483647"), true},
        {"a population growing down the list", QByteArray(good).replace("\t0\t65\n", "\t0\t70\n"),
         true},
        {"a population beyond a byte", QByteArray(good).replace("\t3\t70\n", "\t3\t256\n"), true},
        {"zone index out of range", QByteArray(good).replace("\tES\t0\t0", "\tES\t0\t4"), true},
        {"division index out of range", QByteArray(good).replace("\tES\t0\t0", "\tES\t7\t0"), true},
        {"latitude beyond the pole", QByteArray(good).replace("2425\t-222", "5401\t-222"), true},
        {"a number with junk", QByteArray(good).replace("2425\t-222", "2425x\t-222"), true},
        {"a field missing", QByteArray(good).replace("\tCH\t2\t2", "\tCH\t2"), true},
        {"cut short", good.left(good.size() / 2), true},
        {"empty", QByteArray(), true},
    };
    for (const auto& row : rows) {
        Fixture fixture(row.text, row.compress);
        EXPECT_FALSE(Gazetteer::Load(fixture.path)) << row.reason;
    }
    EXPECT_FALSE(Gazetteer::Load(QStringLiteral("/nonexistent/places.qz"))) << "missing";
    Fixture truncated(qCompress(good).left(40), false);
    EXPECT_FALSE(Gazetteer::Load(truncated.path)) << "compressed data cut short";
}

// Names that many places share: population puts the best known first, and a division or
// country after a comma reaches the others.
TEST(Gazetteer, BuiltInList) {
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(Gazetteer::BuiltInPath);
    ASSERT_TRUE(list);
    EXPECT_GT(list->size(), 110000);
    const struct {
        const char* query;
        QStringList first;
    } rows[] = {
        {"madrid", {"Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid"}},
        {"zurich", {"Zürich, Zurich, Switzerland: 47°22′ N 8°33′ E, Europe/Zurich"}},
        {"sao paulo", {"São Paulo, São Paulo, Brazil: 23°33′ S 46°38′ W, America/Sao_Paulo"}},
        {"kathmandu", {"Kathmandu, Bagmati Province, Nepal: 27°42′ N 85°19′ E, Asia/Kathmandu"}},
        {"york",
         {"New York City, New York, United States: 40°43′ N 74°0′ W, America/New_York",
          "York, England, United Kingdom: 53°57′ N 1°5′ W, Europe/London"}},
        {"delhi",
         {"Delhi, Delhi, India: 28°39′ N 77°14′ E, Asia/Kolkata",
          "New Delhi, Delhi, India: 28°38′ N 77°13′ E, Asia/Kolkata"}},
        {"san lorenzo, guatemala",
         {"San Lorenzo, Suchitepeque, Guatemala: 14°29′ N 91°31′ W, America/Guatemala"}},
        {"san lorenzo, san marcos",
         {"San Lorenzo, San Marcos, Guatemala: 15°2′ N 91°44′ W, America/Guatemala"}},
        {"richmond, virginia",
         {"Richmond, Virginia, United States: 37°33′ N 77°28′ W, America/New_York"}},
        {"hyderabad, pakistan", {"Hyderabad, Sindh, Pakistan: 25°24′ N 68°22′ E, Asia/Karachi"}},
        {"san jose, costa rica",
         {"San José, San José, Costa Rica: 9°56′ N 84°5′ W, America/Costa_Rica"}},
        {"santa cruz, california",
         {"Santa Cruz, California, United States: 36°58′ N 122°2′ W, America/Los_Angeles"}},
    };
    for (const auto& row : rows) {
        const std::vector<int> found = list->Search(QString::fromUtf8(row.query), 30);
        QStringList first;
        for (std::size_t i = 0; i < found.size() && first.size() < row.first.size(); ++i) {
            first.push_back(PlaceText::Suggestion(list->place(found[i])));
        }
        EXPECT_EQ(first, row.first) << row.query;
    }
}

} // namespace
