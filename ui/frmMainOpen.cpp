// The main window's two input aids: the time-zone picker behind "TZ Help" and the opening
// of a saved reading, from the open dialog or from outside it.
#include "frmMain.h"

#include "ReadingSave.h"

#include "aids/SavedReading.h"
#include "aids/frmTimeZone.h"
#include "platform/MessageBox.h"
#include "platform/ModalWindows.h"
#include "platform/OpenFileDialog.h"
#include "platform/RegularFile.h"
#include "platform/RunStep.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>

namespace {

// The extension test is on the path's last three characters and minds the case.
const QString ReadingSuffix = ReadingSave::ReadingExtension.mid(1);

platform::OpenFileRequest savedReadingRequest() {
    return {frmMain::tr("Select the source file"), ReadingSave::OpenFilters(),
            ReadingSave::OpenPatterns, ReadingSave::ReadingFileExtension.mid(1)};
}

// Selects the entry whose text is exactly the value; a value that is no entry leaves the
// list as it was.
void selectEntry(QComboBox* list, const QString& value) {
    const int index = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        list->setCurrentIndex(index);
    }
}

// The value "1" selects the first option of a pair; any other value the second.
void selectOption(const QString& value, QRadioButton* first, QRadioButton* second) {
    (value == QStringLiteral("1") ? first : second)->setChecked(true);
}

} // namespace

void frmMain::lblTZHelp_Click() {
    runStep([this] {
        frmTimeZone picker(this);
        connect(&picker, &frmTimeZone::zonePicked, this, [this](int hourValue, int minuteValue) {
            txtZoneHour->setText(QString::number(hourValue));
            txtZoneMinute->setText(QString::number(minuteValue));
        });
        platform::runModal(picker);
    });
}

void frmMain::cmdOpen_Click() {
    std::optional<QString> path;
    runStep([&] { path = platform::services().openFile->chooseFile(this, savedReadingRequest()); });
    if (!path) {
        return;
    }
    openSavedReading(*path, false);
}

void frmMain::openReadingFile(const QString& path) {
    openSavedReading(path, true);
}

void frmMain::openSavedReading(const QString& path, bool regularFileOnly) {
    if (path.endsWith(ReadingSave::ReadingFileExtension, Qt::CaseSensitive)) {
        openReadingFileAt(path);
        return;
    }
    if (!path.endsWith(ReadingSuffix, Qt::CaseSensitive)) {
        runStep([this] {
            platform::services().messages->notify(this, tr("Please Check The File."),
                                                  platform::MessageIcon::Stop);
        });
        return;
    }
    // The file is read whole and closed before any control changes. A path from outside
    // the dialog may name nothing, a folder or a device: it is never read as an empty
    // reading.
    SavedReading::Lines lines;
    bool read = !regularFileOnly;
    runStep([&] {
        if (regularFileOnly) {
            const std::unique_ptr<QIODevice> file = platform::OpenRegularFile(path);
            if (file) {
                lines = SavedReading::ReadSavedReading(*file);
                read = true;
            }
        } else {
            lines = SavedReading::ReadSavedReading(path);
        }
    });
    if (!read) {
        runStep([&] {
            platform::services().messages->notify(this,
                                                  tr("There is no saved reading at %1.").arg(path),
                                                  platform::MessageIcon::Information);
        });
        return;
    }
    runStep([this] { emit aboutToOpenReading(); });
    runStep([&] { applySavedReading(lines); });
    runStep([this] { emit inputsReplaced(); });
    runStep([this] { cmdRashi_Click(); });
    runStep([&] { emit savedReadingOpened(path); });
}

void frmMain::applySavedReading(const std::array<QString, 15>& lines) {
    runStep([&] { txtName->setText(lines[0]); });
    runStep([&] {
        // Position -1 (the value 0) leaves no month selected; one past the list changes nothing.
        const std::optional<int> position = SavedReading::MonthPosition(lines[1]);
        if (position && *position >= -1 && *position < cboMonth->count()) {
            cboMonth->setCurrentIndex(*position);
        }
    });
    runStep([&] { selectEntry(cboDate, lines[2]); });
    runStep([&] { selectEntry(cboYear, lines[3]); });
    runStep([&] { selectEntry(cboHH, lines[4]); });
    runStep([&] { selectEntry(cboMM, lines[5]); });
    runStep([&] { txtLonD->setText(lines[6]); });
    runStep([&] { txtLonM->setText(lines[7]); });
    runStep([&] { txtLatD->setText(lines[8]); });
    runStep([&] { txtLatM->setText(lines[9]); });
    runStep([&] { txtZoneHour->setText(lines[10]); });
    runStep([&] { txtZoneMinute->setText(lines[11]); });
    runStep([&] { selectOption(lines[12], optLong0, optLong1); });
    runStep([&] { selectOption(lines[13], optLat0, optLat1); });
    // Any value but "1" clears the box, so that a reading never keeps the daylight-saving
    // state of the one before it.
    runStep([&] { chkDST->setChecked(lines[14] == QStringLiteral("1")); });
    // A saved reading holds no place: an earlier town must not stand beside its coordinates.
    runStep([&] {
        for (QLineEdit* box : {txtMCity, txtMState, txtMCountry}) {
            box->clear();
        }
    });
}
