#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The list of places: names, division, country, coordinates and time zone of every town of
// 1,000 inhabitants or more and of every seat of a division, searched by folded name.
class Gazetteer {
public:
    // The list compiled into the program.
    static const QString BuiltInPath;
    // Only this many characters of a query are searched, so that a pasted page of text
    // costs no more than a name.
    static constexpr int QueryLimit = 100;

    struct Place {
        QString name;
        QString region; // first-level division; empty when unknown
        QString country;
        QByteArray zone;      // IANA time-zone id
        int latitudeMinutes;  // minutes of arc, north positive
        int longitudeMinutes; // minutes of arc, east positive
    };

    // Reads a list in the generator's form (tools/places): zlib-compressed text behind a
    // four-byte length. Returns nothing when the file is missing or anything in it is out
    // of form: a wrong header, a count that does not match, a field missing or out of range.
    static std::unique_ptr<Gazetteer> Load(const QString& path);

    // Given: any text typed into the City box.
    // Returns: up to `limit` place numbers, best first. Matching ignores case and accents
    // (see Fold) and uses the first QueryLimit characters only. Places whose name starts
    // with the query come first, then those where a later word of the name does, then
    // those matched by an alternate name; within each rank the most populous first. An
    // empty query matches nothing.
    std::vector<int> Search(const QString& query, int limit) const;

    int size() const { return static_cast<int>(places_.size()); }
    Place place(int number) const;

private:
    Gazetteer() = default;
    bool parse();

    // One place as read; its names are byte ranges in text_.
    struct Record {
        std::uint32_t nameOffset;
        std::uint16_t nameLength;
        std::int16_t region; // -1: none
        std::uint16_t country;
        std::uint16_t zone;
        std::int16_t latitude;
        std::int16_t longitude;
    };
    // A folded name in folded_, each followed by a line end; `alternate` is set for
    // alternate names.
    struct Key {
        std::uint32_t offset;
        std::uint16_t length;
        bool alternate;
        std::uint32_t place;
    };
    void addKey(const char* utf8, std::size_t length, bool alternate);

    QByteArray text_;
    std::vector<Record> places_;
    std::vector<Key> keys_;
    std::string folded_;
    QStringList regions_;
    QStringList countries_;
    std::vector<QByteArray> zones_;
};

namespace PlaceText {

// Given: any text. Returns: the text for matching: decomposed (NFKD), marks and format
// characters dropped, case folded, ł ø æ đ ß and their capitals written l o ae d ss, control
// characters read as spaces and runs of white space made one space, trimmed.
QString Fold(const QString& text);

// English name of an ISO 3166 country code, as QLocale has it with a few of its names
// mended; the code itself for a code QLocale does not know.
QString CountryName(const QString& code);

// "40°25′ N 3°42′ W" for whole minutes of arc, north and east positive.
QString Coordinates(int latitudeMinutes, int longitudeMinutes);

// A suggestion as the City box lists it:
// "Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid".
QString Suggestion(const Gazetteer::Place& place);

} // namespace PlaceText
