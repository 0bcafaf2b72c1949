#include "platform/MessageBox.h"

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char* reason;
    QString text;
    QString shown;
};

TEST(MessageBoxText, LoneCarriageReturnShowsAsLineBreak) {
    const DisplayCase cases[] = {
        {"plain text unchanged", QStringLiteral("Please Enter Name"),
         QStringLiteral("Please Enter Name")},
        {"lone CR becomes a line break", QStringLiteral("available\rDo you"),
         QStringLiteral("available\nDo you")},
        {"CR LF keeps one line break", QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")},
        {"CR at the very end", QStringLiteral("a\r"), QStringLiteral("a\n")},
        {"two lone CRs", QStringLiteral("\r\r"), QStringLiteral("\n\n")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::displayText(c.text), c.shown) << c.reason;
    }
}

// Written out here: the program's name in the box's title comes from the build.
TEST(MessageBoxText, TitleIsTheProgramsName) {
    EXPECT_EQ(platform::messageTitle(), QStringLiteral("QV Vantrel"));
}

} // namespace
