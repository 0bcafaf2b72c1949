#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text scrambler of saved readings and the settings record: each character's code in
// the program's single-byte code page (Windows-1252 on every platform) shifted by 85.
namespace Scrambler {

// The scrambler steps through a text with a signed 16-bit position, so it handles texts of
// up to this many characters; a longer text gives the empty result. A character is one of
// the code page's: a surrogate pair counts once.
inline constexpr qsizetype LongestText = 32766;

// Distance between a character's code and its scrambled code.
inline constexpr int Shift = 85;

// Code page byte of a character, or nothing when the code page lacks it.
std::optional<unsigned char> codePageByte(QChar c);
// Code page byte of a character; a character the code page lacks becomes '?'.
unsigned char toCodePage(QChar c);
// Character of a code page byte; every byte 0 to 255 has one.
QChar fromCodePage(unsigned char byte);

QString ScrambleText(const QString& text);
QString UnscrambleText(const QString& text);

} // namespace Scrambler
