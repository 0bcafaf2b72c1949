#include "tools/SampleReading.h"

#include "aids/SavedReading.h"
#include "aids/SavedReadingWriter.h"
#include "aids/Scrambler.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

using SavedReading::Lines;
using SavedReading::Record;

QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text of storable characters: every code page byte from 0 to 170 is as likely.
QString randomText(std::mt19937& random, int longest) {
    std::uniform_int_distribution<int> length(0, longest);
    std::uniform_int_distribution<int> code(0, 170);
    QString text;
    for (int n = length(random); n > 0; --n) {
        text.append(Scrambler::fromCodePage(static_cast<unsigned char>(code(random))));
    }
    return text;
}

Record randomRecord(std::mt19937& random) {
    const auto number = [&](int first, int last) {
        return QString::number(std::uniform_int_distribution<int>(first, last)(random));
    };
    const auto coin = [&] { return std::bernoulli_distribution(0.5)(random); };
    Record r;
    r.name = randomText(random, 40);
    r.monthPosition = std::uniform_int_distribution<int>(-1, 11)(random);
    r.day = number(1, 31);
    r.year = number(1901, 2050);
    r.hour = number(0, 23);
    r.minute = number(0, 59);
    r.longitudeDegrees = randomText(random, 6);
    r.longitudeMinutes = number(-99, 99);
    r.latitudeDegrees = randomText(random, 6);
    r.latitudeMinutes = number(0, 99);
    r.zoneHours = number(-14, 14);
    r.zoneMinutes = number(-59, 59);
    r.east = coin();
    r.south = coin();
    r.daylightSaving = coin();
    return r;
}

TEST(SavedReadingWriter, RandomStorableReadingsReadBackAsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.nak"));
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        const Record record = randomRecord(random);
        const Lines lines = SavedReading::ToLines(record);
        ASSERT_TRUE(SavedReading::FindLosses(lines).empty()) << "round " << round;
        ASSERT_EQ(SavedReading::WriteSavedReading(path, lines), QString()) << "round " << round;
        const Lines read = SavedReading::ReadSavedReading(path);
        for (int i = 0; i < SavedReading::LineCount; ++i) {
            EXPECT_EQ(read[static_cast<std::size_t>(i)], lines[static_cast<std::size_t>(i)])
                << "round " << round << ", line " << i;
        }
        // What the reader makes of the lines is the record again.
        EXPECT_EQ(SavedReading::MonthPosition(read[1]), record.monthPosition) << "round " << round;
        EXPECT_EQ(read[12] == QStringLiteral("1"), record.east) << "round " << round;
        EXPECT_EQ(read[13] == QStringLiteral("1"), !record.south) << "round " << round;
        EXPECT_EQ(read[14] == QStringLiteral("1"), record.daylightSaving) << "round " << round;
    }
}

