// Writes the sample saved reading examples/sample-reading.nak with the program's own writer.
//
//   make_sample_reading <path>
#include "tools/SampleReading.h"

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
    const QString failure = SavedReading::WriteSavedReading(
        arguments[1], SavedReading::ToLines(sample::SampleReading()));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(arguments[1]),
                     qPrintable(failure));
        return 1;
    }
    return 0;
}
