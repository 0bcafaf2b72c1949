#include "InputControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

QList<QLineEdit*> InputControls::boxes() const {
    return {txtName, txtZoneHour, txtZoneMinute, txtLatD,   txtLatM,
            txtLonD, txtLonM,     txtMCity,      txtMState, txtMCountry};
}

QList<QComboBox*> InputControls::lists() const {
    return {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS};
}

QList<QAbstractButton*> InputControls::checkables() const {
    return {chkDST, optLat0, optLat1, optLong0, optLong1};
}

std::optional<int> SelectedNumber(const QComboBox& list) {
    if (list.currentIndex() < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = list.currentText().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
