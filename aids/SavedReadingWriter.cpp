#include "SavedReadingWriter.h"

#include "Scrambler.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace SavedReading {
namespace {

const QString One = QStringLiteral("1");
const QString Zero = QStringLiteral("0");

// Highest code a character may have: its scrambled code must stay a byte.
constexpr int HighestStorableCode = 255 - Scrambler::Shift;

const QString& flag(bool on) {
    return on ? One : Zero;
}

// The character starting at `i`: a surrogate pair is one character.
qsizetype characterLength(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

bool storable(QChar c) {
    const std::optional<unsigned char> code = Scrambler::codePageByte(c);
    return code && *code <= HighestStorableCode;
}

// The line without its unstorable characters, which are collected in `lost` once each.
QString keptPart(const QString& line, QString* lost) {
    QString kept;
    kept.reserve(line.size());
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype length = characterLength(line, i);
        if (length == 1 && storable(line[i])) {
            kept.append(line[i]);
        } else if (lost != nullptr) {
            const QString character = line.mid(i, length);
            if (!lost->contains(character)) {
                lost->append(character);
            }
        }
        i += length;
    }
    return kept;
}

// The reason a write failed, never empty.
QString reasonOf(const QSaveFile& file) {
    const QString reason = file.errorString();
    return reason.isEmpty()
               ? QCoreApplication::translate("SavedReading", "the file could not be written")
               : reason;
}

} // namespace

Lines ToLines(const Record& r) {
    return {r.name,
            QString::number(r.monthPosition < 0 ? 0 : r.monthPosition + 1),
            r.day,
            r.year,
            r.hour,
            r.minute,
            r.longitudeDegrees,
            r.longitudeMinutes,
            r.latitudeDegrees,
            r.latitudeMinutes,
            r.zoneHours,
            r.zoneMinutes,
            flag(r.east),
            flag(!r.south),
            flag(r.daylightSaving)};
}

std::vector<LineLoss> FindLosses(const Lines& lines) {
    std::vector<LineLoss> losses;
    for (int i = 0; i < LineCount; ++i) {
        LineLoss loss;
        loss.line = i;
        const QString kept = keptPart(lines[static_cast<std::size_t>(i)], &loss.characters);
        loss.beyondLimit = std::max<qsizetype>(0, kept.size() - Scrambler::LongestText);
        if (!loss.characters.isEmpty() || loss.beyondLimit > 0) {
            losses.push_back(loss);
        }
    }
    return losses;
}

Lines Storable(const Lines& lines) {
    Lines result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        result[i] = keptPart(lines[i], nullptr).left(Scrambler::LongestText);
    }
    return result;
}

QByteArray Encode(const Lines& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        for (const QChar c : Scrambler::ScrambleText(line)) {
            bytes.append(static_cast<char>(Scrambler::toCodePage(c)));
        }
        bytes.append("\r\n");
    }
    return bytes;
}

QString WriteSavedReading(const QString& path, const Lines& lines) {
    const QByteArray bytes = Encode(Storable(lines));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return reasonOf(file);
    }
    // Flushed here, with its result checked: a short write found only while committing
    // (a disk that fills up) would otherwise go unnoticed and replace the file with the part
    // that fitted.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return reasonOf(file);
    }
    return {};
}

} // namespace SavedReading
