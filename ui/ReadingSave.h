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

// The name offered for a reading or its PDF: its trimmed name (else "Reading") and, with a
// month selected, the date as year-month-day, then `extension`, e.g. "Ann 2025-01-07.nak".
// Characters that file systems refuse in a name become "_".
QString SuggestedFileName(const SavedReading::Record& record,
                          const QString& extension = QStringLiteral(".nak"));

// The folder a save dialog starts in: `last`, the folder last saved to, when it still is a
// folder, else `documents` when it is one, else `home`.
QString StartFolder(const QString& last, const QString& documents, const QString& home);

// The folder of the last file saved in this run (a reading or a PDF); empty before that.
QString LastSaveFolder();
void NoteSaved(const QString& path);

// Saved readings end in a lower-case ".nak": the reader takes no other case. The open and save
// dialogs show them under one filter.
inline const QString ReadingExtension = QStringLiteral(".nak");
inline const QString ReadingFilterName = QStringLiteral("QV Starcall (*.nak)");
inline const QString ReadingPattern = QStringLiteral("*.nak");

// The chosen path with `extension` (e.g. ".nak") at its end, in the extension's own case: the
// same extension in any other case is replaced, any other name gets it added.
QString WithExtension(const QString& path, const QString& extension);

// The question put before saving when lines lose something: each box with what it loses,
// `boxNames` giving the box of each line.
QString LossQuestion(const std::vector<SavedReading::LineLoss>& losses,
                     const std::array<QString, SavedReading::LineCount>& boxNames);

} // namespace ReadingSave
