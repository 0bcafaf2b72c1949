// Hand-over between copies of the program: real receiving processes (handover_peer), the
// sender in this process or the program itself, and the receiving window's rules.
#include "shell/Handover.h"

#include "platform/HandoverChannel.h"
#include "platform/ModalWindows.h"
#include "tests/aids/SavedReadingFiles.h"
#include "tests/support/Fakes.h"
#include "ui/RecentReadings.h"
#include "ui/frmMain.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::HandoverOutcome;
using platform::HandOverPath;

constexpr int Answer = 2000;

// The receiving copies of one test; each is killed when the test ends.
class Peers {
public:
    ~Peers() {
        for (auto& peer : peers_) {
            peer->kill();
            peer->waitForFinished(5000);
        }
    }
    // Starts a copy in `folder` and waits until it listens.
    QProcess* start(const char* mode, const QString& folder) {
        auto peer = std::make_unique<QProcess>();
        peer->start(QCoreApplication::applicationDirPath() + QStringLiteral("/handover_peer"),
                    {QLatin1String(mode), folder});
        EXPECT_TRUE(peer->waitForStarted(5000));
        EXPECT_TRUE(peer->waitForReadyRead(10000));
        EXPECT_EQ(peer->readLine().trimmed(), QByteArray("ready")) << mode;
        peers_.push_back(std::move(peer));
        return peers_.back().get();
    }

private:
    std::vector<std::unique_ptr<QProcess>> peers_;
};

// The next line a peer writes, waiting at most five seconds for it.
QByteArray nextLine(QProcess& peer) {
    if (!peer.canReadLine()) {
        peer.waitForReadyRead(5000);
    }
    return peer.readLine().trimmed();
}

QStringList sockets(const QString& folder) {
    QStringList found;
    for (const QString& name : QDir(folder).entryList(QDir::System | QDir::Files)) {
        if (name.endsWith(QStringLiteral(".sock"))) {
            found << name;
        }
    }
    return found;
}

TEST(Handover, NobodyListeningMeansNoReceiver) {
    QTemporaryDir folder;
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::NoReceiver);
}

// Without a private runtime folder the folder's name is empty; that is never read as the
// working folder, whose sockets could be anybody's.
TEST(Handover, NoFolderMeansNoReceiver) {
    QTemporaryDir folder;
    Peers peers;
    QProcess* copy = peers.start("take", folder.path());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    EXPECT_EQ(HandOverPath(QString(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::NoReceiver);
    QDir::setCurrent(before);
    EXPECT_FALSE(copy->waitForReadyRead(200)) << "the copy in the working folder is not asked";
}

TEST(Handover, TheEarliestCopyTakesThePath) {
    QTemporaryDir folder;
    Peers peers;
    QProcess* first = peers.start("take", folder.path());
    QTest::qWait(20); // sockets made in the same instant are told apart by their names only
    QProcess* second = peers.start("take", folder.path());
    const QString path = QStringLiteral("/some folder/Ann & Lee \u00e9.nak");
    EXPECT_EQ(HandOverPath(folder.path(), path, Answer), HandoverOutcome::Delivered);
    EXPECT_EQ(QString::fromUtf8(nextLine(*first)), QStringLiteral("took ") + path);
    EXPECT_FALSE(second->waitForReadyRead(200)) << "the later copy is not asked";
}

TEST(Handover, ARefusingCopyPassesThePathOn) {
    QTemporaryDir folder;
    Peers peers;
    QProcess* closing = peers.start("refuse", folder.path());
    QTest::qWait(20);
    QProcess* open = peers.start("take", folder.path());
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::Delivered);
    EXPECT_EQ(nextLine(*closing), QByteArray("refused /r.nak"));
    EXPECT_EQ(nextLine(*open), QByteArray("took /r.nak"));
}

TEST(Handover, AllRefusingMeansNotTaken) {
    QTemporaryDir folder;
    Peers peers;
    peers.start("refuse", folder.path());
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::NotTaken);
}

TEST(Handover, ACopyThatDoesNotAnswerIsGivenUpAfterTheWait) {
    QTemporaryDir folder;
    Peers peers;
    peers.start("hang", folder.path());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::NotTaken);
    // Bounded: the sender neither gives up at once nor waits on past its time.
    EXPECT_GE(clock.elapsed(), Answer - 100);
    EXPECT_LT(clock.elapsed(), Answer + 3000);
}

TEST(Handover, ACopyThatHangsDoesNotKeepThePathFromTheNext) {
    QTemporaryDir folder;
    Peers peers;
    peers.start("hang", folder.path());
    QTest::qWait(20);
    QProcess* open = peers.start("take", folder.path());
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::Delivered);
    EXPECT_EQ(nextLine(*open), QByteArray("took /r.nak"));
}

