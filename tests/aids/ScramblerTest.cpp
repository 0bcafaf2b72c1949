#include "aids/Scrambler.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

namespace {

using Scrambler::fromCodePage;
using Scrambler::ScrambleText;
using Scrambler::toCodePage;
using Scrambler::UnscrambleText;

// Text as the code page bytes a file would hold.
QByteArray bytesOf(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(static_cast<char>(toCodePage(c)));
    }
    return bytes;
}

QString textOf(const QByteArray& bytes) {
    QString text;
    for (const char b : bytes) {
        text.append(fromCodePage(static_cast<unsigned char>(b)));
    }
    return text;
}

struct CodePageRow {
    unsigned byte;
    char16_t character;
    const char* reason;
};

TEST(CodePage, BytesMapToWindows1252Characters) {
    const CodePageRow rows[] = {
        {0x00, u'\0', "control characters keep their number"},
        {0x31, u'1', "ASCII digit"},
        {0x7F, u'\x7F', "last ASCII code"},
        {0x80, u'\u20AC', "euro sign opens the typographic marks"},
        {0x81, u'\u0081', "undefined byte stands for its control character"},
        {0x82, u'\u201A', "low single quote: the scrambled minus sign"},
        {0x86, u'\u2020', "dagger: the scrambled digit 1"},
        {0x8D, u'\u008D', "undefined byte"},
        {0x8F, u'\u008F', "undefined byte"},
        {0x90, u'\u0090', "undefined byte"},
        {0x9D, u'\u009D', "undefined byte"},
        {0x9F, u'\u0178', "Y with diaeresis closes the marks"},
        {0xA0, u'\u00A0', "upper half is Latin-1 from here on"},
        {0xAA, u'\u00AA', "code 170, the last that survives scrambling"},
        {0xE9, u'\u00E9', "e acute"},
        {0xFF, u'\u00FF', "last byte"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fromCodePage(static_cast<unsigned char>(row.byte)).unicode(), row.character)
            << row.reason;
        EXPECT_EQ(toCodePage(QChar(row.character)), row.byte) << row.reason;
    }
}

TEST(CodePage, EveryByteReadsBackToItself) {
    for (unsigned byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        EXPECT_EQ(toCodePage(fromCodePage(b)), b) << "byte " << byte;
    }
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const struct {
        char16_t character;
        const char* reason;
    } rows[] = {
        {u'\u0080', "C1 control whose byte holds the euro sign"},
        {u'\u009F', "C1 control whose byte holds Y with diaeresis"},
        {u'\u0100', "A with macron, beyond Latin-1"},
        {u'\u4E2D', "CJK ideograph"},
        {u'\uFFFD', "replacement character"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(toCodePage(QChar(row.character)), '?') << row.reason;
    }
}

TEST(ScrambleText, KnownTextsGiveKnownBytes) {
    const struct {
        QString plain;
        QByteArray stored;
        const char* reason;
    } rows[] = {
        {QStringLiteral("1"), QByteArray("\x86"), "digit 1 is code 49, stored as 134"},
        {QStringLiteral("abc"), QByteArray("\xB6\xB7\xB8"), "order kept, no key"},
        {QStringLiteral("-30"), QByteArray("\x82\x88\x85"), "minus sign of a zone value"},
        {QStringLiteral(" "), QByteArray("\x75"), "space becomes u"},
        {QString(QChar(u'\u00AA')), QByteArray("\xFF"), "code 170 reaches the last byte"},
        {QString(QChar(u'\u20AC')), QByteArray("\xD5"), "euro sign is code 128"},
        {QStringLiteral("\u00E9a"), QByteArray("\xB6"), "e acute (233) has no room and is dropped"},
        {QStringLiteral("x\u4E2Dy"), QByteArray("\xCD\x94\xCE"),
         "a character the code page lacks is scrambled as '?'"},
        {QStringLiteral("a\U0001F600b"), QByteArray("\xB6\x94\xB7"),
         "a character outside the basic plane is one '?'"},
        {QString(), QByteArray(), "empty stays empty"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(bytesOf(ScrambleText(row.plain)), row.stored) << row.reason;
    }
}

TEST(UnscrambleText, KnownBytesGiveKnownTexts) {
    const struct {
        QByteArray stored;
        QString plain;
        const char* reason;
    } rows[] = {
        {QByteArray("\x86"), QStringLiteral("1"), "134 is the digit 1"},
        {QByteArray("\xB6\xB7\xB8"), QStringLiteral("abc"), "order kept"},
        {QByteArray("12"), QString(), "plain digits are below 85 and dropped"},
        {QByteArray("\x86\n\x87"), QStringLiteral("12"), "a line feed inside a line is dropped"},
        {QByteArray("\x55"), QString(QChar(u'\0')), "85 is code 0, kept"},
        {QByteArray("\x54\x86"), QStringLiteral("1"), "84 is dropped, the rest stays"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UnscrambleText(textOf(row.stored)), row.plain) << row.reason;
    }
}

TEST(UnscrambleText, EveryStoredByteGivesItsCharacter) {
    // Bytes 85 to 255 are exactly the stored range; each gives the character 85 below it.
    for (unsigned byte = 85; byte < 256; ++byte) {
        const QString stored(fromCodePage(static_cast<unsigned char>(byte)));
        const QString plain = UnscrambleText(stored);
        ASSERT_EQ(plain.size(), 1) << "byte " << byte;
        EXPECT_EQ(toCodePage(plain[0]), byte - 85) << "byte " << byte;
    }
}

TEST(ScrambleText, EveryCodeUpTo170SurvivesTheRoundTrip) {
    QString all;
    for (unsigned code = 0; code <= 170; ++code) {
        all.append(fromCodePage(static_cast<unsigned char>(code)));
    }
    const QString scrambled = ScrambleText(all);
    EXPECT_EQ(scrambled.size(), all.size());
    EXPECT_EQ(UnscrambleText(scrambled), all);
}

TEST(Scrambler, LongTextsGiveTheEmptyResult) {
    const QString pair = QStringLiteral("\U0001F600"); // one character, two UTF-16 units
    const auto letters = [](qsizetype count) { return QString(count, QLatin1Char('z')); };
    // Unscrambling drops the pair's '?' (its code is below 85); scrambling keeps it.
    const struct {
        QString text;
        qsizetype scrambled;
        qsizetype unscrambled;
        const char* reason;
    } rows[] = {
        {letters(32766), 32766, 32766, "the longest text the position counter can step through"},
        {letters(32767), 0, 0, "the counter cannot step past the end: treated like a longer text"},
        {letters(40000), 0, 0, "longer text"},
        {letters(32765) + pair, 32766, 32765, "a surrogate pair is one character: 32,766 in all"},
        {letters(32766) + pair, 0, 0, "a surrogate pair makes it 32,767"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ScrambleText(row.text).size(), row.scrambled) << row.reason;
        EXPECT_EQ(UnscrambleText(row.text).size(), row.unscrambled) << row.reason;
    }
}

} // namespace
