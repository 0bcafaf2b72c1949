// Writes the sample reading with the program's own writers: examples/sample-reading.nak, or
// its twin examples/sample-reading.vantrel for a path ending in ".vantrel".
//
//   make_sample_reading <path>
#include "tools/SampleReading.h"

#include "aids/ReadingFileWriter.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make_sample_reading <path>\n");
        return 2;
    }
    const QString& path = arguments[1];
    const QString failure =
        path.endsWith(QStringLiteral(".vantrel"))
            ? ReadingFile::WriteReadingFile(path, sample::SampleReadingFile())
            : SavedReading::WriteSavedReading(path, SavedReading::ToLines(sample::SampleReading()));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(arguments[1]),
                     qPrintable(failure));
        return 1;
    }
    return 0;
}
