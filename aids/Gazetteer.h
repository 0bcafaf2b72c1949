#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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
    // of form: a wrong header, a count that does not match, a field missing or out of range,
    // a population larger than the place's before it. A list of the first version, which
    // carries no populations, is read with every population unknown.
    static std::unique_ptr<Gazetteer> Load(const QString& path);

    // Given: any text typed into the City box.
    // Returns: up to `limit` place numbers, best first. Matching ignores case and accents
    // (see Fold) and uses the first QueryLimit characters only. The text before the first
    // comma is the name: a place matches when its name starts with it, a later word of its
    // name does, or an alternate name or its later word does. Each word after the comma
    // must start a word of the place's division, its country's name or its two-letter
    // country code. A place whose own name holds the comma matches by the whole text too.
    // Places are ranked by log10(population), less 1.5 for a later word's match and less 2
    // for an alternate name's (RankPenalty), in tenths as the list holds them; at equal
    // rank the more populous first. An empty name matches nothing.
    std::vector<int> Search(const QString& query, int limit) const;

    int size() const { return static_cast<int>(places_.size()); }
    Place place(int number) const;

    // What a match costs in tenths of log10(population): the name's start, a later word of
    // the name, an alternate name.
    static constexpr int RankPenalty[] = {0, 15, 20};

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
    // alternate names. The place's population, round(10·log10), sits here (in what would
    // be padding) because a search reads it for every match.
    struct Key {
        std::uint32_t offset;
        std::uint16_t length;
        bool alternate;
        std::uint8_t population;
        std::uint32_t place;
    };
    // A place kept by a search, with its rank in tenths.
    struct Candidate {
        int place;
        int score;
    };
    void addKey(const char* utf8, std::size_t length, bool alternate, std::uint8_t population);
    void collect(std::string_view keys, const std::vector<Key>& keyList, std::string_view name,
                 const std::vector<std::string_view>& narrowing, std::size_t wanted,
                 std::vector<Candidate>& best) const;
    void indexCommaKeys();
    // The key whose folded text holds byte `at` of the text `keys` were made from.
    static const Key& keyAt(const std::vector<Key>& keys, std::size_t at);
    bool narrowedTo(const Record& place, const std::vector<std::string_view>& narrowing) const;

    QByteArray text_;
    std::vector<Record> places_;
    std::vector<Key> keys_;
    std::string folded_;
    // The few keys that hold a comma, again: a query with a comma looks for a whole name
    // among these only.
    std::vector<Key> commaKeys_;
    std::string commaFolded_;
    QStringList regions_;
    QStringList countries_;
    // Folded, for narrowing: each division; each country's name, a line end and its code.
    std::vector<std::string> foldedRegions_;
    std::vector<std::string> foldedCountries_;
    std::vector<QByteArray> zones_;
};

namespace PlaceText {

// Given: any text. Returns: the text for matching: decomposed (NFKD), then case folded (in
// that order, so that styled capitals such as 𝐍 and ℌ fold too), marks and format characters
// dropped, ł ø æ đ ß and their capitals written l o ae d ss, control characters read as
// spaces and runs of white space made one space, trimmed.
QString Fold(const QString& text);

// Given: ASCII text. Appends to `out` what Fold gives for it, without Qt's Unicode tables:
// most names are plain ASCII, and the list folds every name when it loads.
void AppendFoldedAscii(std::string& out, std::string_view ascii);

// English name of an ISO 3166 country code, as QLocale has it with a few of its names
// mended; the code itself for a code QLocale does not know.
QString CountryName(const QString& code);

// "40°25′ N 3°42′ W" for whole minutes of arc, north and east positive, in the language in
// force.
QString Coordinates(int latitudeMinutes, int longitudeMinutes);

// Given: one to three names, the most local first (a city, its region, its country).
// Returns them as one place name, "Madrid, Madrid, Spain"; an empty text for none. A fourth
// name and beyond are left out.
QString PlaceName(const QStringList& parts);

// A suggestion as the City box lists it:
// "Madrid, Madrid, Spain: 40°25′ N 3°42′ W, Europe/Madrid".
QString Suggestion(const Gazetteer::Place& place);

} // namespace PlaceText
