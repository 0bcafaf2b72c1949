#pragma once

#include <QString>

#include <optional>

// The reading file (".vantrel"): every input of a reading as UTF-8 JSON, beside the classic
// saved reading of SavedReading.h, which keeps fewer of them. For example:
//
//   {
//     "format": "qv-vantrel-reading",
//     "version": 1,
//     "name": "Zoë's ring",
//     "date": {"year": 2025, "month": 1, "day": 7},
//     "time": {"hour": 12, "minute": 0, "second": 37},
//     "zone": {"hours": "-1", "minutes": "0", "daylightSaving": false},
//     "longitude": {"degrees": "3", "minutes": "42", "east": false},
//     "latitude": {"degrees": "40", "minutes": "25", "north": true},
//     "place": {"city": "Madrid", "state": "Madrid", "country": "Spain",
//               "timeZoneId": "Europe/Madrid", "zoneFromPlace": true}
//   }
//
// The number boxes are kept as their texts, exactly as typed; the lists as their numbers,
// month 0 when none is selected and null for another list with no entry selected.
namespace ReadingFile {

inline const QString FormatName = QStringLiteral("qv-vantrel-reading");
inline constexpr int Version = 1;

// The years the year list offers; the other lists hold every day, hour, minute and second.
inline constexpr int FirstYear = 1901;
inline constexpr int LastYear = 2050;

// Every input of the main window, and the place chosen in its place finder.
struct Record {
    QString name;
    int month = 0; // 1 = January; 0 when no month is selected
    std::optional<int> year;
    std::optional<int> day;
    std::optional<int> hour;
    std::optional<int> minute;
    std::optional<int> second;
    QString zoneHours; // the number boxes' texts as typed
    QString zoneMinutes;
    bool daylightSaving = false;
    QString longitudeDegrees;
    QString longitudeMinutes;
    bool east = true;
    QString latitudeDegrees;
    QString latitudeMinutes;
    bool north = true;
    QString city;
    QString state;
    QString country;
    QString timeZoneId;         // the chosen place's IANA zone; empty when none is chosen
    bool zoneFromPlace = false; // the chosen place is in charge of the zone boxes

    bool operator==(const Record&) const = default;
};

// The fields of the format, each with its place in the record: the top-level "format",
// "version" and "name", and the others in their sections ("date", "time", "zone",
// "longitude", "latitude", "place"). The reader and the writer both go by these tables.
inline constexpr char FormatKey[] = "format";
inline constexpr char VersionKey[] = "version";
inline constexpr char NameKey[] = "name";

struct TextField {
    const char* section;
    const char* key;
    QString Record::*member;
};
inline constexpr TextField TextFields[] = {
    {"zone", "hours", &Record::zoneHours},
    {"zone", "minutes", &Record::zoneMinutes},
    {"longitude", "degrees", &Record::longitudeDegrees},
    {"longitude", "minutes", &Record::longitudeMinutes},
    {"latitude", "degrees", &Record::latitudeDegrees},
    {"latitude", "minutes", &Record::latitudeMinutes},
    {"place", "city", &Record::city},
    {"place", "state", &Record::state},
    {"place", "country", &Record::country},
    {"place", "timeZoneId", &Record::timeZoneId},
};

struct FlagField {
    const char* section;
    const char* key;
    bool Record::*member;
};
inline constexpr FlagField FlagFields[] = {
    {"zone", "daylightSaving", &Record::daylightSaving},
    {"longitude", "east", &Record::east},
    {"latitude", "north", &Record::north},
    {"place", "zoneFromPlace", &Record::zoneFromPlace},
};

// A list's number, null when no entry is selected, and the numbers its list holds.
struct ListField {
    const char* section;
    const char* key;
    std::optional<int> Record::*member;
    int first;
    int last;
};
inline constexpr ListField ListFields[] = {
    {"date", "year", &Record::year, FirstYear, LastYear},
    {"date", "day", &Record::day, 1, 31},
    {"time", "hour", &Record::hour, 0, 23},
    {"time", "minute", &Record::minute, 0, 59},
    {"time", "second", &Record::second, 0, 59},
};
// The month is always a number: 0 for none.
inline constexpr ListField MonthField{"date", "month", nullptr, 0, 12};

} // namespace ReadingFile
