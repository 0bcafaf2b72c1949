#include "ReadingSave.h"

#include "aids/Scrambler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace ReadingSave {
namespace {

QString numberText(const std::optional<int>& number) {
    return number ? QString::number(*number) : QString();
}

// Characters of the name kept in a suggested file name: with the date and extension, and at
// up to three UTF-8 bytes a character, it stays within 255 bytes.
constexpr qsizetype LongestNameInFileName = 64;

// Characters no file name may hold on one of the desktop systems, and control characters.
bool unfitForFileName(QChar c) {
    return c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c);
}

} // namespace

SavedReading::Record RecordOf(const InputChecks::FormEntries& e) {
    SavedReading::Record r;
    r.name = e.name;
    r.monthPosition = e.monthPosition;
    r.day = numberText(e.day);
    r.year = numberText(e.year);
    r.hour = numberText(e.hour);
    r.minute = numberText(e.minute);
    r.longitudeDegrees = e.lonD;
    r.longitudeMinutes = e.lonM;
    r.latitudeDegrees = e.latD;
    r.latitudeMinutes = e.latM;
    r.zoneHours = e.zoneHour;
    r.zoneMinutes = e.zoneMinute;
    r.east = e.east;
    r.south = e.south;
    r.daylightSaving = e.daylightSaving;
    return r;
}

QString SuggestedFileName(const SavedReading::Record& record, const QString& extension) {
    QString name = record.name.trimmed();
    for (QChar& c : name) {
        if (unfitForFileName(c)) {
            c = QLatin1Char('_');
        }
    }
    // A leading dot would hide the file on Unix-like systems.
    while (name.startsWith(QLatin1Char('.'))) {
        name.remove(0, 1);
    }
    // A file name holds at most 255 bytes on most systems: a long name is cut, never a
    // character in half.
    if (name.size() > LongestNameInFileName) {
        name.truncate(LongestNameInFileName -
                      (name[LongestNameInFileName - 1].isHighSurrogate() ? 1 : 0));
        name = name.trimmed();
    }
    if (name.isEmpty()) {
        name = QCoreApplication::translate("ReadingSave", "Reading");
    }
    if (record.monthPosition >= 0 && !record.year.isEmpty() && !record.day.isEmpty()) {
        name += QLatin1Char(' ') + record.year + QLatin1Char('-') +
                QStringLiteral("%1").arg(record.monthPosition + 1, 2, 10, QLatin1Char('0')) +
                QLatin1Char('-') + record.day.rightJustified(2, QLatin1Char('0'));
    }
    return name + extension;
}

QString StartFolder(const QString& last, const QString& documents, const QString& home) {
    for (const QString& folder : {last, documents}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return home;
}

namespace {
QString& lastSaveFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString LastSaveFolder() {
    return lastSaveFolder();
}

void NoteSaved(const QString& path) {
    lastSaveFolder() = QFileInfo(path).absolutePath();
}

QString SaveFilters() {
    return QCoreApplication::translate("ReadingSave", ReadingFileFilterName) +
           QStringLiteral(";;") + ReadingFilterName;
}

QString OpenFilters() {
    return QCoreApplication::translate("ReadingSave", "Saved readings (%1)").arg(OpenPatterns) +
           QStringLiteral(";;") + SaveFilters();
}

QString WithExtension(const QString& path, const QStringList& extensions) {
    for (const QString& extension : extensions) {
        if (path.endsWith(extension, Qt::CaseInsensitive)) {
            return path.left(path.size() - extension.size()) + extension;
        }
    }
    return path + extensions.value(0);
}

QString LossQuestion(const std::vector<SavedReading::LineLoss>& losses,
                     const std::array<QString, SavedReading::LineCount>& boxNames) {
    const QLocale c = QLocale::c();
    QStringList lines;
    for (const SavedReading::LineLoss& loss : losses) {
        QStringList quoted;
        for (qsizetype i = 0; i < loss.characters.size(); ++i) {
            const qsizetype length = loss.characters[i].isHighSurrogate() ? 2 : 1;
            quoted << QLatin1Char('"') + loss.characters.mid(i, length) + QLatin1Char('"');
            i += length - 1;
        }
        const QString characters = quoted.join(QStringLiteral(", "));
        const QString beyond = c.toString(loss.beyondLimit);
        const QString kept = c.toString(Scrambler::LongestText);
        QString left;
        if (loss.beyondLimit <= 0) {
            left = QCoreApplication::translate("ReadingSave", "the characters %1").arg(characters);
        } else if (characters.isEmpty()) {
            left = QCoreApplication::translate("ReadingSave",
                                               "the last %1 characters (at most %2 are kept)")
                       .arg(beyond, kept);
        } else {
            left = QCoreApplication::translate(
                       "ReadingSave",
                       "the characters %1 and the last %2 characters (at most %3 are kept)")
                       .arg(characters, beyond, kept);
        }
        lines << QCoreApplication::translate("ReadingSave", "%1: %2", "box name: what is left out")
                     .arg(boxNames[static_cast<std::size_t>(loss.line)], left);
    }
    return QCoreApplication::translate("ReadingSave",
                                       "A saved reading cannot hold all of this reading. "
                                       "Saving leaves out:\n%1\nSave the reading without them?")
        .arg(lines.join(QLatin1Char('\n')));
}

} // namespace ReadingSave
