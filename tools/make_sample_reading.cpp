// Writes the sample saved reading examples/sample-reading.nak: fifteen scrambled lines,
// each ended by CR LF.
//
//   make_sample_reading <path>
//
// The reading: "Sample Reading", lost on 15 August 2010 at 10:30, zone 5 h 30 min, no
// daylight saving, longitude 77°13' East, latitude 28°37' North.
#include "aids/Scrambler.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make_sample_reading <path>\n");
        return 2;
    }
    const QStringList lines = {
        QStringLiteral("Sample Reading"), // name
        QStringLiteral("8"),              // month: August
        QStringLiteral("15"),             // day
        QStringLiteral("2010"),           // year
        QStringLiteral("10"),             // hour
        QStringLiteral("30"),             // minute
        QStringLiteral("77"),             // longitude degrees
        QStringLiteral("13"),             // longitude minutes
        QStringLiteral("28"),             // latitude degrees
        QStringLiteral("37"),             // latitude minutes
        QStringLiteral("5"),              // zone hours
        QStringLiteral("30"),             // zone minutes
        QStringLiteral("1"),              // longitude: East
        QStringLiteral("1"),              // latitude: North
        QStringLiteral("0"),              // no daylight saving
    };
    QByteArray bytes;
    for (const QString& line : lines) {
        for (const QChar c : Scrambler::ScrambleText(line)) {
            bytes.append(static_cast<char>(Scrambler::toCodePage(c)));
        }
        bytes.append("\r\n");
    }
    QFile file(arguments[1]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
