#include "aids/NumberText.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct ConversionCase {
    const char* reason;
    QString text;
    std::optional<int> value;
};

TEST(NumberText, ReadsPlainDecimalsRoundedHalfToEven) {
    const ConversionCase cases[] = {
        {"plain digits", QStringLiteral("74"), 74},
        {"spaces around are trimmed", QStringLiteral("  77  "), 77},
        {"leading zeros", QStringLiteral("0005"), 5},
        {"minus sign", QStringLiteral("-5"), -5},
        {"minus zero", QStringLiteral("-0"), 0},
        {"half rounds down to even", QStringLiteral("2.5"), 2},
        {"half rounds up to even", QStringLiteral("3.5"), 4},
        {"half of zero to even", QStringLiteral("0.5"), 0},
        {"negative half to even", QStringLiteral("-2.5"), -2},
        {"negative odd half to even", QStringLiteral("-1.5"), -2},
        {"just above a half rounds up", QStringLiteral("2.500001"), 3},
        {"below a half rounds down", QStringLiteral("2.49"), 2},
        {"largest 16-bit value", QStringLiteral("32767"), 32767},
        {"smallest 16-bit value", QStringLiteral("-32768"), -32768},
        {"rounds down into range", QStringLiteral("32767.4"), 32767},
        {"half to even leaves range", QStringLiteral("32767.5"), std::nullopt},
        {"one past the largest", QStringLiteral("32768"), std::nullopt},
        {"one below the smallest", QStringLiteral("-32769"), std::nullopt},
        {"a long run of digits", QStringLiteral("99999999999999999999999999"), std::nullopt},
        {"empty", QString(), std::nullopt},
        {"spaces only", QStringLiteral("   "), std::nullopt},
        {"plus sign", QStringLiteral("+5"), std::nullopt},
        {"exponent", QStringLiteral("1e2"), std::nullopt},
        {"comma as decimal point", QStringLiteral("2,5"), std::nullopt},
        {"thousands separator", QStringLiteral("1,000"), std::nullopt},
        {"point without fraction digits", QStringLiteral("5."), std::nullopt},
        {"point without integer digits", QStringLiteral(".5"), std::nullopt},
        {"minus alone", QStringLiteral("-"), std::nullopt},
        {"two minus signs", QStringLiteral("--5"), std::nullopt},
        {"space inside", QStringLiteral("1 2"), std::nullopt},
        {"tab is not a space", QStringLiteral("\t5"), std::nullopt},
        {"not a number", QStringLiteral("nan"), std::nullopt},
        {"infinity", QStringLiteral("inf"), std::nullopt},
        {"hexadecimal", QStringLiteral("0x10"), std::nullopt},
        {"Arabic-Indic digits", QString::fromUtf8("\u0665"), std::nullopt},
        {"full-width digits", QString::fromUtf8("\uFF15"), std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<std::int16_t> got = NumberText::ToInt16(c.text);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << c.reason;
        if (got) {
            EXPECT_EQ(*got, *c.value) << c.reason;
        }
    }
}

TEST(NumberText, ZoneBoxesGiveMagnitudesAndEmptyCountsAsZero) {
    const ConversionCase cases[] = {
        {"empty box counts as 0", QString(), 0},
        {"spaces only count as 0", QStringLiteral("  "), 0},
        {"picker writes a minus sign", QStringLiteral("-5"), 5},
        {"minus minutes", QStringLiteral("-30"), 30},
        {"plain hours", QStringLiteral("10"), 10},
        {"rounded magnitude", QStringLiteral("-5.5"), 6},
        {"largest magnitude", QStringLiteral("-32767"), 32767},
        {"-32768 has no 16-bit magnitude", QStringLiteral("-32768"), std::nullopt},
        {"no number", QStringLiteral("x"), std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<std::int16_t> got = NumberText::ToZoneMagnitude(c.text);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << c.reason;
        if (got) {
            EXPECT_EQ(*got, *c.value) << c.reason;
        }
    }
}

TEST(NumberText, TrimsSpacesOnly) {
    EXPECT_EQ(NumberText::TrimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(NumberText::TrimSpaces(QStringLiteral("\ta\n")), QStringLiteral("\ta\n"));
    EXPECT_EQ(NumberText::TrimSpaces(QStringLiteral("    ")), QString());
}

} // namespace