TEST(Handover, TheSocketOfAKilledCopyIsClearedOnTheWay) {
    QTemporaryDir folder;
    Peers peers;
    QProcess* dead = peers.start("take", folder.path());
    dead->kill(); // no clean-up: its socket and lock stay behind
    dead->waitForFinished(5000);
    ASSERT_EQ(sockets(folder.path()).size(), 1);
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/r.nak"), Answer),
              HandoverOutcome::NoReceiver);
    EXPECT_TRUE(sockets(folder.path()).isEmpty());
}

// The program itself as the second copy: it hands its argument over, made absolute, and ends
// without showing anything.
TEST(Handover, TheProgramStartedWithAFileHandsItOverAndEnds) {
    // Made for this user only, as a runtime folder must be, and short: a socket's path has
    // room for about a hundred bytes.
    QTemporaryDir runtime(QStringLiteral("/tmp/vt-XXXXXX"));
    const QString folder = runtime.filePath(QStringLiteral("qv-vantrel-instances/qv-vantrel"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Peers peers;
    QProcess* running = peers.start("take", folder);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(runtime.path());
    second.start(QStringLiteral(VANTREL_PROGRAM), {QStringLiteral("lost ring.nak")});
    if (!second.waitForFinished(15000)) {
        second.kill();
        second.waitForFinished(5000);
        FAIL() << "the second copy did not end by itself";
    }
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(nextLine(*running)),
              QStringLiteral("took ") + runtime.filePath(QStringLiteral("lost ring.nak")));
}

// Both ends the program itself: the first copy listens once its window is up, and the second
// hands its reading over and ends while the first keeps running.
TEST(Handover, TwoCopiesOfTheProgram) {
    QTemporaryDir runtime(QStringLiteral("/tmp/vt-XXXXXX"));
    const QString folder = runtime.filePath(QStringLiteral("qv-vantrel-instances/qv-vantrel"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       runtime.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString reading = runtime.filePath(QStringLiteral("r.nak"));
    ASSERT_TRUE(savedfiles::writeFile(reading, savedfiles::fileBytes(savedfiles::FullReading)));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(VANTREL_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    for (int waited = 0; sockets(folder).isEmpty() && waited < 15000; waited += 50) {
        QTest::qWait(50);
    }
    EXPECT_EQ(sockets(folder).size(), 1) << "the first copy listens once it is shown";

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(VANTREL_PROGRAM), {reading});
    const bool ended = second.waitForFinished(15000);
    if (!ended) {
        second.kill();
        second.waitForFinished(5000);
    }
    EXPECT_TRUE(ended) << "the second copy ends by itself";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(sockets(folder).size(), 1) << "the sender never listens itself";
    // The first copy shows it: the opened reading heads its recent list.
    const QString settings = runtime.filePath(QStringLiteral("config/QV Vantrel/qv-vantrel.conf"));
    const auto recentListHasReading = [&] {
        QFile file(settings);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("r.nak");
    };
    for (int waited = 0; !recentListHasReading() && waited < 10000; waited += 50) {
        QTest::qWait(50);
    }
    EXPECT_TRUE(recentListHasReading()) << "the first copy opened the reading";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}

// Many copies started at once, as a file manager starts one per selected file, with a copy
// running: every reading reaches it, also when the runtime folder's path is too long for a
// socket beside the locks.
TEST(Handover, ManyCopiesAtOnceHandEveryReadingOver) {
    QTemporaryDir runtime;
    for (const QString& folder :
         {runtime.path(), runtime.filePath(QString(70, QLatin1Char('l')) +
                                           QStringLiteral("/qv-vantrel-instances/qv-vantrel"))}) {
        ASSERT_TRUE(QDir().mkpath(folder));
        Peers peers;
        QProcess* running = peers.start("take", folder);
        constexpr int Copies = 12;
        std::vector<HandoverOutcome> outcomes(Copies);
        std::vector<std::thread> copies;
        for (int i = 0; i < Copies; ++i) {
            copies.emplace_back([&, i] {
                outcomes[std::size_t(i)] =
                    Handover::Deliver(folder, QStringLiteral("/r%1.nak").arg(i));
            });
        }
        for (std::thread& copy : copies) {
            copy.join();
        }
        QStringList taken;
        for (int i = 0; i < Copies; ++i) {
            EXPECT_EQ(outcomes[std::size_t(i)], HandoverOutcome::Delivered) << folder.size();
            taken << QString::fromUtf8(nextLine(*running));
        }
        taken.sort();
        EXPECT_EQ(taken.removeDuplicates(), 0);
        EXPECT_EQ(taken.size(), Copies);
    }
}

// The receiving end in this process, and senders speaking to it byte by byte.
class Receiving : public ::testing::Test {
protected:
    explicit Receiving(int senderMs = platform::HandoverReceiver::SenderMilliseconds)
        : receiver(
              [this](const QString& path) {
                  taken << path;
                  return true;
              },
              nullptr, senderMs) {
        socket = folder.filePath(QStringLiteral("instance-test.sock"));
        EXPECT_TRUE(receiver.listen(socket));
    }
    // A connected sender; -1 when it cannot connect.
    int connectSender() const {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(socket);
        std::copy(native.begin(), native.end(), address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }
    // What the receiver answers, served from the event loop: "" when it closes unanswered,
    // nothing when it has done neither within three seconds.
    static std::optional<QByteArray> answerTo(int fd) {
        for (int waited = 0; waited < 3000; waited += 10) {
            pollfd entry{fd, POLLIN, 0};
            if (::poll(&entry, 1, 0) > 0) {
                char buffer[16];
                const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                return n > 0 ? QByteArray(buffer, n) : QByteArray();
            }
            QTest::qWait(10);
        }
        return std::nullopt;
    }

    QTemporaryDir folder;
    QStringList taken;
    platform::HandoverReceiver receiver;
    QString socket;
};

TEST_F(Receiving, OnlyAnAbsolutePathWithoutANulIsTaken) {
    const struct {
        const char* reason;
        QByteArray message;
        QByteArray answer;
        QString taken; // empty: nothing
    } rows[] = {
        {"an absolute path", "%2Fa%20b.nak\n", "OK\n", QStringLiteral("/a b.nak")},
        {"a line feed in a name arrives whole", "/a%0Ab.nak\n", "OK\n",
         QStringLiteral("/a\nb.nak")},
        {"a relative path", "a.nak\n", "NO\n", {}},
        {"a NUL in the path", "/a%00b.nak\n", "NO\n", {}},
        {"over 16 KiB, dropped unanswered", "/" + QByteArray(17000, 'a') + "\n", "", {}},
    };
    for (const auto& row : rows) {
        taken.clear();
        const int fd = connectSender();
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::send(fd, row.message.constData(), std::size_t(row.message.size()), 0),
                  row.message.size());
        EXPECT_EQ(answerTo(fd), row.answer) << row.reason;
        ::close(fd);
        EXPECT_EQ(taken, row.taken.isEmpty() ? QStringList() : QStringList{row.taken})
            << row.reason;
    }
}

class SilentSenders : public Receiving {
protected:
    SilentSenders() : Receiving(300) {}
};

// A sender that says nothing holds up neither the window nor other senders, and is dropped.
TEST_F(SilentSenders, AreDroppedWhileOthersAreServed) {
    const int silent = connectSender();
    ASSERT_GE(silent, 0);
    const int other = connectSender();
    ASSERT_GE(other, 0);
    ASSERT_EQ(::send(other, "/b.nak\n", 7, 0), 7);
    EXPECT_EQ(answerTo(other), QByteArray("OK\n"));
    EXPECT_EQ(answerTo(silent), QByteArray()) << "closed unanswered after its time";
    EXPECT_EQ(taken, QStringList{QStringLiteral("/b.nak")});
    ::close(silent);
    ::close(other);
}

// The user-id guards, which only a superuser can try: as another user, the child process.
class AnotherUser : public Receiving {
protected:
    static constexpr uid_t Nobody = 65534;
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "acting as another user needs root";
        }
    }
    // Runs `act` as another user in a child process while this one serves the receiver;
    // the child's exit code.
    static int asAnotherUser(const std::function<int()>& act) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(::setgid(Nobody) == 0 && ::setuid(Nobody) == 0 ? act() : 99);
        }
        int status = 0;
        for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0 && waited < 5000;
             waited += 10) {
            QTest::qWait(10);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
    }
};

