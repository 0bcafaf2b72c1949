#include "Scrambler.h"

#include "CodePage1252.h"

#include <algorithm>
#include <optional>

namespace Scrambler {
namespace {

constexpr int HighestCode = 255;

// Byte of a character, or nothing when the code page lacks it.
std::optional<unsigned char> codeOf(char16_t c) {
    if (c < CodePage1252::Characters.size() && CodePage1252::Characters[c] == c) {
        return static_cast<unsigned char>(c);
    }
    // Only the marks of 0x80..0x9F sit at a byte other than their own number.
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
        if (CodePage1252::Characters[byte] == c) {
            return static_cast<unsigned char>(byte);
        }
    }
    return std::nullopt;
}

// Each character's code moved by `shift`; a character whose moved code leaves 0..255 is
// dropped. A surrogate pair is one character the code page lacks, so it counts as one '?'.
QString shifted(const QString& text, int shift) {
    QString result;
    result.reserve(std::min(text.size(), LongestText));
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        }
        if (++characters > LongestText) {
            return {};
        }
        const int code = toCodePage(text[i]) + shift;
        if (code >= 0 && code <= HighestCode) {
            result.append(fromCodePage(static_cast<unsigned char>(code)));
        }
    }
    return result;
}

} // namespace

std::optional<unsigned char> codePageByte(QChar c) {
    return codeOf(c.unicode());
}

unsigned char toCodePage(QChar c) {
    return codeOf(c.unicode()).value_or('?');
}

QChar fromCodePage(unsigned char byte) {
    return QChar(CodePage1252::Characters[byte]);
}

QString ScrambleText(const QString& text) {
    return shifted(text, Shift);
}

QString UnscrambleText(const QString& text) {
    return shifted(text, -Shift);
}

} // namespace Scrambler
