#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;
class QString;

// The character codes that key presses type into a text box.
namespace KeyCodes {

inline constexpr std::uint16_t Backspace = 8;
inline constexpr std::uint16_t Return = 13;
inline constexpr std::uint16_t Escape = 27;

// The code a key press types: its character (first UTF-16 unit), 8 for Backspace, 13 for
// Enter, 27 for Escape, 1 to 26 for Ctrl with a letter. Nothing for keys that type no
// character (arrows, Home, End, Delete, Tab, function keys, Alt combinations).
std::optional<std::uint16_t> TypedCode(const QKeyEvent& event);

// An Alt or Meta combination with a character that reached a text box: it matched no access
// key, yet a line edit would still type its character.
bool IsStrayAltCharacter(const QKeyEvent& event);

// The number boxes take the ASCII digits 0 to 9 (codes 48 to 57) and Backspace only.
constexpr bool IsNumberBoxCode(std::uint16_t code) {
    return (code >= 48 && code <= 57) || code == Backspace;
}

// A zone box also takes a minus sign (code 45) typed as the first character of its number,
// while the text it keeps (`kept`: its text less any selection the key replaces) holds none.
// `position` is where the character would go.
bool IsZoneSign(std::uint16_t code, const QString& kept, int position);
// The code a number box stores for a typed code: a Devanagari digit ० to ९ (U+0966 to
// U+096F) as its ASCII digit, in either language; any other code as it is.
constexpr std::uint16_t StoredDigit(std::uint16_t code) {
    return code >= 0x0966 && code <= 0x096F ? static_cast<std::uint16_t>(code - 0x0966 + 48) : code;
}

} // namespace KeyCodes
