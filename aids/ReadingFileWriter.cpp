#include "ReadingFileWriter.h"

#include "platform/WholeFile.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ReadingFile {
namespace {

QJsonValue listValue(const std::optional<int>& number) {
    return number ? QJsonValue(*number) : QJsonValue(QJsonValue::Null);
}

// Sets one field of a section, the section made on first use.
void put(QJsonObject& file, const char* section, const char* key, const QJsonValue& value) {
    const QString name = QLatin1String(section);
    QJsonObject fields = file.value(name).toObject();
    fields.insert(QLatin1String(key), value);
    file.insert(name, fields);
}

} // namespace

QByteArray Encode(const Record& record) {
    QJsonObject file;
    file.insert(QLatin1String(FormatKey), FormatName);
    file.insert(QLatin1String(VersionKey), Version);
    file.insert(QLatin1String(NameKey), record.name);
    put(file, MonthField.section, MonthField.key, record.month);
    for (const ListField& field : ListFields) {
        put(file, field.section, field.key, listValue(record.*field.member));
    }
    for (const TextField& field : TextFields) {
        put(file, field.section, field.key, record.*field.member);
    }
    for (const FlagField& field : FlagFields) {
        put(file, field.section, field.key, record.*field.member);
    }
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

QString WriteReadingFile(const QString& path, const Record& record) {
    return platform::writeWholeFile(path, Encode(record));
}

} // namespace ReadingFile
