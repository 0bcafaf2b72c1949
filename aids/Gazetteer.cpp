#include "Gazetteer.h"

#include <QCoreApplication>
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
// No line of a place is shorter than this one.
constexpr std::string_view ShortestPlaceLine = "a\t\t\t0\t0\tGB\t\t0\n";
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

// In folded text a word starts at the text's start and after any ASCII byte that is no
// letter or digit; bytes of other letters are inside words.
bool startsWord(std::string_view text, std::size_t at) {
    if (at == 0) {
        return true;
    }
    const char before = text[at - 1];
    return static_cast<unsigned char>(before) < 0x80 && !isAsciiWordByte(before);
}

// Whether `word` starts some word of `text`.
bool startsAWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        if (startsWord(text, at)) {
            return true;
        }
    }
    return false;
}

// The words of folded text, split at every ASCII byte that is no letter or digit.
std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size() ||
                         (static_cast<unsigned char>(text[i]) < 0x80 && !isAsciiWordByte(text[i]));
        if (end) {
            if (i > start) {
                words.push_back(text.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return words;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
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
    if (!nextLine(line) || (line != "QVPLACES 1" && line != "QVPLACES 2")) {
        return false;
    }
    // The second version adds each place's population.
    const std::size_t fieldCount = line == "QVPLACES 1" ? 8 : 9;
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
        foldedRegions_.push_back(PlaceText::Fold(regions_.back()).toStdString());
    }
    if (!section('P', count)) {
        return false;
    }
    // The count is only a claim until the lines are read: room is made for no more places
    // than the rest of the text can hold.
    const auto room = std::size_t(
        std::min<qsizetype>(count, (text.size() - position) / qsizetype(ShortestPlaceLine.size())));
    places_.reserve(room);
    keys_.reserve(room * 2);
    folded_.reserve(std::size_t(text.size()) / 3);
    QHash<QByteArray, std::uint16_t> countryNumbers;
    int lastPopulation = std::numeric_limits<std::uint8_t>::max();
    for (int i = 0; i < count; ++i) {
        if (!nextLine(line)) {
            return false;
        }
        const std::vector<QByteArrayView> f = fieldsOf(line);
        int latitude = 0;
        int longitude = 0;
        int region = -1;
        int zone = 0;
        int population = 0;
        if (f.size() != fieldCount || f[0].isEmpty() || f[0].size() > 0xffff || f[5].size() != 2 ||
            !toInt(f[3], -LatitudeLimit, LatitudeLimit, latitude) ||
            !toInt(f[4], -LongitudeLimit, LongitudeLimit, longitude) ||
            (!f[6].isEmpty() && !toInt(f[6], 0, int(regions_.size()) - 1, region)) ||
            !toInt(f[7], 0, int(zones_.size()) - 1, zone) ||
            (fieldCount > 8 && !toInt(f[8], 0, lastPopulation, population))) {
            return false;
        }
        // Most populous first: a search stops once no later place can rank higher.
        lastPopulation = population;
        const QByteArray code = f[5].toByteArray();
        auto known = countryNumbers.constFind(code);
        if (known == countryNumbers.cend()) {
            known = countryNumbers.insert(code, std::uint16_t(countries_.size()));
            const QString codeText = QString::fromLatin1(code);
            countries_.push_back(PlaceText::CountryName(codeText));
            foldedCountries_.push_back(
                PlaceText::Fold(countries_.back() + QLatin1Char('\n') + codeText).toStdString());
        }
        places_.push_back({std::uint32_t(f[0].data() - text.data()), std::uint16_t(f[0].size()),
                           std::int16_t(region), *known, std::uint16_t(zone),
                           std::int16_t(latitude), std::int16_t(longitude)});
        const std::size_t nameKey = keys_.size();
        const auto weight = std::uint8_t(population);
        addKey(f[0].data(), std::size_t(f[0].size()), false, weight);
        if (!f[1].isEmpty()) {
            addKey(f[1].data(), std::size_t(f[1].size()), false, weight);
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
                addKey(f[2].data() + start, std::size_t(end - start), true, weight);
            }
            start = end + 1;
        }
    }
    if (nextLine(line) && !(line.isEmpty() && position >= text.size())) {
        return false;
    }
    indexCommaKeys();
    return true;
}

