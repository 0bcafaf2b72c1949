#include "platform/LockInstanceGuard.h"
#include "platform/MapWebSearch.h"
#include "platform/QtSettingsStore.h"

#include "aids/Scrambler.h"
#include "tests/support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct SearchCase {
    const char* reason;
    QString text;
    QString query; // the encoded query value
};

TEST(MapWebSearch, SearchTextIsOneEncodedQueryValue) {
    const SearchCase cases[] = {
        {"spaces encoded", QStringLiteral("Pune Maharashtra India Latitude Longitude"),
         QStringLiteral("Pune%20Maharashtra%20India%20Latitude%20Longitude")},
        {"ampersand cannot start a new key", QStringLiteral("A&B=C"), QStringLiteral("A%26B%3DC")},
        {"hash cannot cut off the query", QStringLiteral("x#y"), QStringLiteral("x%23y")},
        {"plus stays a plus", QStringLiteral("a+b"), QStringLiteral("a%2Bb")},
        {"line breaks stay inside", QStringLiteral("a\r\nb"), QStringLiteral("a%0D%0Ab")},
        {"non-ASCII as UTF-8", QStringLiteral("M\u00fcnchen"), QStringLiteral("M%C3%BCnchen")},
        {"leading spaces kept", QStringLiteral("  x"), QStringLiteral("%20%20x")},
    };
    for (const auto& c : cases) {
        const QString address = platform::mapSearchAddress(c.text);
        EXPECT_EQ(address, QStringLiteral("https://www.openstreetmap.org/search?query=") + c.query)
            << c.reason;
        // What the browser's page receives: exactly one key, with the text as typed.
        const QUrlQuery query(QUrl(address, QUrl::StrictMode));
        EXPECT_EQ(query.queryItems(QUrl::FullyDecoded).size(), 1) << c.reason;
        EXPECT_EQ(query.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded), c.text)
            << c.reason;
        // The browser opener's tolerant parse hands on the same address.
        EXPECT_EQ(QUrl(address, QUrl::TolerantMode).toString(QUrl::FullyEncoded), address)
            << c.reason;
    }
}

TEST(MapWebSearch, OpensTheBrowserOnce) {
    fakes::AllFakes fakes;
    platform::MapWebSearch search;
    search.Search(QStringLiteral("Pune Maharashtra India Latitude Longitude"));
    EXPECT_EQ(fakes.urls.opened, QStringList{platform::mapSearchAddress(
                                     QStringLiteral("Pune Maharashtra India Latitude Longitude"))});
}

TEST(QtSettingsStore, KeepsScrambledValuesPerApplicationSectionAndKey) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    platform::QtSettingsStore store(folder.path());
    const QString key = Scrambler::ScrambleText(QStringLiteral("Duration"));
    // Every digit and separator a date record may hold, scrambled (some become control
    // characters of the code page).
    const QString value = Scrambler::ScrambleText(QStringLiteral("0123456789/.-, 2026"));

    EXPECT_EQ(store.read(QStringLiteral("qv-vantrel"), QStringLiteral("Settings"), key), QString())
        << "a missing key reads as the empty text";
    EXPECT_TRUE(store.write(QStringLiteral("qv-vantrel"), QStringLiteral("Settings"), key, value));

    platform::QtSettingsStore again(folder.path());
    EXPECT_EQ(again.read(QStringLiteral("qv-vantrel"), QStringLiteral("Settings"), key), value);
    EXPECT_EQ(again.read(QStringLiteral("renamed"), QStringLiteral("Settings"), key), QString())
        << "another executable name has its own record";
    EXPECT_EQ(again.read(QStringLiteral("qv-vantrel"), QStringLiteral("Other"), key), QString());
    EXPECT_TRUE(QFileInfo::exists(folder.path() + QStringLiteral("/QV Vantrel/qv-vantrel.ini")))
        << "the organization folder is the program's own";
}

// A lock file as QLockFile writes it for a process, by default one of this program.
void writeLock(const QString& path, qint64 pid,
               const QString& program = QCoreApplication::applicationFilePath()) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + '\n' + QFileInfo(program).fileName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
}

// A lock file as a crashed instance leaves it: the details of a process that has ended.
void writeLeftoverLock(const QString& path, qint64 deadPid) {
    writeLock(path, deadPid);
}

qint64 endedProcessId() {
    QProcess child;
    child.start(QStringLiteral("true"), {});
    EXPECT_TRUE(child.waitForStarted());
    const qint64 pid = child.processId();
    EXPECT_TRUE(child.waitForFinished());
    return pid;
}

