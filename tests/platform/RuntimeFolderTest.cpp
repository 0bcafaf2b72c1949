#include "platform/RuntimeFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// An account that is not the one running the tests.
constexpr uid_t otherUser = 65534;

mode_t modeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

void makeFolder(const QString& path, mode_t mode) {
    ASSERT_TRUE(QDir().mkdir(path));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

struct FolderCase {
    const char* reason;
    std::function<void(const QString& path, const QString& elsewhere)> place;
    bool claimed;
};

TEST(RuntimeFolder, OnlyAPrivateFolderOfThisUserIsClaimed) {
    const FolderCase cases[] = {
        {"missing: created", [](const QString&, const QString&) {}, true},
        {"this user's, mode 0700", [](const QString& p, const QString&) { makeFolder(p, 0700); },
         true},
        {"others may enter (mode 0777)",
         [](const QString& p, const QString&) { makeFolder(p, 0777); }, false},
        {"the group may read (mode 0750)",
         [](const QString& p, const QString&) { makeFolder(p, 0750); }, false},
        {"a link to a private folder",
         [](const QString& p, const QString& elsewhere) {
             makeFolder(elsewhere, 0700);
             ASSERT_TRUE(QFile::link(elsewhere, p));
         },
         false},
        {"a plain file",
         [](const QString& p, const QString&) {
             QFile file(p);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         false},
    };
    for (const auto& c : cases) {
        QTemporaryDir root;
        const QString path = root.filePath(QStringLiteral("private"));
        c.place(path, root.filePath(QStringLiteral("elsewhere")));
        const QString claimed = platform::claimPrivateFolder(path);
        EXPECT_EQ(claimed, c.claimed ? path : QString()) << c.reason;
        if (c.claimed) {
            EXPECT_EQ(modeOf(path), 0700U) << c.reason;
        }
    }
}

TEST(RuntimeFolder, AnotherUsersFolderIsNeverClaimed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a folder to another user";
    }
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("private"));
    makeFolder(path, 0700);
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), otherUser, otherUser), 0);
    EXPECT_EQ(platform::claimPrivateFolder(path), QString()) << "made first by another user";
    EXPECT_FALSE(platform::isPrivateFolder(path));
}

// Sets an environment variable for its lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(RuntimeFolder, RuntimeFolderWhenPrivateElseOwnFolderInTheTemporaryFolder) {
    QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    const QString temporary = root.filePath(QStringLiteral("tmp"));
    makeFolder(temporary, 0777);
    const ScopedVariable tmpdir("TMPDIR", QFile::encodeName(temporary));
    const QString own = temporary + QStringLiteral("/qv-vantrel-") + QString::number(::geteuid());

    makeFolder(runtime, 0700);
    {
        const ScopedVariable xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        EXPECT_EQ(platform::userRuntimeFolder(), runtime) << "a private runtime folder";
    }
    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0777), 0);
    {
        const ScopedVariable xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        EXPECT_EQ(platform::userRuntimeFolder(), own) << "a runtime folder others may enter";
    }
    {
        const ScopedVariable xdg("XDG_RUNTIME_DIR", "relative/folder");
        EXPECT_EQ(platform::userRuntimeFolder(), own) << "a relative runtime folder";
    }
    const ScopedVariable unset("XDG_RUNTIME_DIR", QByteArray());
    EXPECT_EQ(platform::userRuntimeFolder(), own) << "no runtime folder";
    EXPECT_EQ(modeOf(own), 0700U);

    // Someone made the folder first and lets everyone in: it is never used.
    ASSERT_EQ(::chmod(QFile::encodeName(own).constData(), 0777), 0);
    EXPECT_EQ(platform::userRuntimeFolder(), QString()) << "a taken name gives no folder";
}
#endif

} // namespace
