#include "platform/WholeFile.h"
#include "platform/QtSettingsStore.h"
#include "tests/support/ShortWrite.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A disk with room for `limit` bytes of one file: a write beyond it fails part way, and the
// file before it stays whole; within it the new file is whole.
TEST(WholeFile, AShortWriteLeavesTheEarlierFileWhole) {
    const QByteArray earlier(4000, 'e');
    const struct {
        const char* reason;
        long limit;
        qsizetype size;
        bool hadFile;
    } rows[] = {
        {"fits", 100000, 50000, true},
        {"a short write over an earlier file", 12000, 50000, true},
        {"a short write, no earlier file", 12000, 50000, false},
        {"a write cut inside the last buffer", 49000, 50000, true},
        {"a short write found only when flushed", 6000, 10000, true},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.pdf"));
        if (row.hadFile) {
            ASSERT_TRUE(platform::writeWholeFile(path, earlier).isEmpty());
        }
        const QByteArray bytes(row.size, 'n');
        const bool written = shortwrite::InChildWithFileLimit(
            row.limit, [&] { return platform::writeWholeFile(path, bytes).isEmpty(); });
        const bool fits = row.limit >= row.size;
        EXPECT_EQ(written, fits) << row.reason;
        EXPECT_EQ(contents(path), fits          ? bytes
                                  : row.hadFile ? earlier
                                                : QByteArray("(missing)"))
            << row.reason;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                  row.hadFile || fits ? 1 : 0)
            << row.reason << ": no temporary file left behind";
    }
}

// The settings file on a nearly full disk: the write fails and the values stored before,
// the recent list among them, are all still there.
TEST(WholeFile, TheSettingsFileKeepsItsValuesOnAFullDisk) {
    QTemporaryDir folder;
    platform::QtSettingsStore store(folder.path());
    const QString app = QStringLiteral("qv-vantrel");
    const QString recent = QStringLiteral("Recent Readings");
    ASSERT_TRUE(store.write(app, recent, QStringLiteral("File1"), QStringLiteral("/a.nak")));
    const QByteArray before = contents(store.recordFile(app));
    const QString big(20000, QLatin1Char('v'));
    EXPECT_FALSE(shortwrite::InChildWithFileLimit(before.size() + 4096, [&] {
        return store.write(app, QStringLiteral("Settings"), QStringLiteral("k"), big);
    }));
    EXPECT_EQ(contents(store.recordFile(app)), before);
    EXPECT_EQ(store.read(app, recent, QStringLiteral("File1")), QStringLiteral("/a.nak"));
}

} // namespace
