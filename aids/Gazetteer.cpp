#include "Gazetteer.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <limits>
#include <string_view>

const QString Gazetteer::BuiltInPath = QStringLiteral(":/places/places.qz");

// The compiled-in list lives in this static library: its registration must be asked for.
static void registerBuiltInList() {
    Q_INIT_RESOURCE(places);
}

namespace {

// A list never grows this large; a length header beyond it is a corrupt file, not a reason
// to claim the memory.
constexpr quint32 MaximumTextBytes = 64u * 1024 * 1024;
constexpr int LatitudeLimit = 90 * 60;
constexpr int LongitudeLimit = 180 * 60;

// Letters that decomposition leaves whole, after case folding.
struct Spelling {
    char16_t letter;
    const char16_t* latin;
};
constexpr std::array<Spelling, 5> Respellings = {
    {{u'ł', u"l"}, {u'ø', u"o"}, {u'æ', u"ae"}, {u'đ', u"d"}, {u'ß', u"ss"}}};

// QLocale's English names that read oddly in a place's line.
struct CountryOverride {
    const char* code;
    const char* name;
};
constexpr std::array<CountryOverride, 5> CountryOverrides = {{
    {"BA", "Bosnia and Herzegovina"},
    {"CD", "Democratic Republic of the Congo"},
    {"CG", "Republic of the Congo"},
    {"CI", "Côte d’Ivoire"},
    {"MK", "North Macedonia"},
}};

bool isAsciiWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// A word starts at the key's start and after any ASCII byte that is no letter or digit;
// bytes of other letters are inside words.
bool startsWord(const char* key, std::size_t at) {
    if (at == 0) {
        return true;
    }
    const char before = key[at - 1];
    return static_cast<unsigned char>(before) < 0x80 && !isAsciiWordByte(before);
}

// Splits one line at tabs into views of the text.
std::vector<QByteArrayView> fieldsOf(QByteArrayView line) {
    std::vector<QByteArrayView> fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == '\t') {
            fields.push_back(line.sliced(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

bool toInt(QByteArrayView text, int low, int high, int& value) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.isEmpty() || error != std::errc() || stop != end || number < low || number > high) {
        return false;
    }
    value = number;
    return true;
}

} // namespace

std::unique_ptr<Gazetteer> Gazetteer::Load(const QString& path) {
    if (path == BuiltInPath) {
        registerBuiltInList();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    const QByteArray packed = file.readAll();
    if (packed.size() < 4) {
        return nullptr;
    }
    const quint32 length = (quint32(quint8(packed[0])) << 24) | (quint32(quint8(packed[1])) << 16) |
                           (quint32(quint8(packed[2])) << 8) | quint32(quint8(packed[3]));
    if (length == 0 || length > MaximumTextBytes) {
        return nullptr;
    }
    std::unique_ptr<Gazetteer> list(new Gazetteer);
    list->text_ = qUncompress(packed);
    if (list->text_.size() != qsizetype(length) || !list->parse()) {
        return nullptr;
    }
    return list;
}

bool Gazetteer::parse() {
    const QByteArrayView text(text_);
    qsizetype position = 0;
    const auto nextLine = [&](QByteArrayView& line) {
        if (position >= text.size()) {
            return false;
        }
        qsizetype end = text.indexOf('\n', position);
        if (end < 0) {
            end = text.size();
        }
        line = text.sliced(position, end - position);
        position = end + 1;
        return true;
    };
    // A section: its letter, a space and its count, then that many lines.
    const auto section = [&](char letter, int& count) {
        QByteArrayView line;
        return nextLine(line) && line.size() > 2 && line[0] == letter && line[1] == ' ' &&
               toInt(line.sliced(2), 0, std::numeric_limits<int>::max(), count);
    };

    QByteArrayView line;
    if (!nextLine(line) || line != "QVPLACES 1") {
        return false;
    }
    int count = 0;
    if (!section('Z', count)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (!nextLine(line) || line.isEmpty()) {
            return false;
        }
        zones_.push_back(line.toByteArray());
    }
    if (!section('R', count)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (!nextLine(line)) {
            return false;
        }
        regions_.push_back(QString::fromUtf8(line));
    }
    // Each place takes a line: a count beyond the bytes left is a corrupt file, not a reason
    // to claim the memory.
    if (!section('P', count) || count > text.size() - position) {
        return false;
    }
    places_.reserve(std::size_t(count));
    keys_.reserve(std::size_t(count) * 2);
    folded_.reserve(std::size_t(text.size()) / 3);
    QHash<QByteArray, std::uint16_t> countryNumbers;
    for (int i = 0; i < count; ++i) {
        if (!nextLine(line)) {
            return false;
        }
        const std::vector<QByteArrayView> f = fieldsOf(line);
        int latitude = 0;
        int longitude = 0;
        int region = -1;
        int zone = 0;
        if (f.size() != 8 || f[0].isEmpty() || f[0].size() > 0xffff || f[5].size() != 2 ||
            !toInt(f[3], -LatitudeLimit, LatitudeLimit, latitude) ||
            !toInt(f[4], -LongitudeLimit, LongitudeLimit, longitude) ||
            (!f[6].isEmpty() && !toInt(f[6], 0, int(regions_.size()) - 1, region)) ||
            !toInt(f[7], 0, int(zones_.size()) - 1, zone)) {
            return false;
        }
        const QByteArray code = f[5].toByteArray();
        auto known = countryNumbers.constFind(code);
        if (known == countryNumbers.cend()) {
            known = countryNumbers.insert(code, std::uint16_t(countries_.size()));
            countries_.push_back(PlaceText::CountryName(QString::fromLatin1(code)));
        }
        places_.push_back({std::uint32_t(f[0].data() - text.data()), std::uint16_t(f[0].size()),
                           std::int16_t(region), *known, std::uint16_t(zone),
                           std::int16_t(latitude), std::int16_t(longitude)});
        const std::size_t nameKey = keys_.size();
        addKey(f[0].data(), std::size_t(f[0].size()), false);
        if (!f[1].isEmpty()) {
            addKey(f[1].data(), std::size_t(f[1].size()), false);
            // An ASCII name that folds as the name does adds nothing.
            if (keys_.size() == nameKey + 2 &&
                folded_.compare(keys_[nameKey].offset, keys_[nameKey].length, folded_,
                                keys_.back().offset, keys_.back().length) == 0) {
                folded_.resize(keys_.back().offset);
                keys_.pop_back();
            }
        }
        for (qsizetype start = 0; !f[2].isEmpty() && start <= f[2].size();) {
            qsizetype end = f[2].indexOf('|', start);
            if (end < 0) {
                end = f[2].size();
            }
            if (end > start) {
                addKey(f[2].data() + start, std::size_t(end - start), true);
            }
            start = end + 1;
        }
    }
    return nextLine(line) == false || (line.isEmpty() && position >= text.size());
}

void Gazetteer::addKey(const char* utf8, std::size_t length, bool alternate) {
    const std::size_t offset = folded_.size();
    const bool ascii = std::all_of(utf8, utf8 + length,
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        // Most names are plain ASCII: folding them is lower case and single spaces.
        bool space = true;
        for (std::size_t i = 0; i < length; ++i) {
            char c = utf8[i];
            if (c >= 'A' && c <= 'Z') {
                c = char(c - 'A' + 'a');
            } else if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f) {
                c = ' ';
            }
            if (c == ' ' && space) {
                continue;
            }
            space = c == ' ';
            folded_.push_back(c);
        }
        if (!folded_.empty() && folded_.size() > offset && folded_.back() == ' ') {
            folded_.pop_back();
        }
    } else {
        folded_ += PlaceText::Fold(QString::fromUtf8(utf8, qsizetype(length))).toStdString();
    }
    const std::size_t folded = folded_.size() - offset;
    if (folded == 0 || folded > 0xffff) {
        folded_.resize(offset);
        return;
    }
    // A line end after each key: no match runs from one key into the next, and the key's
    // first word starts after it like any other.
    folded_.push_back('\n');
    keys_.push_back({std::uint32_t(offset), std::uint16_t(folded), alternate,
                     std::uint32_t(places_.size() - 1)});
}

std::vector<int> Gazetteer::Search(const QString& query, int limit) const {
    const std::string folded = PlaceText::Fold(query.left(QueryLimit)).toStdString();
    std::vector<int> found;
    if (folded.empty() || limit <= 0) {
        return found;
    }
    // Keys lie in place order and places most populous first, so the matches come in that
    // order too: the first `limit` places of each rank are its best.
    const std::size_t wanted = std::size_t(limit);
    std::array<std::vector<int>, 3> ranks;
    int place = -1;
    std::size_t best = ranks.size();
    const auto settle = [&] {
        if (best < ranks.size() && ranks[best].size() < wanted) {
            ranks[best].push_back(place);
        }
    };
    const std::string_view keys(folded_);
    for (std::size_t at = keys.find(folded);
         at != std::string_view::npos && ranks[0].size() < wanted; at = keys.find(folded, at + 1)) {
        if (!startsWord(folded_.data(), at)) {
            continue;
        }
        const auto key = std::prev(std::upper_bound(
            keys_.begin(), keys_.end(), at,
            [](std::size_t position, const Key& k) { return position < k.offset; }));
        const std::size_t rank = key->alternate ? 2 : at == key->offset ? 0 : 1;
        if (int(key->place) != place) {
            settle();
            place = int(key->place);
            best = rank;
        } else {
            best = std::min(best, rank);
        }
    }
    settle();
    for (const std::vector<int>& rank : ranks) {
        for (int p : rank) {
            if (found.size() < wanted) {
                found.push_back(p);
            }
        }
    }
    return found;
}

Gazetteer::Place Gazetteer::place(int number) const {
    const Record& r = places_.at(std::size_t(number));
    return {QString::fromUtf8(text_.constData() + r.nameOffset, r.nameLength),
            r.region < 0 ? QString() : regions_.at(r.region),
            countries_.at(r.country),
            zones_.at(r.zone),
            r.latitude,
            r.longitude};
}

namespace PlaceText {

QString Fold(const QString& text) {
    const QString decomposed = text.toCaseFolded().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Format:
            continue;
        case QChar::Other_Control:
            out.append(QLatin1Char(' '));
            continue;
        default:
            break;
        }
        const auto spelling = std::find_if(Respellings.begin(), Respellings.end(),
                                           [c](const Spelling& s) { return s.letter == c; });
        if (spelling != Respellings.end()) {
            out.append(QStringView(spelling->latin));
        } else {
            out.append(c);
        }
    }
    return out.simplified();
}

