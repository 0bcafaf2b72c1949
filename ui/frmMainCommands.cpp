// The main window's commands: the checks, the calculate and Back commands, the place-name
// lookup and the number filter.
#include "frmMain.h"

#include "InputChecks.h"
#include "KeyCodes.h"
#include "PlaceSearch.h"
#include "ReadingRecord.h"
#include "modNakshatraInformation.h"

#include "engine/modEphemeris.h"
#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "platform/Services.h"
#include "platform/WebSearch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

void frmMain::readEntries(InputChecks::FormEntries& e) const {
    e.name = txtName->text();
    e.monthPosition = cboMonth->currentIndex();
    e.day = SelectedNumber(*cboDate);
    e.year = SelectedNumber(*cboYear);
    e.hour = SelectedNumber(*cboHH);
    e.minute = SelectedNumber(*cboMM);
    e.zoneHour = txtZoneHour->text();
    e.zoneMinute = txtZoneMinute->text();
    e.lonD = txtLonD->text();
    e.lonM = txtLonM->text();
    e.latD = txtLatD->text();
    e.latM = txtLatM->text();
    e.daylightSaving = chkDST->checkState() != Qt::Unchecked;
    e.east = optLong0->isChecked();
    e.south = optLat1->isChecked();
}

bool frmMain::ValidateInputs() {
    InputChecks::FormEntries entries;
    readEntries(entries);
    const std::optional<InputChecks::Failure> failure = InputChecks::FirstFailingCheck(entries);
    if (!failure) {
        return true;
    }
    runStep([&] { platform::services().messages->notify(this, failure->message, failure->icon); });
    QWidget* focusTarget = nullptr;
    switch (failure->focus) {
    case InputChecks::Focus::Name:
        focusTarget = txtName;
        break;
    case InputChecks::Focus::ZoneHour:
        focusTarget = txtZoneHour;
        break;
    case InputChecks::Focus::ZoneMinute:
        focusTarget = txtZoneMinute;
        break;
    case InputChecks::Focus::LonD:
        focusTarget = txtLonD;
        break;
    case InputChecks::Focus::LonM:
        focusTarget = txtLonM;
        break;
    case InputChecks::Focus::LatD:
        focusTarget = txtLatD;
        break;
    case InputChecks::Focus::LatM:
        focusTarget = txtLatM;
        break;
    case InputChecks::Focus::Unchanged:
        break;
    }
    // With the result panel in front the boxes are hidden: the focus stays where it is
    // rather than moving into a box nobody can see.
    if (focusTarget != nullptr && panels->currentWidget() == fraMain) {
        focusTarget->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

void frmMain::fillReadingInput() {
    InputChecks::FormEntries entries;
    readEntries(entries);
    InputChecks::FillReading(entries, currentReading());
}

modNakshatraInformation::ResultView frmMain::resultView() const {
    return {lblResult, imgNakshatra, lblMoment};
}

// Brings a panel to the front. The focus follows when it was on the panel that went behind
// (or nowhere), so that the keyboard user lands on the panel now shown.
void frmMain::showPanel(QWidget* panel, QWidget* defaultFocus) {
    QWidget* const before = panels->currentWidget();
    QWidget* const focused = focusWidget();
    panels->setCurrentWidget(panel);
    // The panel now in front may need more height at this width (a zone warning, a caution).
    fitHeightToWidth();
    if (before != panel && (focused == nullptr || before->isAncestorOf(focused))) {
        defaultFocus->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::cmdRashi_Click() {
    bool valid = false;
    runStep([&] { valid = ValidateInputs(); });
    if (!valid) {
        return;
    }
    runStep([&] { fillReadingInput(); });
    // A failed engine step leaves the previous reading's name in the result slot.
    runStep([&] { modEphemeris::CalculateNakshatra(currentReading()); });
    runStep([&] {
        const std::string& name = modEphemeris::nakshatraName();
        modNakshatraInformation::ShowNakshatraInformation(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), resultView());
    });
    runStep([&] { showDetails(); });
    runStep([&] { showPanel(fraResult, cmdBack); });
}

void frmMain::cmdBack_Click() {
    showPanel(fraMain, cmdRashi);
}

void frmMain::cmdBrowser_Click() {
    // A box counts as empty only without any character; spaces pass and are searched for.
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{txtMCity, QT_TR_NOOP("Please Enter City")},
                    {txtMState, QT_TR_NOOP("Please Enter State")},
                    {txtMCountry, QT_TR_NOOP("Please Enter Country")}};
    for (const auto& check : required) {
        if (check.box->text().isEmpty()) {
            runStep([&] {
                platform::services().messages->notify(this, tr(check.message),
                                                      platform::MessageIcon::Information);
            });
            check.box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const QString searchText =
        PlaceSearch::SearchText(txtMCity->text(), txtMState->text(), txtMCountry->text());
    runStep([&] { platform::services().webSearch->Search(searchText); });
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    const std::optional<std::uint16_t> typed = KeyCodes::TypedCode(key);
    if (!typed) {
        if (KeyCodes::IsStrayAltCharacter(key)) {
            event->accept();
            return true; // types nothing, as an Alt combination does in any text box
        }
        return QMainWindow::eventFilter(watched, event);
    }
    std::uint16_t KeyAscii = *typed;
    if (watched == txtLatD) {
        txtLatD_KeyPress(KeyAscii);
    } else if (watched == txtLatM) {
        txtLatM_KeyPress(KeyAscii);
    } else if (watched == txtLonD) {
        txtLonD_KeyPress(KeyAscii);
    } else if (watched == txtLonM) {
        txtLonM_KeyPress(KeyAscii);
    } else if (watched == txtZoneHour) {
        txtZoneHour_KeyPress(KeyAscii);
    } else if (watched == txtZoneMinute) {
        txtZoneMinute_KeyPress(KeyAscii);
    }
    if (KeyAscii == 0) {
        event->accept();
        return true; // dropped
    }
    if (KeyAscii != *typed) {
        // The handler changed the character (a Devanagari digit): the box types its own.
        static_cast<QLineEdit*>(watched)->insert(QString(QChar(KeyAscii)));
        event->accept();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::txtLatD_KeyPress(std::uint16_t& KeyAscii) {
    numberBoxKeyPress(KeyAscii);
}
void frmMain::txtLatM_KeyPress(std::uint16_t& KeyAscii) {
    numberBoxKeyPress(KeyAscii);
}
void frmMain::txtLonD_KeyPress(std::uint16_t& KeyAscii) {
    numberBoxKeyPress(KeyAscii);
}
void frmMain::txtLonM_KeyPress(std::uint16_t& KeyAscii) {
    numberBoxKeyPress(KeyAscii);
}
void frmMain::txtZoneHour_KeyPress(std::uint16_t& KeyAscii) {
    zoneBoxKeyPress(*txtZoneHour, KeyAscii);
}
void frmMain::txtZoneMinute_KeyPress(std::uint16_t& KeyAscii) {
    zoneBoxKeyPress(*txtZoneMinute, KeyAscii);
}

// Most people write a zone ahead of universal time with its sign, "-1" in the picker's way.
void frmMain::zoneBoxKeyPress(const QLineEdit& box, std::uint16_t& KeyAscii) {
    QString kept = box.text();
    int position = box.cursorPosition();
    if (box.hasSelectedText()) {
        position = box.selectionStart();
        kept.remove(position, box.selectedText().size());
    }
    if (!KeyCodes::IsZoneSign(KeyAscii, kept, position)) {
        numberBoxKeyPress(KeyAscii);
    }
}

void frmMain::numberBoxKeyPress(std::uint16_t& KeyAscii) {
    KeyAscii = KeyCodes::StoredDigit(KeyAscii);
    if (KeyCodes::IsNumberBoxCode(KeyAscii)) {
        return;
    }
    runStep([&] {
        platform::services().messages->notify(this, tr("Only Numbers Are Accepted"),
                                              platform::MessageIcon::Stop);
    });
    KeyAscii = 0;
}
