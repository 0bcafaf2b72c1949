#include "platform/DesktopUrlOpener.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A referral address: its query holds names and e-mail addresses.
const QString address =
    QStringLiteral("https://forum.example/refer?taf1=Ann%20Lee&taf2=ann%40mail.example");

// Records every message that reaches the program's handler while it lives.
struct CapturedMessages {
    CapturedMessages() : previous(qInstallMessageHandler(record)) { current = this; }
    ~CapturedMessages() {
        qInstallMessageHandler(previous);
        current = nullptr;
    }
    static void record(QtMsgType, const QMessageLogContext&, const QString& text) {
        current->texts << text;
    }
    QStringList texts;
    QtMessageHandler previous;
    static inline CapturedMessages* current = nullptr;
};

TEST(LaunchMessages, DroppedDuringTheCallOnly) {
    CapturedMessages log;
    qWarning("before");
    platform::withoutLaunchMessages(
        [] { qWarning("Unable to detect a web browser to launch '%s'", qPrintable(address)); });
    qWarning("after");
    EXPECT_EQ(log.texts, (QStringList{QStringLiteral("before"), QStringLiteral("after")}))
        << "only the call's messages are dropped, and the handler is put back";
}

TEST(LaunchMessages, OtherThreadsStillLog) {
    CapturedMessages log;
    platform::withoutLaunchMessages([] {
        QThread* other = QThread::create([] { qWarning("from another thread"); });
        other->start();
        other->wait();
        delete other;
    });
    EXPECT_EQ(log.texts, QStringList{QStringLiteral("from another thread")});
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Sets an environment variable for its lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedVariable() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// Standard error of this process, sent to a file for its lifetime: what the program and its
// children write there.
class CapturedStandardError {
public:
    explicit CapturedStandardError(const QString& path) : file_(path) {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        if (file_.open(QIODevice::WriteOnly)) {
            ::dup2(file_.handle(), STDERR_FILENO);
        }
    }
    ~CapturedStandardError() {
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }

private:
    QFile file_;
    int saved_ = -1;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct OpenerCase {
    const char* reason;
    const char* program; // name of the stand-in opener placed on the PATH; nullptr: none
    const char* browser; // BROWSER; nullptr: unset
    bool opens;
};

// The stand-in opener notes the address it was given and complains on standard error, as an
// opener that finds no browser does; neither that nor any message of Qt's reaches a log.
TEST(DesktopUrlOpener, HandsTheAddressOnQuietlyOrNotAtAll) {
    const OpenerCase cases[] = {
        {"the desktop's opener", "xdg-open", nullptr, true},
        {"the browser the environment names", "some-browser", "some-browser:other", true},
        {"no opener: nothing is started and nothing said", nullptr, nullptr, false},
        {"a named browser that does not exist, and no opener", nullptr, "no-such-browser", false},
        {"a named browser that does not exist: the desktop's opener", "xdg-open", "no-such-browser",
         true},
    };
    for (const auto& c : cases) {
        QTemporaryDir bin;
        const QString handed = bin.filePath(QStringLiteral("handed"));
        if (c.program != nullptr) {
            QFile script(bin.filePath(QString::fromLatin1(c.program)));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho \"no method available for opening '$1'\" >&2\n"
                         "echo \"$1\" > \"" +
                         QFile::encodeName(handed) +
                         ".part\"\n"
                         "/bin/mv \"" +
                         QFile::encodeName(handed) + ".part\" \"" + QFile::encodeName(handed) +
                         "\"\n");
            script.close();
            ASSERT_TRUE(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const ScopedVariable path("PATH", QFile::encodeName(bin.path()));
        const ScopedVariable browser("BROWSER", c.browser ? QByteArray(c.browser) : QByteArray());
        const QString errors = bin.filePath(QStringLiteral("stderr"));
        CapturedMessages log;
        {
            const CapturedStandardError standardError(errors);
            platform::DesktopUrlOpener().open(address);
            if (c.opens) {
                const QDeadlineTimer deadline(10000);
                while (!QFile::exists(handed) && !deadline.hasExpired()) {
                    QThread::msleep(10);
                }
                QThread::msleep(50); // the opener's complaint is written by now
            }
        }
        EXPECT_EQ(QFile::exists(handed), c.opens) << c.reason;
        if (c.opens) {
            EXPECT_EQ(readAll(handed).trimmed(), address.toLatin1()) << c.reason;
        }
        EXPECT_FALSE(readAll(errors).contains("taf1"))
            << c.reason << ": " << readAll(errors).data();
        EXPECT_TRUE(log.texts.isEmpty()) << c.reason << ": " << log.texts.join('\n').toStdString();
    }
}
#endif

} // namespace