void Gazetteer::addKey(const char* utf8, std::size_t length, bool alternate,
                       std::uint8_t population) {
    const std::size_t offset = folded_.size();
    const std::string_view name(utf8, length);
    if (std::all_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        PlaceText::AppendFoldedAscii(folded_, name);
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
    keys_.push_back({std::uint32_t(offset), std::uint16_t(folded), alternate, population,
                     std::uint32_t(places_.size() - 1)});
}

std::vector<int> Gazetteer::Search(const QString& query, int limit) const {
    const std::string folded = PlaceText::Fold(query.left(QueryLimit)).toStdString();
    std::vector<int> found;
    if (limit <= 0) {
        return found;
    }
    const std::size_t wanted = std::size_t(limit);
    const std::string_view text(folded);
    const std::size_t comma = text.find(',');
    std::vector<Candidate> best;
    if (comma == std::string_view::npos) {
        collect(folded_, keys_, text, {}, wanted, best);
    } else {
        collect(folded_, keys_, trimmed(text.substr(0, comma)), wordsOf(text.substr(comma + 1)),
                wanted, best);
        // A few names hold a comma themselves ("Basford, Stoke-on-Trent").
        collect(commaFolded_, commaKeys_, text, {}, wanted, best);
    }
    for (const Candidate& c : best) {
        found.push_back(c.place);
    }
    return found;
}

// Adds to `best` (at most `wanted` places, best first) the places whose keys match `name`
// at a word's start and that `narrowing` keeps. Keys lie in place order and places most
// populous first, so once `best` is full and its last place outranks the population of the
// next match, nothing later can enter.
void Gazetteer::collect(std::string_view keys, const std::vector<Key>& keyList,
                        std::string_view name, const std::vector<std::string_view>& narrowing,
                        std::size_t wanted, std::vector<Candidate>& best) const {
    if (name.empty()) {
        return;
    }
    const auto outranks = [](const Candidate& a, const Candidate& b) {
        return a.score > b.score || (a.score == b.score && a.place < b.place);
    };
    int place = -1;
    int score = std::numeric_limits<int>::min();
    const auto settle = [&] {
        if (place < 0 || !narrowedTo(places_[std::size_t(place)], narrowing)) {
            return;
        }
        const Candidate found{place, score};
        const auto same = std::find_if(best.begin(), best.end(),
                                       [&](const Candidate& c) { return c.place == place; });
        if (same != best.end()) {
            if (!outranks(found, *same)) {
                return;
            }
            best.erase(same);
        }
        best.insert(std::upper_bound(best.begin(), best.end(), found, outranks), found);
        if (best.size() > wanted) {
            best.pop_back();
        }
    };
    for (std::size_t at = keys.find(name); at != std::string_view::npos;
         at = keys.find(name, at + 1)) {
        if (!startsWord(keys, at)) {
            continue;
        }
        const Key& key = keyAt(keyList, at);
        const int rank = key.alternate ? 2 : at == key.offset ? 0 : 1;
        const int keyScore = int(key.population) - RankPenalty[rank];
        if (int(key.place) == place) {
            score = std::max(score, keyScore);
            continue;
        }
        settle();
        if (best.size() == wanted &&
            !outranks(Candidate{int(key.place), key.population}, best.back())) {
            return;
        }
        place = int(key.place);
        score = keyScore;
    }
    settle();
}

const Gazetteer::Key& Gazetteer::keyAt(const std::vector<Key>& keys, std::size_t at) {
    return *std::prev(
        std::upper_bound(keys.begin(), keys.end(), at,
                         [](std::size_t position, const Key& k) { return position < k.offset; }));
}

void Gazetteer::indexCommaKeys() {
    for (std::size_t at = folded_.find(','); at != std::string::npos;) {
        const Key& key = keyAt(keys_, at);
        Key copy = key;
        copy.offset = std::uint32_t(commaFolded_.size());
        commaFolded_.append(folded_, key.offset, std::size_t(key.length) + 1);
        commaKeys_.push_back(copy);
        at = folded_.find(',', key.offset + key.length);
    }
}

bool Gazetteer::narrowedTo(const Record& place,
                           const std::vector<std::string_view>& narrowing) const {
    return std::all_of(narrowing.begin(), narrowing.end(), [&](std::string_view word) {
        return (place.region >= 0 &&
                startsAWord(foldedRegions_[std::size_t(place.region)], word)) ||
               startsAWord(foldedCountries_[place.country], word);
    });
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
    // Decomposed first: a styled capital (𝐍, ℌ) is a plain one only after it.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
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

void AppendFoldedAscii(std::string& out, std::string_view ascii) {
    const std::size_t start = out.size();
    bool space = true;
    for (char c : ascii) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        } else if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f) {
            c = ' ';
        }
        if (c == ' ' && space) {
            continue;
        }
        space = c == ' ';
        out.push_back(c);
    }
    if (out.size() > start && out.back() == ' ') {
        out.pop_back();
    }
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
    // `side` is one of the four "%1°%2′ N" messages below, by the sign of `minutes`.
    const auto angle = [](int minutes, const char* positive, const char* negative) {
        const int magnitude = std::abs(minutes);
        return QCoreApplication::translate("PlaceText", minutes < 0 ? negative : positive)
            .arg(magnitude / 60)
            .arg(magnitude % 60);
    };
    return QCoreApplication::translate("PlaceText", "%1 %2", "latitude longitude")
        .arg(angle(latitudeMinutes, QT_TRANSLATE_NOOP("PlaceText", "%1°%2′ N"),
                   QT_TRANSLATE_NOOP("PlaceText", "%1°%2′ S")),
             angle(longitudeMinutes, QT_TRANSLATE_NOOP("PlaceText", "%1°%2′ E"),
                   QT_TRANSLATE_NOOP("PlaceText", "%1°%2′ W")));
}

QString PlaceName(const QStringList& parts) {
    switch (parts.size()) {
    case 0:
        return {};
    case 1:
        return parts[0];
    case 2:
        return QCoreApplication::translate("PlaceText", "%1, %2", "place, country")
            .arg(parts[0], parts[1]);
    default:
        return QCoreApplication::translate("PlaceText", "%1, %2, %3", "place, region, country")
            .arg(parts[0], parts[1], parts[2]);
    }
}

QString Suggestion(const Gazetteer::Place& place) {
    QStringList where{place.name};
    if (!place.region.isEmpty()) {
        where.push_back(place.region);
    }
    where.push_back(place.country);
    return QCoreApplication::translate("PlaceText", "%1: %2, %3", "place: coordinates, zone")
        .arg(PlaceName(where), Coordinates(place.latitudeMinutes, place.longitudeMinutes),
             QString::fromLatin1(place.zone));
}

} // namespace PlaceText
