#include "ReadingFileReader.h"

#include "SavedReading.h"

#include "ProgramInfo.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cmath>
#include <memory>

namespace ReadingFile {
namespace {

QString quoted(const char* section, const char* key) {
    const QString name = section == nullptr
                             ? QLatin1String(key)
                             : QLatin1String(section) + QLatin1Char('.') + QLatin1String(key);
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// A text of the reader's messages in the language in force.
QString message(const char* source) {
    return QCoreApplication::translate("ReadingFile", source);
}

// `fault` names the field as "%1".
Unreadable fieldFault(const char* section, const char* key, const char* fault) {
    return {message(fault).arg(quoted(section, key))};
}

// The fields of a record as they are taken from the file, the first fault kept.
class Fields {
public:
    explicit Fields(const QJsonObject& file) : file_(file) {}

    const std::optional<Unreadable>& fault() const { return fault_; }

    void text(const char* section, const char* key, QString& into) {
        const QJsonValue value = find(section, key);
        if (fault_) {
            return;
        }
        if (!value.isString()) {
            fault_ = fieldFault(section, key,
                                QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is not a text"));
            return;
        }
        into = value.toString();
    }

    void flag(const char* section, const char* key, bool& into) {
        const QJsonValue value = find(section, key);
        if (fault_) {
            return;
        }
        if (!value.isBool()) {
            fault_ =
                fieldFault(section, key,
                           QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is not true or false"));
            return;
        }
        into = value.toBool();
    }

    // A list's number; null for no entry only where `nullable`.
    void number(const ListField& field, std::optional<int>& into, bool nullable) {
        const QJsonValue value = find(field.section, field.key);
        if (fault_) {
            return;
        }
        if (nullable && value.isNull()) {
            into.reset();
            return;
        }
        if (!value.isDouble()) {
            fault_ = fieldFault(field.section, field.key,
                                QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is not a number"));
            return;
        }
        const double number = value.toDouble();
        if (!(number >= field.first && number <= field.last) || number != std::floor(number)) {
            fault_ = {
                message(QT_TRANSLATE_NOOP("ReadingFile",
                                          "the field %1 holds %2, which the lists cannot show"))
                    .arg(quoted(field.section, field.key), QString::number(number))};
            return;
        }
        into = static_cast<int>(number);
    }

private:
    QJsonValue find(const char* section, const char* key) {
        if (fault_) {
            return {};
        }
        QJsonObject holder = file_;
        if (section != nullptr) {
            const QJsonValue part = file_.value(QLatin1String(section));
            if (part.isUndefined()) {
                fault_ = fieldFault(nullptr, section,
                                    QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is missing"));
                return {};
            }
            if (!part.isObject()) {
                fault_ = fieldFault(
                    nullptr, section,
                    QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is not a group of fields"));
                return {};
            }
            holder = part.toObject();
        }
        const QJsonValue value = holder.value(QLatin1String(key));
        if (value.isUndefined()) {
            fault_ = fieldFault(section, key,
                                QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is missing"));
        }
        return value;
    }

    QJsonObject file_;
    std::optional<Unreadable> fault_;
};

QString notAReading() {
    return message(QT_TRANSLATE_NOOP("ReadingFile", "it is not a %1 reading"))
        .arg(QLatin1String(ProgramInfo::Name));
}

} // namespace

Decoded Decode(const QByteArray& bytes) {
    try {
        QStringDecoder utf8(QStringDecoder::Utf8);
        static_cast<void>(QString(utf8(bytes)));
        if (utf8.hasError()) {
            return Unreadable{message(QT_TRANSLATE_NOOP("ReadingFile", "it is not UTF-8 text"))};
        }
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError) {
            return Unreadable{
                message(QT_TRANSLATE_NOOP("ReadingFile", "it is not JSON (%1 at byte %2)"))
                    .arg(error.errorString(), QString::number(error.offset))};
        }
        const QJsonObject file = document.object();
        if (!document.isObject() || file.value(QLatin1String(FormatKey)) != FormatName) {
            return Unreadable{notAReading()};
        }
        // A later version may arrange its fields otherwise: its number is all that is read.
        const QJsonValue version = file.value(QLatin1String(VersionKey));
        if (!version.isDouble() || version.toDouble() < 1 ||
            version.toDouble() != std::floor(version.toDouble())) {
            return fieldFault(
                nullptr, VersionKey,
                QT_TRANSLATE_NOOP("ReadingFile", "the field %1 is not a version number"));
        }
        if (version.toDouble() > Version) {
            return Newer{};
        }

        Record record;
        Fields fields(file);
        fields.text(nullptr, NameKey, record.name);
        std::optional<int> month;
        fields.number(MonthField, month, false);
        record.month = month.value_or(0);
        for (const ListField& field : ListFields) {
            fields.number(field, record.*field.member, true);
        }
        for (const TextField& field : TextFields) {
            fields.text(field.section, field.key, record.*field.member);
        }
        for (const FlagField& field : FlagFields) {
            fields.flag(field.section, field.key, record.*field.member);
        }
        if (fields.fault()) {
            return *fields.fault();
        }
        return record;
    } catch (...) {
        return Unreadable{message(QT_TRANSLATE_NOOP("ReadingFile", "it is too large to read"))};
    }
}

std::variant<Record, QString> ReadReadingFile(const QString& path) {
    // `why` is a reason of the reader's messages.
    const auto cannotOpen = [&path](const QString& why) {
        return message(QT_TRANSLATE_NOOP("ReadingFile", "%1\nThis reading cannot be opened: %2."))
            .arg(path, why);
    };
    const QString unreadable = message(QT_TRANSLATE_NOOP("ReadingFile", "it cannot be read"));
    try {
        const QFileInfo info(path);
        if (!info.exists()) {
            return cannotOpen(
                message(QT_TRANSLATE_NOOP("ReadingFile", "there is no file of this name")));
        }
        // A folder, a FIFO or a device is never read, and opening one never waits.
        const std::unique_ptr<QIODevice> file = platform::OpenRegularFile(path);
        if (!file) {
            return cannotOpen(info.isFile() ? unreadable
                                            : message(QT_TRANSLATE_NOOP(
                                                  "ReadingFile", "it is not a regular file")));
        }
        // One byte past the limit tells a file that is too large.
        QByteArray bytes(SavedReading::ReadLimit + 1, Qt::Uninitialized);
        qint64 total = 0;
        while (total < bytes.size()) {
            const qint64 got = file->read(bytes.data() + total, bytes.size() - total);
            if (got < 0) {
                return cannotOpen(unreadable);
            }
            if (got == 0) {
                break;
            }
            total += got;
        }
        file->close();
        if (total > SavedReading::ReadLimit) {
            static_assert(SavedReading::ReadLimit == 1024 * 1024, "the message names the limit");
            return cannotOpen(message(QT_TRANSLATE_NOOP("ReadingFile", "it is larger than 1 MiB")));
        }
        bytes.truncate(total);
        const Decoded decoded = Decode(bytes);
        if (const auto* record = std::get_if<Record>(&decoded)) {
            return *record;
        }
        if (const auto* fault = std::get_if<Unreadable>(&decoded)) {
            return cannotOpen(fault->what);
        }
        return message(QT_TRANSLATE_NOOP("ReadingFile",
                                         "%1\nThis reading was saved by a newer version of %2."))
            .arg(path, QLatin1String(ProgramInfo::Name));
    } catch (...) {
        return cannotOpen(message(QT_TRANSLATE_NOOP("ReadingFile", "it cannot be read")));
    }
}

} // namespace ReadingFile
