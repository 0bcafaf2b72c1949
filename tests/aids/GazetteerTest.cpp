#include "aids/Gazetteer.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// A small list in the generator's form, most populous first.
const char* const FixtureText =
    "QVPLACES 1\n"
    "Z 3\nEurope/Madrid\nAmerica/New_York\nEurope/Zurich\n"
    "R 3\nMadrid\nNew York\nZurich\n"
    "P 9\n"
    "New York City\t\tBig Apple|Nueva York\t2443\t-4440\tUS\t1\t1\n"
    "Madrid\t\tMadrit\t2425\t-222\tES\t0\t0\n"
    "Zürich\tZurich\t\t2842\t513\tCH\t2\t2\n"
    "York\t\t\t2398\t-4584\tUS\t\t1\n"
    "Yorkshire Town\t\t\t2400\t-4500\tUS\t\t1\n"
    "Łódź Mała\tLodz Mala\t\t3085\t1168\tPL\t\t0\n"
    "São Paulo de Olivença\tSao Paulo de Olivenca\t\t-209\t-4136\tBR\t\t0\n"
    "Little York\t\tEboracum\t2400\t-4500\tUS\t\t1\n"
    "Eboracum\t\t\t3237\t-65\tGB\t\t0\n";

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

TEST(Gazetteer, SearchRanks) {
    Fixture fixture(FixtureText);
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(fixture.path);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 9);
    const struct {
        const char* reason;
        const char* query;
        QStringList expected;
    } rows[] = {
        {"name start, then a later word, each by population",
         "york",
         {"York", "Yorkshire Town", "New York City", "Little York"}},
        {"accents and case are ignored", "ZURICH", {"Zürich"}},
        {"accents in the query are ignored too", "zürı", {}},
        {"a spoken name with its accents", "sao paulo", {"São Paulo de Olivença"}},
        {"ł folds to l, without an ASCII name to help", "lodz mała", {"Łódź Mała"}},
        {"alternate names come after every name match", "eboracum", {"Eboracum", "Little York"}},
        {"an alternate name's later word", "apple", {"New York City"}},
        {"a word inside a word is no match", "ork", {}},
        {"runs of spaces and outer spaces count as one", "  new   york ", {"New York City"}},
        {"a right-to-left mark is dropped", "mad\u200Frid", {"Madrid"}},
        {"an empty query finds nothing", "", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(names(*list, list->Search(QString::fromUtf8(row.query), 10)), row.expected)
            << row.reason;
    }
    EXPECT_EQ(names(*list, list->Search(QStringLiteral("y"), 2)),
              (QStringList{"York", "Yorkshire Town"}))
        << "the limit keeps the best";
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
    const Gazetteer::Place madrid = list->place(1);
    EXPECT_EQ(PlaceText::Suggestion(madrid),
              QStringLiteral("Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid"));
    EXPECT_EQ(PlaceText::Suggestion(list->place(3)),
              QStringLiteral("York, United States: 39°58′ N 76°24′ W, America/New_York"))
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
        {"wrong header", QByteArray(good).replace("QVPLACES 1", "QVPLACES 2"), true},
        {"fewer places than counted", QByteArray(good).replace("P 9", "P 10"), true},
        {"more places than counted", QByteArray(good).replace("P 9", "P 8"), true},
        {"a count no file could hold", QByteArray(good).replace("P 9", "P 2000000000"), true},
        {"zone index out of range", QByteArray(good).replace("\tES\t0\t0", "\tES\t0\t3"), true},
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

TEST(Gazetteer, BuiltInList) {
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(Gazetteer::BuiltInPath);
    ASSERT_TRUE(list);
    EXPECT_GT(list->size(), 110000);
    const struct {
        const char* query;
        const char* first;
    } rows[] = {
        {"madrid", "Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid"},
        {"zurich", "Zürich, Zurich, Switzerland: 47°22′ N 8°33′ E, Europe/Zurich"},
        {"sao paulo", "São Paulo, São Paulo, Brazil: 23°33′ S 46°38′ W, America/Sao_Paulo"},
        {"kathmandu", "Kathmandu, Bagmati Province, Nepal: 27°42′ N 85°19′ E, Asia/Kathmandu"},
    };
    for (const auto& row : rows) {
        const std::vector<int> found = list->Search(QString::fromUtf8(row.query), 10);
        ASSERT_FALSE(found.empty()) << row.query;
        EXPECT_EQ(PlaceText::Suggestion(list->place(found.front())), QString::fromUtf8(row.first))
            << row.query;
    }
    bool newYork = false;
    for (int p : list->Search(QStringLiteral("york"), 30)) {
        newYork = newYork || list->place(p).name == QStringLiteral("New York City");
    }
    EXPECT_TRUE(newYork) << "a later word's start finds New York";
}

} // namespace
