// Any UTF-16 text (unpaired surrogates, controls, marks, a page of text) as a query against
// the program's own list of places. The answer keeps its promises: at most `limit` distinct
// place numbers, each a place of the list, and only the first QueryLimit characters count.
//
//   fuzz_place_search -max_len=512 corpus/
#include "aids/Gazetteer.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int Limit = 12;

void check(bool promise) {
    if (!promise) {
        std::abort();
    }
}

const Gazetteer& list() {
    static const std::unique_ptr<Gazetteer> loaded =
        Gazetteer::Load(QStringLiteral(VANTREL_PLACE_LIST));
    check(loaded != nullptr);
    return *loaded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char16_t> units(size / 2);
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    const QString query = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    std::vector<int> found = list().Search(query, Limit);
    check(found.size() <= std::size_t(Limit));
    for (const int number : found) {
        check(number >= 0 && number < list().size());
    }
    check(list().Search(query.left(Gazetteer::QueryLimit), Limit) == found);
    std::sort(found.begin(), found.end());
    check(std::adjacent_find(found.begin(), found.end()) == found.end());
    return 0;
}