QString holderPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/instance_holder");
}

// Starts a real instance in another process: it registers in `folder` and waits.
bool startHolder(QProcess& holder, const QString& folder) {
    holder.start(holderPath(), {folder});
    if (!holder.waitForStarted() || !holder.waitForReadyRead(10000)) {
        return false;
    }
    return holder.readLine().trimmed() == "registered";
}

TEST(LockInstanceGuard, AloneThereIsNoOtherInstance) {
    QTemporaryDir folder;
    platform::LockInstanceGuard guard(folder.path());
    EXPECT_FALSE(guard.anotherInstanceRunning()) << "empty folder";
    ASSERT_TRUE(guard.registerThisInstance());
    EXPECT_TRUE(guard.registerThisInstance()) << "registering twice is harmless";
    EXPECT_FALSE(guard.anotherInstanceRunning()) << "its own lock does not count";
}

TEST(LockInstanceGuard, OnlyTheLaterInstanceSeesTheEarlierOne) {
    QTemporaryDir folder;
    platform::LockInstanceGuard first(folder.path());
    platform::LockInstanceGuard second(folder.path());
    ASSERT_TRUE(first.registerThisInstance());
    ASSERT_TRUE(second.registerThisInstance());
    EXPECT_TRUE(second.anotherInstanceRunning()) << "the earlier instance is still running";
    EXPECT_FALSE(first.anotherInstanceRunning())
        << "an instance started later never ends the first one";
    EXPECT_TRUE(second.anotherInstanceRunning()) << "asking again changes nothing";

    platform::LockInstanceGuard third(folder.path());
    ASSERT_TRUE(third.registerThisInstance());
    EXPECT_TRUE(third.anotherInstanceRunning()) << "both earlier ones are running";
    EXPECT_FALSE(first.anotherInstanceRunning());
}

TEST(LockInstanceGuard, EarlierInstanceThatEndsNoLongerCounts) {
    QTemporaryDir folder;
    auto first = std::make_unique<platform::LockInstanceGuard>(folder.path());
    ASSERT_TRUE(first->registerThisInstance());
    platform::LockInstanceGuard second(folder.path());
    ASSERT_TRUE(second.registerThisInstance());
    first.reset();
    EXPECT_FALSE(second.anotherInstanceRunning()) << "the earlier instance has ended";

    platform::LockInstanceGuard third(folder.path());
    ASSERT_TRUE(third.registerThisInstance());
    EXPECT_FALSE(second.anotherInstanceRunning()) << "a later instance does not take its place";
    EXPECT_TRUE(third.anotherInstanceRunning()) << "the second one was running before it";
}

TEST(LockInstanceGuard, EarlierProcessCountsUntilKilled) {
    QTemporaryDir folder;
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, folder.path())) << "helper " << holderPath().toStdString();

    platform::LockInstanceGuard guard(folder.path());
    EXPECT_FALSE(guard.anotherInstanceRunning())
        << "not registered yet: a process started after this one does not count";
    ASSERT_TRUE(guard.registerThisInstance());
    EXPECT_TRUE(guard.anotherInstanceRunning()) << "a live earlier instance in another process";

    holder.kill(); // no clean-up: its lock file stays behind
    ASSERT_TRUE(holder.waitForFinished());
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).size(), 2);
    EXPECT_FALSE(guard.anotherInstanceRunning()) << "the killed instance's lock is stale";
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).size(), 1)
        << "the stale lock is removed";
}

TEST(LockInstanceGuard, LaterProcessDoesNotCount) {
    QTemporaryDir folder;
    platform::LockInstanceGuard guard(folder.path());
    ASSERT_TRUE(guard.registerThisInstance());

    QProcess holder;
    ASSERT_TRUE(startHolder(holder, folder.path())) << "helper " << holderPath().toStdString();
    EXPECT_FALSE(guard.anotherInstanceRunning()) << "the other process started after this one";
    holder.kill();
    holder.waitForFinished();
}

TEST(LockInstanceGuard, LeftoverLockOfAnEndedProcessIsRemoved) {
    QTemporaryDir folder;
    const QString leftover = folder.filePath(QStringLiteral("instance-crashed.lock"));
    writeLeftoverLock(leftover, endedProcessId());
    platform::LockInstanceGuard guard(folder.path());
    ASSERT_TRUE(guard.registerThisInstance());
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_FALSE(QFileInfo::exists(leftover));
}

