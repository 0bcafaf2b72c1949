// "Save Reading As…": the inputs written as a reading file or a classic saved reading.
#include "frmMain.h"

#include "InputChecks.h"
#include "ReadingSave.h"

#include "aids/ReadingFileWriter.h"
#include "aids/SavedReadingWriter.h"
#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "platform/SaveFileDialog.h"
#include "platform/SaveTarget.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>

namespace {

// A question answered Yes; a box that cannot be shown counts as No.
bool confirmed(QWidget* parent, const QString& question) {
    bool yes = false;
    runStep([&] {
        yes = platform::services().messages->ask(parent, question,
                                                 platform::MessageIcon::Information);
    });
    return yes;
}

} // namespace

std::optional<QString> frmMain::chooseSavePath(platform::SaveFileRequest request,
                                               const QStringList& extensions) {
    // A suggested name alone starts in the last folder saved to, else the documents folder,
    // else the home folder: a folder that is not there would leave the dialog in the working
    // folder with a relative name.
    request.suggestedPath = QDir(ReadingSave::StartFolder(ReadingSave::LastSaveFolder(),
                                                          QStandardPaths::writableLocation(
                                                              QStandardPaths::DocumentsLocation),
                                                          QDir::homePath()))
                                .filePath(request.suggestedPath);
    std::optional<QString> chosen;
    runStep([&] { chosen = platform::services().saveFile->chooseSaveFile(this, request); });
    if (!chosen) {
        return std::nullopt;
    }
    // The dialog asks nothing: the name is final only with its extension.
    const QString path = ReadingSave::WithExtension(*chosen, extensions);
    // A link another user may have placed could point at any file of this user's.
    const QString refusal = platform::untrustedLinkRefusal(path);
    if (!refusal.isEmpty()) {
        runStep([&] {
            platform::services().messages->notify(this, refusal, platform::MessageIcon::Stop);
        });
        return std::nullopt;
    }
    const QString replaced = platform::fileReplacedBy(path);
    if (!replaced.isEmpty() &&
        !confirmed(this, tr("%1 already exists.\nDo you want to replace it?").arg(replaced))) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> frmMain::chooseSavePath(platform::SaveFileRequest request,
                                               const QString& extension) {
    return chooseSavePath(std::move(request), QStringList{extension});
}

SavedReading::Record frmMain::savedRecord() const {
    InputChecks::FormEntries entries;
    readEntries(entries);
    return ReadingSave::RecordOf(entries);
}

std::array<QString, 15> frmMain::savedLineBoxNames() const {
    const QWidget* const boxes[15] = {txtName,     cboMonth,      cboDate,  cboYear, cboHH,
                                      cboMM,       txtLonD,       txtLonM,  txtLatD, txtLatM,
                                      txtZoneHour, txtZoneMinute, optLong0, optLat0, chkDST};
    std::array<QString, 15> names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = boxes[i]->accessibleName();
    }
    return names;
}

void frmMain::mnuSave_Click() {
    const SavedReading::Record classic = savedRecord();
    const std::optional<QString> path =
        chooseSavePath({tr("Save Reading As"), ReadingSave::SaveFilters(),
                        ReadingSave::ReadingFilePattern, ReadingSave::SuggestedFileName(classic)},
                       ReadingSave::SaveExtensions);
    if (!path) {
        return;
    }

    QString failure = tr("the file could not be written");
    if (ReadingSave::IsClassicReading(*path)) {
        const SavedReading::Lines lines = SavedReading::ToLines(classic);
        // Nothing is left out unasked.
        const std::vector<SavedReading::LineLoss> losses = SavedReading::FindLosses(lines);
        if (!losses.empty() &&
            !confirmed(this, ReadingSave::LossQuestion(losses, savedLineBoxNames()))) {
            return;
        }
        runStep([&] { failure = SavedReading::WriteSavedReading(*path, lines); });
    } else {
        runStep([&] { failure = ReadingFile::WriteReadingFile(*path, readingFileRecord()); });
    }
    if (!failure.isEmpty()) {
        runStep([&] {
            platform::services().messages->notify(
                this,
                tr("The reading was not saved to %1: %2.\nAny earlier file of that name is "
                   "unchanged.")
                    .arg(*path, failure),
                platform::MessageIcon::Stop);
        });
        return;
    }
    ReadingSave::NoteSaved(*path);
    runStep([&] { emit readingSaved(*path); });
}
