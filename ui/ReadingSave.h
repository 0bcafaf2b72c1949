#pragma once

#include "InputChecks.h"

#include "aids/SavedReadingWriter.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The rules of "Save Reading As…" as plain functions: the record of the input panel, the
// name offered, the name's extension and the question about what the format cannot hold.
namespace ReadingSave {

// The saved-reading record of what the input panel holds: the lists' numbers written as the
// lists show them (plain decimal numbers), empty when nothing is selected.
SavedReading::Record RecordOf(const InputChecks::FormEntries& entries);

// The name offered for a reading or its PDF: its trimmed name (else "Reading") and, with a
// month selected, the date as year-month-day, then `extension`, e.g. "Ann 2025-01-07.vantrel".
// Characters that file systems refuse in a name become "_".
QString SuggestedFileName(const SavedReading::Record& record,
                          const QString& extension = QStringLiteral(".vantrel"));

// The folder a save dialog starts in: `last`, the folder last saved to, when it still is a
// folder, else `documents` when it is one, else `home`.
QString StartFolder(const QString& last, const QString& documents, const QString& home);

// The folder of the last file saved in this run (a reading or a PDF); empty before that.
QString LastSaveFolder();
void NoteSaved(const QString& path);

// Classic saved readings end in a lower-case ".nak": the reader takes no other case.
inline const QString ReadingExtension = QStringLiteral(".nak");
inline const QString ReadingFilterName = QStringLiteral("QV Starcall (*.nak)");
inline const QString ReadingPattern = QStringLiteral("*.nak");
// Reading files, which keep every input, end in a lower-case ".vantrel".
inline const QString ReadingFileExtension = QStringLiteral(".vantrel");
inline const char ReadingFileFilterName[] =
    QT_TRANSLATE_NOOP("ReadingSave", "QV Vantrel reading (*.vantrel)");
inline const QString ReadingFilePattern = QStringLiteral("*.vantrel");

// The save dialog offers the reading file first, as the default, then the classic type; the
// name's extension decides which is written. The open dialog shows both types together first.
inline const QStringList SaveExtensions = {ReadingFileExtension, ReadingExtension};
inline const QString OpenPatterns = ReadingFilePattern + QLatin1Char(' ') + ReadingPattern;
// The dialogs' filters, in the language in force.
QString SaveFilters();
QString OpenFilters();

// The chosen path ending in one of `extensions`, in the extension's own case: a name that
// ends in one of them in any case gets it in its own case, any other name gets the first
// added (e.g. "a.txt" gives "a.txt.vantrel").
QString WithExtension(const QString& path, const QStringList& extensions);

// A path saves or opens as a classic saved reading when it ends in ".nak".
inline bool IsClassicReading(const QString& path) {
    return path.endsWith(ReadingExtension, Qt::CaseSensitive);
}

// The question put before saving when lines lose something: each box with what it loses,
// `boxNames` giving the box of each line.
QString LossQuestion(const std::vector<SavedReading::LineLoss>& losses,
                     const std::array<QString, SavedReading::LineCount>& boxNames);

} // namespace ReadingSave
