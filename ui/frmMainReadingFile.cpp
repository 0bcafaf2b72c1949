// The main window and reading files (".vantrel"): every input as the file keeps it, and the
// opening of one, which puts back the chosen place as well.
#include "frmMain.h"

#include "InputChecks.h"
#include "PlaceFinder.h"

#include "aids/ReadingFileReader.h"
#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

ReadingFile::Record frmMain::readingFileRecord() const {
    InputChecks::FormEntries e;
    readEntries(e);
    ReadingFile::Record r;
    r.name = e.name;
    r.month = e.monthPosition + 1; // no month selected is position -1
    r.year = e.year;
    r.day = e.day;
    r.hour = e.hour;
    r.minute = e.minute;
    r.second = SelectedNumber(*cboSS);
    r.zoneHours = e.zoneHour;
    r.zoneMinutes = e.zoneMinute;
    r.daylightSaving = e.daylightSaving;
    r.longitudeDegrees = e.lonD;
    r.longitudeMinutes = e.lonM;
    r.east = e.east;
    r.latitudeDegrees = e.latD;
    r.latitudeMinutes = e.latM;
    r.north = !e.south;
    r.city = txtMCity->text();
    r.state = txtMState->text();
    r.country = txtMCountry->text();
    if (const std::optional<PlaceFinder::ChosenPlace> place = placeFinder_->state().place) {
        r.timeZoneId = QString::fromLatin1(place->zoneId);
        r.zoneFromPlace = place->zoneInCharge;
    }
    return r;
}

// The lists first: a place still in charge of the zone makes the zone follow them, and the
// record's zone boxes are written after.
void frmMain::applyReadingFile(const ReadingFile::Record& r) {
    txtName->setText(r.name);
    cboMonth->setCurrentIndex(r.month - 1);
    SelectNumber(*cboDate, r.day);
    SelectNumber(*cboYear, r.year);
    SelectNumber(*cboHH, r.hour);
    SelectNumber(*cboMM, r.minute);
    SelectNumber(*cboSS, r.second);
    txtLonD->setText(r.longitudeDegrees);
    txtLonM->setText(r.longitudeMinutes);
    (r.east ? optLong0 : optLong1)->setChecked(true);
    txtLatD->setText(r.latitudeDegrees);
    txtLatM->setText(r.latitudeMinutes);
    (r.north ? optLat0 : optLat1)->setChecked(true);
    txtZoneHour->setText(r.zoneHours);
    txtZoneMinute->setText(r.zoneMinutes);
    chkDST->setChecked(r.daylightSaving);
    txtMCity->setText(r.city);
    txtMState->setText(r.state);
    txtMCountry->setText(r.country);
}

void frmMain::openReadingFileAt(const QString& path) {
    // The file is read whole and checked before any control changes.
    std::variant<ReadingFile::Record, QString> read =
        tr("%1\nThis reading cannot be opened.").arg(path);
    runStep([&] { read = ReadingFile::ReadReadingFile(path); });
    if (const QString* problem = std::get_if<QString>(&read)) {
        runStep([&] {
            platform::services().messages->notify(this, *problem, platform::MessageIcon::Stop);
        });
        return;
    }
    const ReadingFile::Record& record = std::get<ReadingFile::Record>(read);
    runStep([this] { emit aboutToOpenReading(); });
    runStep([&] { applyReadingFile(record); });
    runStep([this] { emit inputsReplaced(); });
    runStep([&] {
        placeFinder_->takeUpPlace(
            {record.city, record.timeZoneId.toLatin1(),
             LongitudeMinutes(record.longitudeDegrees, record.longitudeMinutes, record.east),
             record.zoneFromPlace});
    });
    runStep([this] { cmdRashi_Click(); });
    runStep([&] { emit savedReadingOpened(path); });
}
