#include "SavedReading.h"

#include "NumberText.h"
#include "Scrambler.h"
#include "platform/RegularFile.h"

#include <QIODevice>

#include <array>
#include <climits>
#include <cmath>
#include <memory>

namespace SavedReading {
namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';

// A line of this many characters or more unscrambles to the empty text, so the reader keeps
// no more than this of any line.
constexpr qsizetype LongestLine = 32766;

constexpr qint64 ChunkSize = 16 * 1024;

// Collects the bytes of one line, keeping at most LongestLine of them.
struct LineBuffer {
    QByteArray bytes;
    bool tooLong = false;

    void add(char byte) {
        if (bytes.size() < LongestLine) {
            bytes.append(byte);
        } else {
            tooLong = true;
        }
    }
    bool isEmpty() const { return bytes.isEmpty() && !tooLong; }
    QString unscrambled() const {
        if (tooLong) {
            return {};
        }
        QString text;
        text.reserve(bytes.size());
        for (const char byte : bytes) {
            text.append(Scrambler::fromCodePage(static_cast<unsigned char>(byte)));
        }
        return Scrambler::UnscrambleText(text);
    }
    void clear() {
        bytes.clear();
        tooLong = false;
    }
};

} // namespace

Lines ReadSavedReading(QIODevice& device) {
    Lines lines;
    try {
        std::array<char, ChunkSize> chunk{};
        LineBuffer line;
        int index = 0;
        bool afterCarriageReturn = false;
        qint64 total = 0;
        while (index < LineCount && total < ReadLimit) {
            const qint64 got = device.read(chunk.data(), std::min(ChunkSize, ReadLimit - total));
            if (got <= 0) {
                break;
            }
            total += got;
            for (qint64 i = 0; i < got && index < LineCount; ++i) {
                const char byte = chunk[static_cast<std::size_t>(i)];
                if (afterCarriageReturn) {
                    afterCarriageReturn = false;
                    if (byte == LineFeed) {
                        continue;
                    }
                }
                if (byte == CarriageReturn) {
                    lines[static_cast<std::size_t>(index++)] = line.unscrambled();
                    line.clear();
                    afterCarriageReturn = true;
                } else {
                    line.add(byte);
                }
            }
        }
        // The last line may end with the file instead of a CR. A line that the read limit
        // cut short counts as not reached.
        char probe = 0;
        const bool cutShort = total >= ReadLimit && device.read(&probe, 1) == 1;
        if (index < LineCount && !line.isEmpty() && !cutShort) {
            lines[static_cast<std::size_t>(index)] = line.unscrambled();
        }
    } catch (...) {
        // Out of memory or a failing device: the lines read so far stand, the rest are empty.
    }
    return lines;
}

Lines ReadSavedReading(const QString& path) {
    try {
        // The chosen path may name a folder, a FIFO or a device that never ends: only a
        // regular file is read.
        const std::unique_ptr<QIODevice> file = platform::OpenRegularFile(path);
        if (!file) {
            return {};
        }
        Lines lines = ReadSavedReading(*file);
        file->close();
        return lines;
    } catch (...) {
        return {};
    }
}

std::optional<int> MonthPosition(const QString& value) {
    const std::optional<double> number = NumberText::ToDecimal(value);
    if (!number) {
        return std::nullopt;
    }
    // Halves go to the even neighbour: the value 2.5 less one is 1.5, which gives position 2,
    // the third month.
    const double position = std::nearbyint(*number - 1.0);
    if (!(position >= static_cast<double>(INT_MIN) && position <= static_cast<double>(INT_MAX))) {
        return std::nullopt;
    }
    return static_cast<int>(position);
}

} // namespace SavedReading
