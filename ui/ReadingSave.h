#pragma once

#include "InputChecks.h"

#include "aids/SavedReadingWriter.h"

#include <QString>

#include <array>
#include <vector>

// The rules of "Save Reading As…" as plain functions: the record of the input panel, the
// name offered, the name's extension and the question about what the format cannot hold.
namespace ReadingSave {

// The saved-reading record of what the input panel holds: the lists' numbers written as the
// lists show them (plain decimal numbers), empty when nothing is selected.
SavedReading::Record RecordOf(const InputChecks::FormEntries& entries);

// The name offered for a reading: its trimmed name (else "Reading") and, with a month
// selected, the date as year-month-day, e.g. "Ann 2025-01-07.nak". Characters that file
// systems refuse in a name become "_".
QString SuggestedFileName(const SavedReading::Record& record);

// The chosen path with a lower-case ".nak" at its end: an extension "nak" in any case is
// made lower-case, any other name gets ".nak" added (the reader takes only "nak").
QString WithReadingExtension(const QString& path);

// The question put before saving when lines lose something: each box with what it loses,
// `boxNames` giving the box of each line.
QString LossQuestion(const std::vector<SavedReading::LineLoss>& losses,
                     const std::array<QString, SavedReading::LineCount>& boxNames);

} // namespace ReadingSave