QString CountryName(const QString& code) {
    for (const CountryOverride& o : CountryOverrides) {
        if (code == QLatin1String(o.code)) {
            return QString::fromUtf8(o.name);
        }
    }
    const QLocale::Territory territory = QLocale::codeToTerritory(code);
    return territory == QLocale::AnyTerritory ? code : QLocale::territoryToString(territory);
}

QString Coordinates(int latitudeMinutes, int longitudeMinutes) {
    const auto angle = [](int minutes, char positive, char negative) {
        const int magnitude = std::abs(minutes);
        return QStringLiteral("%1°%2′ %3")
            .arg(magnitude / 60)
            .arg(magnitude % 60)
            .arg(QLatin1Char(minutes < 0 ? negative : positive));
    };
    return angle(latitudeMinutes, 'N', 'S') + QLatin1Char(' ') + angle(longitudeMinutes, 'E', 'W');
}

QString Suggestion(const Gazetteer::Place& place) {
    QStringList where{place.name};
    if (!place.region.isEmpty()) {
        where.push_back(place.region);
    }
    where.push_back(place.country);
    return where.join(QStringLiteral(", ")) + QStringLiteral(": ") +
           Coordinates(place.latitudeMinutes, place.longitudeMinutes) + QStringLiteral(", ") +
           QString::fromLatin1(place.zone);
}

} // namespace PlaceText
