#include "ReadingFileReader.h"

#include "SavedReading.h"

#include "ProgramInfo.h"
#include "platform/RegularFile.h"

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

Unreadable fieldFault(const char* section, const char* key, const char* fault) {
    return {QStringLiteral("the field ") + quoted(section, key) + QLatin1Char(' ') +
            QLatin1String(fault)};
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
            fault_ = fieldFault(section, key, "is not a text");
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
            fault_ = fieldFault(section, key, "is not true or false");
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
            fault_ = fieldFault(field.section, field.key, "is not a number");
            return;
        }
        const double number = value.toDouble();
        if (!(number >= field.first && number <= field.last) || number != std::floor(number)) {
            fault_ = {fieldFault(field.section, field.key, "holds ").what +
                      QString::number(number) + QStringLiteral(", which the lists cannot show")};
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
                fault_ = fieldFault(nullptr, section, "is missing");
                return {};
            }
            if (!part.isObject()) {
                fault_ = fieldFault(nullptr, section, "is not a group of fields");
                return {};
            }
            holder = part.toObject();
        }
        const QJsonValue value = holder.value(QLatin1String(key));
        if (value.isUndefined()) {
            fault_ = fieldFault(section, key, "is missing");
        }
        return value;
    }

    QJsonObject file_;
    std::optional<Unreadable> fault_;
};

QString notAReading() {
    return QStringLiteral("it is not a ") + QLatin1String(ProgramInfo::Name) +
           QStringLiteral(" reading");
}

} // namespace

Decoded Decode(const QByteArray& bytes) {
    try {
        QStringDecoder utf8(QStringDecoder::Utf8);
        static_cast<void>(QString(utf8(bytes)));
        if (utf8.hasError()) {
            return Unreadable{QStringLiteral("it is not UTF-8 text")};
        }
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError) {
            return Unreadable{QStringLiteral("it is not JSON (") + error.errorString() +
                              QStringLiteral(" at byte ") + QString::number(error.offset) +
                              QLatin1Char(')')};
        }
        const QJsonObject file = document.object();
        if (!document.isObject() || file.value(QLatin1String(FormatKey)) != FormatName) {
            return Unreadable{notAReading()};
        }
        // A later version may arrange its fields otherwise: its number is all that is read.
        const QJsonValue version = file.value(QLatin1String(VersionKey));
        if (!version.isDouble() || version.toDouble() < 1 ||
            version.toDouble() != std::floor(version.toDouble())) {
            return fieldFault(nullptr, VersionKey, "is not a version number");
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
        return Unreadable{QStringLiteral("it is too large to read")};
    }
}

std::variant<Record, QString> ReadReadingFile(const QString& path) {
    const QString cannotOpen = path + QStringLiteral("\nThis reading cannot be opened: ");
    try {
        const QFileInfo info(path);
        if (!info.exists()) {
            return cannotOpen + QStringLiteral("there is no file of this name.");
        }
        // A folder, a FIFO or a device is never read, and opening one never waits.
        const std::unique_ptr<QIODevice> file = platform::OpenRegularFile(path);
        if (!file) {
            return cannotOpen + (info.isFile() ? QStringLiteral("it cannot be read.")
                                               : QStringLiteral("it is not a regular file."));
        }
        // One byte past the limit tells a file that is too large.
        QByteArray bytes(SavedReading::ReadLimit + 1, Qt::Uninitialized);
        qint64 total = 0;
        while (total < bytes.size()) {
            const qint64 got = file->read(bytes.data() + total, bytes.size() - total);
            if (got < 0) {
                return cannotOpen + QStringLiteral("it cannot be read.");
            }
            if (got == 0) {
                break;
            }
            total += got;
        }
        file->close();
        if (total > SavedReading::ReadLimit) {
            static_assert(SavedReading::ReadLimit == 1024 * 1024, "the message names the limit");
            return cannotOpen + QStringLiteral("it is larger than 1 MiB.");
        }
        bytes.truncate(total);
        const Decoded decoded = Decode(bytes);
        if (const auto* record = std::get_if<Record>(&decoded)) {
            return *record;
        }
        if (const auto* fault = std::get_if<Unreadable>(&decoded)) {
            return cannotOpen + fault->what + QLatin1Char('.');
        }
        return path + QStringLiteral("\nThis reading was saved by a newer version of ") +
               QLatin1String(ProgramInfo::Name) + QLatin1Char('.');
    } catch (...) {
        return cannotOpen + QStringLiteral("it cannot be read.");
    }
}

} // namespace ReadingFile
