// Arbitrary lists of places through the loader: the fuzzer's bytes are the list's text,
// compressed as the generator does, or (first byte odd) the file's bytes as they stand. A
// list that loads keeps the promises its readers rely on:
//
//   fuzz_gazetteer_load -max_len=4096 corpus/
#include "aids/Gazetteer.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(bool promise) {
    if (!promise) {
        std::abort();
    }
}

const QString& listPath() {
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("places.qz"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray text(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    {
        QFile file(listPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::abort();
        }
        file.write((data[0] & 1) != 0 ? text : qCompress(text));
    }
    const std::unique_ptr<Gazetteer> list = Gazetteer::Load(listPath());
    if (list == nullptr) {
        return 0;
    }
    for (int number = 0; number < list->size(); ++number) {
        const Gazetteer::Place place = list->place(number);
        check(place.latitudeMinutes >= -90 * 60 && place.latitudeMinutes <= 90 * 60);
        check(place.longitudeMinutes >= -180 * 60 && place.longitudeMinutes <= 180 * 60);
        static_cast<void>(PlaceText::Suggestion(place));
        // Every place is found by its own name, unless its name folds to nothing or holds
        // characters no list of places has (controls, NUL), which fold to spaces.
        const bool plainName = std::none_of(place.name.begin(), place.name.end(), [](QChar c) {
            return c.category() == QChar::Other_Control;
        });
        if (plainName && !PlaceText::Fold(place.name).isEmpty() && number < 64) {
            check(!list->Search(place.name, list->size()).empty());
        }
    }
    return 0;
}