TEST(SavedReadingWriter, TheSampleIsWrittenByteForByte) {
    const QByteArray sample =
        fileContents(QStringLiteral(VANTREL_SOURCE_DIR "/examples/sample-reading.nak"));
    ASSERT_FALSE(sample.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sample.nak"));
    ASSERT_EQ(SavedReading::WriteSavedReading(path, SavedReading::ToLines(sample::SampleReading())),
              QString());
    EXPECT_EQ(fileContents(path), sample);
}

TEST(SavedReadingWriter, TheFlagLinesAndTheMonthFollowTheFile) {
    const struct {
        bool east, south, daylightSaving;
        int monthPosition;
        const char *eastLine, *northLine, *dstLine, *monthLine;
        const char* reason;
    } rows[] = {
        {true, false, false, 0, "1", "1", "0", "1", "East, North, January"},
        {false, true, true, 11, "0", "0", "1", "12", "West, South, daylight saving, December"},
        {true, true, false, -1, "1", "0", "0", "0", "no month selected is month 0"},
    };
    for (const auto& row : rows) {
        Record r;
        r.east = row.east;
        r.south = row.south;
        r.daylightSaving = row.daylightSaving;
        r.monthPosition = row.monthPosition;
        const Lines lines = SavedReading::ToLines(r);
        EXPECT_EQ(lines[12], QLatin1String(row.eastLine)) << row.reason;
        EXPECT_EQ(lines[13], QLatin1String(row.northLine)) << row.reason;
        EXPECT_EQ(lines[14], QLatin1String(row.dstLine)) << row.reason;
        EXPECT_EQ(lines[1], QLatin1String(row.monthLine)) << row.reason;
    }
}

TEST(SavedReadingWriter, NamesWhatTheFormatCannotHold) {
    const QString tooLong(Scrambler::LongestText + 2, QLatin1Char('a'));
    const struct {
        QString text;
        QString lost;
        qsizetype beyond;
        QString kept;
        const char* reason;
    } rows[] = {
        {QStringLiteral("Ann Lee"), {}, 0, QStringLiteral("Ann Lee"), "plain letters"},
        {QStringLiteral("\u00aa\u20ac"),
         {},
         0,
         QStringLiteral("\u00aa\u20ac"),
         "code 170 and the euro sign (code 128) are stored"},
        {QStringLiteral("Ren\u00e9e"), QStringLiteral("\u00e9"), 0, QStringLiteral("Rene"),
         "an accented letter's code is above 170"},
        {QStringLiteral("\u00ab"), QStringLiteral("\u00ab"), 0, {}, "code 171 is the first lost"},
        {QStringLiteral("\u0410\u043d\u043d\u0430 A"), QStringLiteral("\u0410\u043d\u0430"), 0,
         QStringLiteral(" A"), "Cyrillic has no code; each character named once"},
        {QStringLiteral("\u0905x"), QStringLiteral("\u0905"), 0, QStringLiteral("x"),
         "Devanagari has no code"},
        {QStringLiteral("a\U0001F600b"), QStringLiteral("\U0001F600"), 0, QStringLiteral("ab"),
         "a surrogate pair is one character"},
        {QString(Scrambler::LongestText, QLatin1Char('a')),
         {},
         0,
         QString(Scrambler::LongestText, QLatin1Char('a')),
         "the longest text the limit allows"},
        {tooLong, {}, 2, tooLong.left(Scrambler::LongestText), "two characters past the limit"},
        {tooLong + QStringLiteral("\u00e9"), QStringLiteral("\u00e9"), 2,
         tooLong.left(Scrambler::LongestText), "the limit counts after the lost characters"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.nak"));
    for (const auto& row : rows) {
        Lines lines;
        lines[6] = row.text;
        const std::vector<SavedReading::LineLoss> losses = SavedReading::FindLosses(lines);
        if (row.lost.isEmpty() && row.beyond == 0) {
            EXPECT_TRUE(losses.empty()) << row.reason;
        } else {
            ASSERT_EQ(losses.size(), 1u) << row.reason;
            EXPECT_EQ(losses[0].line, 6) << row.reason;
            EXPECT_EQ(losses[0].characters, row.lost) << row.reason;
            EXPECT_EQ(losses[0].beyondLimit, row.beyond) << row.reason;
        }
        // What is written is what the reader gives back.
        ASSERT_EQ(SavedReading::WriteSavedReading(path, lines), QString()) << row.reason;
        EXPECT_EQ(SavedReading::ReadSavedReading(path)[6], row.kept) << row.reason;
    }
}

TEST(SavedReadingWriter, AFailedWriteSaysWhyAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing folder/r.nak"));
    EXPECT_FALSE(SavedReading::WriteSavedReading(path, {}).isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

#ifdef Q_OS_LINUX
// A disk that fills up while writing: the file-size limit makes the write fail as a full disk
// does, for every user including root.
TEST(SavedReadingWriter, AFailedWriteLeavesThePreviousFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.nak"));
    const QByteArray before = "previous reading";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString failure =
        SavedReading::WriteSavedReading(path, SavedReading::ToLines(sample::SampleReading()));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(failure.isEmpty());
    EXPECT_EQ(fileContents(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("r.nak")})
        << "no temporary file is left behind";
}
#endif

} // namespace
