#include "QtSettingsStore.h"

#include "Production.h"
#include "RegularFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariantMap>

#include <cctype>

namespace platform {

namespace {
// The native store of Windows and macOS is no file of ours; QSettings keeps it.
constexpr bool nativeStoreIsAFile =
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    true;
#else
    false;
#endif

// The start of a value as QSettings reads it: quotes and white space dropped, "\xHH"
// escapes decoded.
QByteArray valueStart(QByteArrayView value) {
    QByteArray start;
    for (qsizetype i = 0; i < value.size() && start.size() < 12;) {
        const char c = value[i];
        if (c == '"' || c == ' ' || c == '\t') {
            ++i;
        } else if (c == '\\' && i + 1 < value.size() && value[i + 1] == 'x') {
            qsizetype end = i + 2;
            while (end < value.size() && std::isxdigit(static_cast<unsigned char>(value[end]))) {
                ++end;
            }
            const uint code = value.sliced(i + 2, end - i - 2).toByteArray().toUInt(nullptr, 16);
            start.append(code > 0 && code < 0x80 ? char(code) : '?');
            i = end;
        } else {
            start.append(c);
            ++i;
        }
    }
    return start;
}

// True when a value would be decoded by QSettings from its binary form, whose lengths it
// trusts: a damaged or planted "@Variant(" can make it claim gigabytes. The program stores
// only text, which QSettings never writes so.
bool holdsBinaryValue(const QByteArray& contents) {
    for (const QByteArray& line : contents.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            continue;
        }
        const QByteArray start = valueStart(QByteArrayView(line).sliced(equals + 1));
        if (start.startsWith("@Variant(") || start.startsWith("@DateTime(")) {
            return true;
        }
    }
    return false;
}

// The contents of a settings file: empty when there is none. Nothing when the path holds
// anything but a regular file of at most `largestFile` bytes (a FIFO, a folder, a dangling
// link), when it cannot be read, or when it holds a binary value; opening it never waits.
std::optional<QByteArray> readSettingsFile(const QString& path) {
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink()) {
        return QByteArray();
    }
    const auto file = OpenRegularFile(path);
    if (file == nullptr) {
        return std::nullopt;
    }
    QByteArray contents = file->read(QtSettingsStore::largestFile + 1);
    if (contents.size() > QtSettingsStore::largestFile || holdsBinaryValue(contents)) {
        return std::nullopt;
    }
    return contents;
}

QVariantMap allValues(const QSettings& settings) {
    QVariantMap values;
    for (const QString& key : settings.allKeys()) {
        values.insert(key, settings.value(key));
    }
    return values;
}

// The values of the open group handed to `change`, and its answer stored in their place.
void changeGroup(QSettings& settings, const std::function<void(SettingsStore::Values&)>& change) {
    SettingsStore::Values values;
    for (const QString& key : settings.childKeys()) {
        values.insert(key, settings.value(key).toString());
    }
    const SettingsStore::Values before = values;
    change(values);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!values.contains(it.key())) {
            settings.remove(it.key());
        }
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!before.contains(it.key()) || before.value(it.key()) != it.value()) {
            settings.setValue(it.key(), it.value());
        }
    }
}

// A lock path QLockFile can use: absent or a regular file. QLockFile reads an existing lock
// with a blocking open and waits for ever on one it can neither take nor remove, so a link,
// FIFO or folder there makes the write fail at once instead.
bool usableLockPath(const QString& path) {
    const QFileInfo entry(path);
    return !entry.isSymLink() && (!entry.exists() || entry.isFile());
}

// QSettings reads and changes a copy of the file in a private folder of its own, where no
// one else can place anything.
class PrivateCopy {
public:
    explicit PrivateCopy(const QByteArray& contents) {
        if (folder_.isValid() && writeWholeFile(path(), contents).isEmpty()) {
            valid_ = true;
        }
    }
    bool isValid() const { return valid_; }
    QString path() const { return folder_.filePath(QStringLiteral("settings.ini")); }

private:
    QTemporaryDir folder_;
    bool valid_ = false;
};
} // namespace

