// Any settings file, then a value written into it and read back through the settings store.
// The fuzzer's bytes are the file (up to the first "\n--\n"), then the value in UTF-8; the
// first byte picks the section and key among the program's own and some odd ones. Whatever
// the file held, a write that succeeds reads back as written and keeps the section's other
// values; one that fails leaves the file as it was:
//
//   fuzz_settings_store -max_len=4096 corpus/
#include "platform/QtSettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool promise) {
    if (!promise) {
        std::abort();
    }
}

struct Name {
    const char* section;
    const char* key;
};
constexpr std::array<Name, 6> Names = {{
    {"Recent Readings", "File1"},
    {"Settings", "LastShown"},
    {"General", "x"},
    {"a b", "c d"},
    {"%", "@Variant(x)"},
    {"Recent Readings", "File5"},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1,
                           static_cast<qsizetype>(size - 1));
    const qsizetype split = bytes.indexOf("\n--\n");
    const QByteArray file = split < 0 ? bytes : bytes.left(split);
    const QString value = split < 0 ? QString() : QString::fromUtf8(bytes.mid(split + 4));
    const Name& name = Names[data[0] % Names.size()];
    const QString section = QString::fromUtf8(name.section);
    const QString key = QString::fromUtf8(name.key);
    const QString other = QStringLiteral("Other");

    platform::QtSettingsStore store(folder.path());
    const QString application = QStringLiteral("fuzz");
    const QString path = store.recordFile(application);
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile out(path);
        check(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(out.write(file) == file.size());
    }
    const std::optional<QString> before = store.read(application, section, other);
    static_cast<void>(store.read(application, section, key));
    if (store.write(application, section, key, value)) {
        check(store.read(application, section, key) == value);
        check(store.read(application, section, other) == before);
    } else {
        QFile in(path);
        check(in.open(QIODevice::ReadOnly) && in.readAll() == file);
    }
    return 0;
}
