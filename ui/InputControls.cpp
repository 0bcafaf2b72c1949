#include "InputControls.h"

#include "aids/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

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

void SelectNumber(QComboBox& list, std::optional<int> number) {
    if (!number) {
        list.setCurrentIndex(-1);
        return;
    }
    const int index = list.findText(QString::number(*number), Qt::MatchExactly);
    if (index >= 0) {
        list.setCurrentIndex(index);
    }
}

int LongitudeMinutes(const QString& degrees, const QString& minutes, bool east) {
    constexpr int MinutesPerDegree = 60;
    const int magnitude = std::abs(NumberText::ToInt16(degrees).value_or(0)) * MinutesPerDegree +
                          std::abs(NumberText::ToInt16(minutes).value_or(0));
    return east ? magnitude : -magnitude;
}