QString QtSettingsStore::recordFile(const QString& application) const {
    if (!folder_.isEmpty()) {
        return folder_ + QLatin1Char('/') + settingsOrganization() + QLatin1Char('/') +
               application + QStringLiteral(".ini");
    }
    if (!nativeStoreIsAFile) {
        return {};
    }
    // Where QSettings keeps a user's native settings on these systems.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + settingsOrganization() + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

std::optional<QString> QtSettingsStore::read(const QString& application, const QString& section,
                                             const QString& key) {
    const QString path = recordFile(application);
    if (path.isEmpty()) {
        QSettings native(QSettings::NativeFormat, QSettings::UserScope, settingsOrganization(),
                         application);
        native.beginGroup(section);
        return native.value(key).toString();
    }
    const std::optional<QByteArray> contents = readSettingsFile(path);
    if (!contents) {
        return std::nullopt;
    }
    if (contents->isEmpty()) {
        return QString();
    }
    const PrivateCopy copy(*contents);
    if (!copy.isValid()) {
        return std::nullopt;
    }
    QSettings settings(copy.path(), QSettings::IniFormat);
    settings.beginGroup(section);
    return settings.value(key).toString();
}

bool QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
    return update(application, section, [&](Values& values) { values.insert(key, value); });
}

bool QtSettingsStore::update(const QString& application, const QString& section,
                             const std::function<void(Values&)>& change) {
    const QString path = recordFile(application);
    if (path.isEmpty()) {
        // The system's own store, which has no lock to share: changed in one go.
        QSettings native(QSettings::NativeFormat, QSettings::UserScope, settingsOrganization(),
                         application);
        native.beginGroup(section);
        changeGroup(native, change);
        native.endGroup();
        native.sync();
        return native.status() == QSettings::NoError;
    }
    const QString lockPath = path + QStringLiteral(".lock");
    // QLockFile removes a stale lock under a second lock of this name.
    const QString removalLockPath = lockPath + QStringLiteral(".rmlock");
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !usableLockPath(lockPath) ||
        !usableLockPath(removalLockPath)) {
        return false;
    }
    // The lock QSettings takes for the same file, so that a writer of either kind waits for
    // the other; a lock that stays taken, or that cannot be removed, ends the write.
    QLockFile lock(lockPath);
    if (!lock.tryLock(lockWaitMs)) {
        return false;
    }
    // Read again under the lock: values another writer stored meanwhile are kept.
    const std::optional<QByteArray> contents = readSettingsFile(path);
    if (!contents) {
        return false;
    }
    const PrivateCopy copy(*contents);
    if (!copy.isValid()) {
        return false;
    }
    QVariantMap expected;
    {
        QSettings settings(copy.path(), QSettings::IniFormat);
        // A file QSettings cannot parse is left as it is rather than rewritten.
        if (settings.status() != QSettings::NoError) {
            return false;
        }
        settings.beginGroup(section);
        changeGroup(settings, change);
        settings.endGroup();
        expected = allValues(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return false;
        }
    }
    const auto changed = OpenRegularFile(copy.path());
    if (changed == nullptr) {
        return false;
    }
    const QByteArray result = changed->readAll();
    // QSettings does not notice every short write of its own file (a full disk), and keeps
    // what it meant to write in memory, under the file's name. So the bytes are read again
    // under another name, and must hold every value, before they may replace the real file.
    {
        const PrivateCopy check(result);
        if (!check.isValid()) {
            return false;
        }
        QSettings written(check.path(), QSettings::IniFormat);
        if (written.status() != QSettings::NoError || allValues(written) != expected) {
            return false;
        }
    }
    // Written whole to a new file that then takes the old one's place: the process may end
    // right after, a disk may fill up, and a reader never meets half a file.
    return writeWholeFile(path, result).isEmpty();
}

SettingsStore& productionSettingsStore() {
    static QtSettingsStore layer;
    return layer;
}

} // namespace platform