TEST(LockInstanceGuard, OnlyLockFilesCount) {
    QTemporaryDir folder;
    // Each names a live process, this one; none is a lock file of an instance.
    const QStringList others{QStringLiteral("instance-live.lock.rmlock"),
                             QStringLiteral("instance-live.LOCK"), QStringLiteral("notes.txt"),
                             QStringLiteral("lock")};
    for (const QString& name : others) {
        writeLeftoverLock(folder.filePath(name), QCoreApplication::applicationPid());
    }
    platform::LockInstanceGuard guard(folder.path());
    EXPECT_FALSE(guard.anotherInstanceRunning());
    ASSERT_TRUE(guard.registerThisInstance());
    EXPECT_FALSE(guard.anotherInstanceRunning());
    for (const QString& name : others) {
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(name))) << name.toStdString();
    }
}

TEST(LockInstanceGuard, InstanceThatEndedNormallyLeavesNothing) {
    QTemporaryDir folder;
    {
        platform::LockInstanceGuard earlier(folder.path());
        ASSERT_TRUE(earlier.registerThisInstance());
    }
    platform::LockInstanceGuard guard(folder.path());
    EXPECT_FALSE(guard.anotherInstanceRunning());
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).isEmpty());
}

// What `instance_holder --check` says of the folder: "another" or "alone".
QByteArray checkFromNewProcess(const QString& folder) {
    QProcess checker;
    checker.start(holderPath(), {QStringLiteral("--check"), folder});
    if (!checker.waitForFinished(10000)) {
        return "no answer";
    }
    return checker.readAllStandardOutput().trimmed();
}

TEST(LockInstanceGuard, FailedRegistrationNeverEndsTheFirstInstance) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("instances"));
    {
        QFile plain(folder); // the folder's place is briefly taken by a plain file
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    }
    platform::LockInstanceGuard first(folder);
    EXPECT_FALSE(first.registerThisInstance());
    ASSERT_TRUE(QFile::remove(folder));

    QProcess later;
    ASSERT_TRUE(startHolder(later, folder)) << "helper " << holderPath().toStdString();
    EXPECT_FALSE(first.anotherInstanceRunning()) << "a later instance never ends the first";
#ifdef Q_OS_LINUX
    // Start times are counted in ticks of 10 ms: the next process starts in a later one.
    QThread::msleep(50);
    EXPECT_EQ(checkFromNewProcess(folder), "another")
        << "an unregistered instance started later still sees the earlier one";
#endif
    later.kill();
    later.waitForFinished();
}

TEST(LockInstanceGuard, WithoutAFolderNoInstanceIsSeen) {
    QTemporaryDir folder;
    QProcess holder;
    ASSERT_TRUE(startHolder(holder, folder.path())) << "helper " << holderPath().toStdString();
    // An empty folder name must not fall back to the working folder, where the lock lies.
    const QString workingFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    platform::LockInstanceGuard guard{QString()};
    EXPECT_FALSE(guard.registerThisInstance());
    EXPECT_FALSE(guard.anotherInstanceRunning());
    QDir::setCurrent(workingFolder);
    holder.kill();
    holder.waitForFinished();
}

#ifdef Q_OS_UNIX
struct OwnerCase {
    const char* reason;
    bool otherUser;
    bool counts;
};

// A live process with the name a lock records; as root, it can run as another user.
TEST(LockInstanceGuard, LocksCountOnlyForThisUsersProcesses) {
    const OwnerCase cases[] = {
        {"a live process of this user counts", false, true},
        {"a live process of another user never counts, whatever its name", true, false},
    };
    for (const auto& c : cases) {
        if (c.otherUser && ::geteuid() != 0) {
            GTEST_SKIP() << "only root can start a process as another user";
        }
        QProcess process;
        if (c.otherUser) {
            process.setChildProcessModifier([] {
                constexpr uid_t nobody = 65534;
                if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
                    ::_exit(1);
                }
            });
        }
        process.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        ASSERT_TRUE(process.waitForStarted()) << c.reason;
        QTemporaryDir folder;
        writeLock(folder.filePath(QStringLiteral("instance-other.lock")), process.processId(),
                  QStringLiteral("sleep"));
        platform::LockInstanceGuard guard(folder.path());
        ASSERT_TRUE(guard.registerThisInstance()) << c.reason;
        EXPECT_EQ(guard.anotherInstanceRunning(), c.counts) << c.reason;
        process.kill();
        process.waitForFinished();
    }
}
#endif

} // namespace
