#include "platform/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QString app = QStringLiteral("qv-vantrel");
const QString section = QStringLiteral("Settings");
// A key and a value as the reminder stores them: scrambled, so outside ASCII and with a
// control character of the code page in the value.
const QString key = QStringLiteral("\u2122\u00ca\u00c7\u00b6\u00c9\u00be\u00c4\u00c3");
const QString value = QStringLiteral("\u2026\u0081\u201e\u2026\u2026\u201a");

struct Store {
    QTemporaryDir folder;
    platform::QtSettingsStore store{folder.path()};
    QString file() const { return store.recordFile(app); }
    void makeFolder() const { ASSERT_TRUE(QDir().mkpath(QFileInfo(file()).absolutePath())); }
};

TEST(QtSettingsStore, DefaultFileIsTheOneQSettingsUses) {
    const QString probe = QStringLiteral("qv-vantrel-path-probe");
    const QString own = platform::QtSettingsStore().recordFile(probe);
    if (own.isEmpty()) {
        GTEST_SKIP() << "the system's native store here is no file";
    }
    const QSettings native(QSettings::NativeFormat, QSettings::UserScope,
                           platform::settingsOrganization(), probe);
    EXPECT_EQ(own, native.fileName()) << "existing settings must still be found";
}

TEST(QtSettingsStore, ReadsAndWritesTheFormatQSettingsUses) {
    Store s;
    s.makeFolder();
    {
        QSettings earlier(s.file(), QSettings::IniFormat);
        earlier.setValue(QStringLiteral("Other/kept"), QStringLiteral("yes"));
        earlier.setValue(section + QLatin1Char('/') + key, QStringLiteral("old"));
    }
    EXPECT_EQ(s.store.read(app, section, key), QStringLiteral("old")) << "a file QSettings wrote";
    ASSERT_TRUE(s.store.write(app, section, key, value));
    EXPECT_EQ(s.store.read(app, section, key), value);
    EXPECT_EQ(s.store.read(app, section, QStringLiteral("missing")), QString());

    const QSettings after(s.file(), QSettings::IniFormat);
    EXPECT_EQ(after.value(section + QLatin1Char('/') + key).toString(), value)
        << "QSettings reads what the store wrote";
    EXPECT_EQ(after.value(QStringLiteral("Other/kept")).toString(), QStringLiteral("yes"))
        << "other values of the file are kept";
    EXPECT_FALSE(QFileInfo::exists(s.file() + QStringLiteral(".lock"))) << "the lock is let go";
}

struct HostileCase {
    const char* reason;
    std::function<void(const QString& file)> place; // puts the obstacle in place
    bool readable;                                  // the value can still be read
};

// Each obstacle stays where it is, ends reads and writes at once or after the bounded wait
// for the lock, and loses nothing.
TEST(QtSettingsStore, NeverWaitsOnWhatStandsInPlaceOfItsFiles) {
    const auto folderAt = [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); };
    const auto fifoAt = [](const QString& path) {
#ifdef Q_OS_UNIX
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
        Q_UNUSED(path);
        GTEST_SKIP() << "no FIFOs here";
#endif
    };
    QLockFile* held = nullptr;
    const HostileCase cases[] = {
        {"a FIFO in place of the file", [&](const QString& f) { fifoAt(f); }, false},
        {"a folder in place of the file", [&](const QString& f) { folderAt(f); }, false},
        {"a folder in place of the lock, which nothing can remove",
         [&](const QString& f) { folderAt(f + QStringLiteral(".lock")); }, true},
        {"a FIFO in place of the lock", [&](const QString& f) { fifoAt(f + ".lock"); }, true},
        {"a lock a live process keeps",
         [&](const QString& f) {
             held = new QLockFile(f + QStringLiteral(".lock"));
             ASSERT_TRUE(held->lock());
         },
         true},
    };
    for (const auto& c : cases) {
        Store s;
        s.makeFolder();
        if (c.readable) {
            QSettings(s.file(), QSettings::IniFormat).setValue(section + '/' + key, value);
        }
        c.place(s.file());
        const QFileInfo before(s.file());

        QElapsedTimer clock;
        clock.start();
        const std::optional<QString> read = s.store.read(app, section, key);
        const bool written = s.store.write(app, section, key, QStringLiteral("new"));
        const qint64 elapsed = clock.elapsed();

        EXPECT_EQ(read.has_value(), c.readable) << c.reason;
        if (c.readable) {
            EXPECT_EQ(read.value_or(QString()), value) << c.reason;
            EXPECT_EQ(s.store.read(app, section, key), value) << c.reason << ": value kept";
        }
        EXPECT_FALSE(written) << c.reason;
        // The lock is waited for lockWaitMs (under a second); the rest is room for a busy
        // machine. A store that waits on the obstacle never gets here.
        EXPECT_LT(elapsed, 1500) << c.reason << ": about a second at most";
        const QFileInfo after(s.file());
        EXPECT_EQ(after.isDir(), before.isDir()) << c.reason << ": the obstacle is left alone";
        EXPECT_EQ(after.isFile(), before.isFile()) << c.reason;
        delete held;
        held = nullptr;
    }
}

// A value QSettings would decode from its binary form trusts the lengths written in it: a
// damaged or planted one could claim gigabytes. Such a file is not read, nor written over.
TEST(QtSettingsStore, AFileWithABinaryValueIsLeftAlone) {
    const char* const values[] = {
        "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\nQByteArray\\0\\xff\\xff\\xff\\xf0)",
        "\"@Variant(\\0\\0\\0\\t)\"",
        "\\x40Variant(\\0\\0\\0\\t)",
        "@DateTime(\\0\\0\\0\\x10\\xff\\xff\\xff\\xff)",
    };
    for (const char* planted : values) {
        Store s;
        s.makeFolder();
        const QByteArray file = QByteArray("[Other]\nx=") + planted + "\n";
        {
            QFile out(s.file());
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        EXPECT_EQ(s.store.read(app, section, key), std::nullopt) << planted;
        EXPECT_FALSE(s.store.write(app, section, key, value)) << planted;
        QFile in(s.file());
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_EQ(in.readAll(), file) << planted;
    }
    Store s;
    ASSERT_TRUE(s.store.write(app, section, key, QStringLiteral("@Variant(text)")));
    EXPECT_EQ(s.store.read(app, section, key), QStringLiteral("@Variant(text)"))
        << "text of that form is stored so that it reads back as text";
}

#ifdef Q_OS_UNIX
// Two copies of the program changing one section at once, as two adding to the recent list
// do: each change is read, made and stored under one lock, so none is lost.
TEST(QtSettingsStore, UpdatesOfTwoProcessesLoseNothing) {
    Store s;
    constexpr int Each = 40;
    // The changes stored; one that waited too long for the lock is refused, never lost.
    const auto count = [&] {
        int stored = 0;
        for (int i = 0; i < Each; ++i) {
            stored += s.store.update(app, section, [](platform::SettingsStore::Values& values) {
                values.insert(QStringLiteral("n"),
                              QString::number(values.value(QStringLiteral("n")).toInt() + 1));
            });
        }
        return stored;
    };
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(count());
    }
    const int stored = count();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_GT(stored + WEXITSTATUS(status), Each);
    EXPECT_EQ(s.store.read(app, section, QStringLiteral("n")),
              QString::number(stored + WEXITSTATUS(status)));
}
#endif

} // namespace
