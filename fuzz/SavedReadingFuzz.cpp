// Arbitrary bytes through the saved-reading reader and the scrambler. Besides the
// sanitizers' findings, the promises the reader and the scrambler make are checked:
//
//   fuzz_saved_reading -max_len=70000 corpus/
#include "aids/SavedReading.h"
#include "aids/Scrambler.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr qsizetype LongestText = 32766;
constexpr int Shift = 85;

void check(bool promise) {
    if (!promise) {
        std::abort();
    }
}

// Unscrambled text holds only codes 0 to 170, and so survives another round trip.
void checkUnscrambled(const QString& text) {
    check(text.size() <= LongestText);
    for (const QChar c : text) {
        check(Scrambler::toCodePage(c) <= 255 - Shift);
        check(Scrambler::fromCodePage(Scrambler::toCodePage(c)) == c);
    }
    check(Scrambler::UnscrambleText(Scrambler::ScrambleText(text)) == text);
}

void fuzzReader(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer device(&copy);
    if (!device.open(QIODevice::ReadOnly)) {
        return;
    }
    const SavedReading::Lines lines = SavedReading::ReadSavedReading(device);
    check(device.pos() <= SavedReading::ReadLimit + 1);
    for (const QString& line : lines) {
        checkUnscrambled(line);
        static_cast<void>(SavedReading::MonthPosition(line));
    }
}

void fuzzScrambler(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    const QString text = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    const QString scrambled = Scrambler::ScrambleText(text);
    check(scrambled.size() <= text.size());
    for (const QChar c : scrambled) {
        check(Scrambler::toCodePage(c) >= Shift);
    }
    checkUnscrambled(Scrambler::UnscrambleText(scrambled));
    checkUnscrambled(Scrambler::UnscrambleText(text));
    static_cast<void>(SavedReading::MonthPosition(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    fuzzReader(bytes);
    fuzzScrambler(data, size);
    return 0;
}
