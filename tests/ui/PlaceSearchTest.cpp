#include "ui/PlaceSearch.h"

#include "platform/MapWebSearch.h"
#include "tests/ui/UiTestSupport.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QString smile = QStringLiteral("\U0001F600"); // one character, a surrogate pair

struct CapCase {
    const char* reason;
    QString entry;
    QString sent;
};

TEST(PlaceSearch, SendsAtMostTheFirst200CharactersOfEachBox) {
    const QString x200(200, QLatin1Char('x'));
    const CapCase cases[] = {
        {"a short name goes whole", QStringLiteral("Pune"), QStringLiteral("Pune")},
        {"exactly 200 go whole", x200, x200},
        {"201 lose the last", x200 + QLatin1Char('y'), x200},
        {"20,000 are cut to 200", QString(20000, QLatin1Char('x')), x200},
        {"a surrogate pair counts once", QString(199, QLatin1Char('x')) + smile + QLatin1Char('y'),
         QString(199, QLatin1Char('x')) + smile},
        {"a pair is never split", QString(200, QLatin1Char('x')) + smile, x200},
        {"200 pairs", smile.repeated(300), smile.repeated(200)},
        {"leading spaces count too", QStringLiteral("  ") + x200,
         QStringLiteral("  ") + x200.left(198)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceSearch::Capped(c.entry), c.sent) << c.reason;
        EXPECT_EQ(PlaceSearch::SearchText(c.entry, QStringLiteral("MH"), c.entry),
                  c.sent + QStringLiteral(" MH ") + c.sent + QStringLiteral(" Latitude Longitude"))
            << c.reason << ": each box is capped on its own";
    }
}

TEST(PlaceSearch, LongestAddressStaysFarBelowTheArgumentLimit) {
    // Four UTF-8 bytes a character, each percent-encoded: the longest text there is.
    const QString longest = smile.repeated(20000);
    const QString address =
        platform::mapSearchAddress(PlaceSearch::SearchText(longest, longest, longest));
    EXPECT_LT(address.size(), 8 * 1024) << "a system passes 128 KiB to a program at most";
}

using PlaceLookup = uitest::MainWindowTest;

TEST_F(PlaceLookup, LookupSendsTheCappedBoxes) {
    const QString city(20000, QLatin1Char('c'));
    control<QLineEdit>("txtMCity")->setText(city);
    control<QLineEdit>("txtMState")->setText(QStringLiteral("MH"));
    control<QLineEdit>("txtMCountry")->setText(QStringLiteral("India"));
    control<QPushButton>("cmdBrowser")->click();
    ASSERT_EQ(fakes.webSearch.searches.size(), 1U);
    EXPECT_EQ(fakes.webSearch.searches.front(),
              city.left(200) + QStringLiteral(" MH India Latitude Longitude"));
}

} // namespace
