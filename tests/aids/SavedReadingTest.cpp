#include "SavedReadingFiles.h"

#include "aids/SavedReading.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using savedfiles::fileBytes;
using savedfiles::FullReading;
using savedfiles::scrambled;
using SavedReading::Lines;
using SavedReading::MonthPosition;
using SavedReading::ReadSavedReading;

Lines linesOf(QStringList values) {
    Lines lines;
    for (qsizetype i = 0; i < values.size() && i < SavedReading::LineCount; ++i) {
        lines[static_cast<std::size_t>(i)] = values[i];
    }
    return lines;
}

class SavedReadingFile : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("r.nak")) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(savedfiles::writeFile(path, bytes));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(SavedReadingFile, EveryFieldRoundTrips) {
    EXPECT_EQ(ReadSavedReading(write(fileBytes(FullReading))), linesOf(FullReading));
}

TEST_F(SavedReadingFile, NameWithCharactersFrom128To170) {
    QByteArray stored;
    for (int code = 128; code <= 170; ++code) {
        stored.append(static_cast<char>(code + 85));
    }
    const QString expected = QStringLiteral(
        "\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
        "\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        "\u0153\u009D\u017E\u0178\u00A0\u00A1\u00A2\u00A3\u00A4\u00A5\u00A6\u00A7\u00A8\u00A9"
        "\u00AA");
    const Lines lines = ReadSavedReading(write(stored + "\r\n" + scrambled(QStringLiteral("8"))));
    EXPECT_EQ(lines[0], expected);
    EXPECT_EQ(lines[1], QStringLiteral("8"));
}

TEST_F(SavedReadingFile, LineEndsAndLineCounts) {
    const QStringList abc = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    QStringList sixteen = FullReading;
    sixteen << QStringLiteral("extra");
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList expected;
    } rows[] = {
        {"CR alone ends a line", fileBytes(abc, "\r"), abc},
        {"CR LF ends a line", fileBytes(abc, "\r\n"), abc},
        {"LF alone stays in the line and is dropped",
         fileBytes(abc, "\n"),
         {QStringLiteral("ABC")}},
        {"last line without a line end",
         scrambled("A") + "\r" + scrambled("B"),
         {QStringLiteral("A"), QStringLiteral("B")}},
        {"two CRs leave an empty line between",
         scrambled("A") + "\r\r" + scrambled("B"),
         {QStringLiteral("A"), QString(), QStringLiteral("B")}},
        {"only the first LF after a CR belongs to the line end",
         scrambled("A") + "\r\n\n" + scrambled("B") + "\r",
         {QStringLiteral("A"), QStringLiteral("B")}},
        {"LF CR: the LF is inside the line",
         scrambled("A") + "\n\r" + scrambled("B"),
         {QStringLiteral("A"), QStringLiteral("B")}},
        {"a short file leaves the missing lines empty", fileBytes(FullReading.mid(0, 10)),
         FullReading.mid(0, 10)},
        {"a sixteenth line is ignored", fileBytes(sixteen), FullReading},
        {"unscrambled digits read as empty",
         QByteArray("12\r\n") + scrambled("3") + "\r\n",
         {QString(), QStringLiteral("3")}},
        {"minus signs in the zone lines survive",
         fileBytes({"", "", "", "", "", "", "", "", "", "", "-5", "-30"}),
         {"", "", "", "", "", "", "", "", "", "", "-5", "-30"}},
        {"an empty file", QByteArray(), {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadSavedReading(write(row.bytes)), linesOf(row.expected)) << row.name;
    }
}

TEST_F(SavedReadingFile, LongLinesUnscrambleToEmptyAndReadingGoesOn) {
    const struct {
        const char* name;
        qsizetype length;
        qsizetype expected;
    } rows[] = {
        {"32,766 characters are the longest line kept", 32766, 32766},
        {"32,767 characters give the empty text", 32767, 0},
        {"a 200,000-character line gives the empty text", 200000, 0},
    };
    for (const auto& row : rows) {
        const QByteArray bytes = QByteArray(row.length, '\xB6') + "\r\n" + scrambled("7") + "\r\n";
        const Lines lines = ReadSavedReading(write(bytes));
        EXPECT_EQ(lines[0].size(), row.expected) << row.name;
        EXPECT_EQ(lines[1], QStringLiteral("7")) << row.name << ": the next line is still read";
    }
}

TEST_F(SavedReadingFile, ReadingStopsAfterTheFirstMebibyte) {
    const qint64 limit = 1024 * 1024; // written out, so that a changed limit fails here
    // A line whose CR is the last byte within the limit is read; one that begins after the
    // limit is not, nor is one that the limit cuts short.
    const QByteArray padding(limit - 3, '\xB6');
    const Lines within = ReadSavedReading(write(padding + "\r" + scrambled("7") + "\r" + "\x8C\r"));
    EXPECT_EQ(within[1], QStringLiteral("7"));
    EXPECT_EQ(within[2], QString()) << "begins after the limit";

    const Lines cut = ReadSavedReading(write(QByteArray(limit - 2, '\xB6') + "\r" + "\x8C\x8C\r"));
    EXPECT_EQ(cut[1], QString()) << "cut short by the limit";
}