TEST_F(AnotherUser, GetsNoAnswer) {
    // Reachable by anyone, as a careless setup might leave it: the peer check alone guards.
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(socket).constData(), 0777), 0);
    const int code = asAnotherUser([this] {
        const int fd = connectSender();
        if (fd < 0 || ::send(fd, "/x.nak\n", 7, 0) != 7) {
            return 3;
        }
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, 2000) <= 0) {
            return 4;
        }
        // Closed: an end of file, or a reset for the message left unread.
        char buffer[8];
        return ::recv(fd, buffer, sizeof buffer, 0) > 0 ? 2 : 0;
    });
    EXPECT_EQ(code, 0) << "2: answered, 3: could not connect, 4: left open";
    EXPECT_TRUE(taken.isEmpty());
}

TEST_F(AnotherUser, OwnsASocketThatIsNeverContacted) {
    ASSERT_EQ(::lchown(QFile::encodeName(socket).constData(), Nobody, Nobody), 0);
    EXPECT_EQ(HandOverPath(folder.path(), QStringLiteral("/x.nak"), 300),
              HandoverOutcome::NoReceiver);
    QTest::qWait(50);
    EXPECT_TRUE(taken.isEmpty());
}

// Copies of the program started at once, none running before: each reading is opened, by the
// copy it was given to or by one it was handed to; the recent list, which every opening
// copy adds to, ends with all of them.
TEST(Handover, AtAColdStartNoReadingIsLost) {
    QTemporaryDir runtime(QStringLiteral("/tmp/vt-XXXXXX"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       runtime.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < RecentReadings::Limit; ++i) {
        const QString reading = runtime.filePath(QStringLiteral("r%1.nak").arg(i));
        ASSERT_TRUE(savedfiles::writeFile(reading, savedfiles::fileBytes(savedfiles::FullReading)));
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->setProcessEnvironment(environment);
        copies.back()->start(QStringLiteral(VANTREL_PROGRAM), {reading});
    }
    const QString settings = runtime.filePath(QStringLiteral("config/QV Vantrel/qv-vantrel.conf"));
    const auto opened = [&] {
        QFile file(settings);
        const QByteArray list = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        int count = 0;
        for (int i = 0; i < RecentReadings::Limit; ++i) {
            count += list.contains(QStringLiteral("r%1.nak").arg(i).toUtf8()) ? 1 : 0;
        }
        return count;
    };
    for (int waited = 0; opened() < RecentReadings::Limit && waited < 30000; waited += 100) {
        QTest::qWait(100);
    }
    EXPECT_EQ(opened(), RecentReadings::Limit);
    for (auto& copy : copies) {
        copy->kill();
        copy->waitForFinished(5000);
    }
}

TEST(Handover, StartupFileIsTheFirstArgumentMadeAbsolute) {
    EXPECT_EQ(Handover::StartupFile({QStringLiteral("qv-vantrel")}), QString());
    EXPECT_EQ(Handover::StartupFile({QStringLiteral("qv-vantrel"), QStringLiteral("/a/b.nak")}),
              QStringLiteral("/a/b.nak"));
    EXPECT_EQ(Handover::StartupFile({QStringLiteral("qv-vantrel"), QStringLiteral("b.nak")}),
              QDir::current().absoluteFilePath(QStringLiteral("b.nak")));
}

class InboxTest : public ::testing::Test {
protected:
    InboxTest() {
        window.show();
        path = folder.filePath(QStringLiteral("r.nak"));
        savedfiles::writeFile(path, savedfiles::fileBytes(savedfiles::FullReading));
    }
    QString name() { return window.findChild<QLineEdit*>(QStringLiteral("txtName"))->text(); }

    fakes::AllFakes fakes;
    frmMain window;
    Handover::Inbox inbox{window};
    QSignalSpy opened{&window, &frmMain::savedReadingOpened};
    QTemporaryDir folder;
    QString path;
};

TEST_F(InboxTest, ATakenPathOpensFromTheEventLoop) {
    EXPECT_TRUE(inbox.take(path));
    EXPECT_EQ(opened.count(), 0) << "the sender has its answer first";
    QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 5000);
    EXPECT_EQ(name(), QStringLiteral("Asha Rao"));
}

TEST_F(InboxTest, AModalWindowKeepsPathsWaitingInOrder) {
    QDialog modal(&window);
    const QString missing = folder.filePath(QStringLiteral("gone.nak"));
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(inbox.take(missing));
        EXPECT_TRUE(inbox.take(path));
        QTest::qWait(300);
        EXPECT_EQ(inbox.waiting(), 2);
        EXPECT_TRUE(fakes.messages.shown.empty());
        modal.reject();
    });
    platform::runModal(modal);
    QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 5000);
    EXPECT_EQ(inbox.waiting(), 0);
    ASSERT_EQ(fakes.messages.shown.size(), 1u) << "the missing file came first";
    EXPECT_TRUE(fakes.messages.shown[0].text.contains(missing));
}

TEST_F(InboxTest, AClosingWindowRefuses) {
    window.close();
    EXPECT_FALSE(inbox.take(path));
    QTest::qWait(50);
    EXPECT_EQ(opened.count(), 0);
}

} // namespace
