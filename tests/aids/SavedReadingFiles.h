#pragma once

// Saved reading files for tests, built byte by byte without the program's scrambler.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace savedfiles {

// The inputs of a whole reading, one per line.
inline const QStringList FullReading = {
    QStringLiteral("Asha Rao"), QStringLiteral("8"),  QStringLiteral("15"), QStringLiteral("2010"),
    QStringLiteral("10"),       QStringLiteral("30"), QStringLiteral("77"), QStringLiteral("13"),
    QStringLiteral("28"),       QStringLiteral("37"), QStringLiteral("5"),  QStringLiteral("30"),
    QStringLiteral("1"),        QStringLiteral("1"),  QStringLiteral("0"),
};

// The stored form of an ASCII text: each code plus 85.
inline QByteArray scrambled(const QString& ascii) {
    QByteArray bytes;
    for (const QChar c : ascii) {
        bytes.append(static_cast<char>(c.unicode() + 85));
    }
    return bytes;
}

// The lines, each scrambled, each followed by `lineEnd`.
inline QByteArray fileBytes(const QStringList& lines, const QByteArray& lineEnd = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += scrambled(line) + lineEnd;
    }
    return bytes;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace savedfiles