TEST_F(SavedReadingFile, HostileFilesEndWithEveryLineEmpty) {
    const Lines empty{};

    QFile sparse(dir.filePath(QStringLiteral("huge.nak")));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(3LL * 1024 * 1024 * 1024)) << "a 3 GB sparse file";
    sparse.close();
    EXPECT_EQ(ReadSavedReading(sparse.fileName()), empty) << "3 GB of zero bytes";

    EXPECT_EQ(ReadSavedReading(write(QByteArray(3 * 1024 * 1024, '\xB6'))), empty)
        << "no line end at all";
    EXPECT_EQ(ReadSavedReading(dir.path()), empty) << "a folder";
    EXPECT_EQ(ReadSavedReading(dir.filePath(QStringLiteral("missing.nak"))), empty)
        << "a missing file";
    EXPECT_EQ(ReadSavedReading(QString()), empty) << "no path";

    const QString deleted = write(fileBytes(FullReading));
    ASSERT_TRUE(QFile::remove(deleted));
    EXPECT_EQ(ReadSavedReading(deleted), empty) << "deleted after it was chosen";
}

#ifdef Q_OS_UNIX
TEST_F(SavedReadingFile, FifosAndDevicesAreNotRead) {
    const Lines empty{};
    const QString fifo = dir.filePath(QStringLiteral("pipe.nak"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a FIFO without a writer would wait for ever.
    EXPECT_EQ(ReadSavedReading(fifo), empty) << "a FIFO";

    const QString link = dir.filePath(QStringLiteral("link.nak"));
    ASSERT_TRUE(QFile::link(fifo, link));
    EXPECT_EQ(ReadSavedReading(link), empty) << "a link to a FIFO";

    EXPECT_EQ(ReadSavedReading(QStringLiteral("/dev/zero")), empty) << "a device that never ends";
    EXPECT_EQ(ReadSavedReading(QStringLiteral("/dev/null")), empty) << "an empty device";
}

TEST_F(SavedReadingFile, UnreadableFileGivesEmptyLines) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads any file";
    }
    const QString path = write(fileBytes(FullReading));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    EXPECT_EQ(ReadSavedReading(path), Lines{});
}
#endif

TEST(SavedReadingDevice, ReadsFromAnOpenDevice) {
    QByteArray bytes = fileBytes(FullReading, "\r");
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadSavedReading(buffer), linesOf(FullReading));
}

TEST(MonthPosition, ValueMinusOneRoundedHalfToEven) {
    const struct {
        const char* value;
        std::optional<int> position;
        const char* reason;
    } rows[] = {
        {"1", 0, "January"},
        {"12", 11, "December"},
        {"0", -1, "no month selected"},
        {"13", 12, "past December: the caller leaves the month unchanged"},
        {"2.5", 2, "1.5 goes to the even 2: March"},
        {"1.5", 0, "0.5 goes to the even 0: January"},
        {"4.5", 4, "3.5 goes to the even 4"},
        {"3.49", 2, "below the half rounds down"},
        {"0.5", 0, "-0.5 goes to the even 0"},
        {"-1", -2, "negative values pass through for the caller to refuse"},
        {"  8 ", 7, "spaces around the number are ignored"},
        {"08", 7, "a leading zero is still a number"},
        {"", std::nullopt, "empty line"},
        {"   ", std::nullopt, "spaces only"},
        {"May", std::nullopt, "a month name is no number"},
        {"+3", std::nullopt, "no plus sign"},
        {".5", std::nullopt, "digits before the point are required"},
        {"5.", std::nullopt, "digits after the point are required"},
        {"1,5", std::nullopt, "no decimal comma"},
        {"1e1", std::nullopt, "no exponent"},
        {"- 3", std::nullopt, "the sign belongs to the digits"},
        {"99999999999999999999", std::nullopt, "beyond any list position"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MonthPosition(QString::fromLatin1(row.value)), row.position)
            << '"' << row.value << "\": " << row.reason;
    }
}

} // namespace

namespace {

// The sample of the examples folder holds the reading its generator documents.
TEST(SampleReading, HoldsTheDocumentedReading) {
    const QStringList expected = {
        QStringLiteral("Sample Reading"),
        QStringLiteral("8"),
        QStringLiteral("15"),
        QStringLiteral("2010"),
        QStringLiteral("10"),
        QStringLiteral("30"),
        QStringLiteral("77"),
        QStringLiteral("13"),
        QStringLiteral("28"),
        QStringLiteral("37"),
        QStringLiteral("5"),
        QStringLiteral("30"),
        QStringLiteral("1"),
        QStringLiteral("1"),
        QStringLiteral("0"),
    };
    const QString path = QStringLiteral(VANTREL_SOURCE_DIR "/examples/sample-reading.nak");
    EXPECT_EQ(ReadSavedReading(path), linesOf(expected));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), fileBytes(expected)) << "scrambled lines ended by CR LF";
}

} // namespace
