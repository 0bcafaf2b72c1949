// Arbitrary bytes through the reading-file reader. Besides the sanitizers' findings, its
// promise is checked: whatever it takes as a reading, the writer writes and the reader reads
// back unchanged.
//
//   fuzz_reading_file -max_len=4096 -dict=fuzz/reading-file.dict corpus/
#include "aids/ReadingFileReader.h"
#include "aids/ReadingFileWriter.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ReadingFile::Decoded decoded = ReadingFile::Decode(bytes);
    if (const auto* record = std::get_if<ReadingFile::Record>(&decoded)) {
        const ReadingFile::Decoded again = ReadingFile::Decode(ReadingFile::Encode(*record));
        const auto* back = std::get_if<ReadingFile::Record>(&again);
        if (back == nullptr || !(*back == *record)) {
            std::abort();
        }
    } else if (const auto* fault = std::get_if<ReadingFile::Unreadable>(&decoded)) {
        if (fault->what.isEmpty()) {
            std::abort();
        }
    }
    return 0;
}
