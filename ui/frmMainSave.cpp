// "Save Reading As…": the inputs written as a saved reading.
#include "frmMain.h"

#include "InputChecks.h"
#include "ReadingSave.h"

#include "aids/SavedReadingWriter.h"
#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "platform/SaveFileDialog.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>

namespace {

// The folder of the last reading saved in this run; the documents folder before that.
QString& lastSaveFolder() {
    static QString folder;
    return folder;
}

QString startFolder() {
    if (!lastSaveFolder().isEmpty()) {
        return lastSaveFolder();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

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
                                               const QString& extension) {
    // A suggested name alone starts in the last folder saved to, else the documents folder.
    request.suggestedPath = QDir(startFolder()).filePath(request.suggestedPath);
    std::optional<QString> chosen;
    runStep([&] { chosen = platform::services().saveFile->chooseSaveFile(this, request); });
    if (!chosen) {
        return std::nullopt;
    }
    // The dialog asks nothing: the name is final only with its extension.
    const QString path = ReadingSave::WithExtension(*chosen, extension);
    if (QFileInfo::exists(path) &&
        !confirmed(
            this,
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()))) {
        return std::nullopt;
    }
    return path;
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
    const SavedReading::Lines lines = SavedReading::ToLines(savedRecord());
    // Nothing is left out unasked.
    const std::vector<SavedReading::LineLoss> losses = SavedReading::FindLosses(lines);
    if (!losses.empty() &&
        !confirmed(this, ReadingSave::LossQuestion(losses, savedLineBoxNames()))) {
        return;
    }

    const std::optional<QString> path =
        chooseSavePath({tr("Save Reading As"), ReadingSave::ReadingFilterName,
                        ReadingSave::ReadingPattern, ReadingSave::SuggestedFileName(savedRecord())},
                       ReadingSave::ReadingExtension);
    if (!path) {
        return;
    }

    QString failure = tr("the file could not be written");
    runStep([&] { failure = SavedReading::WriteSavedReading(*path, lines); });
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
    lastSaveFolder() = QFileInfo(*path).absolutePath();
    runStep([&] { emit readingSaved(*path); });
}
