#pragma once

#include <QList>

#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QWidget;

// The main window's input panel as its own controls, made by the window: the place finder,
// Undo Open, saving and opening reach the inputs through it, never by object names.
struct InputControls {
    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QRadioButton* optLat0 = nullptr; // North
    QRadioButton* optLat1 = nullptr; // South
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QRadioButton* optLong0 = nullptr; // East
    QRadioButton* optLong1 = nullptr; // West
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;

    // Under City, what the place finder has to say of the text; hidden while empty.
    QLabel* lblPlaceNote = nullptr;
    // Beside the zone boxes, the zone of the chosen place.
    QLabel* lblZoneName = nullptr;

    // The two panels in the same place, and the stack that shows one of them.
    QWidget* inputPanel = nullptr;
    QWidget* resultPanel = nullptr;
    QStackedWidget* panels = nullptr;

    // Every box, every list and every option or check box above, for the parts that treat
    // all inputs alike (Undo Open).
    QList<QLineEdit*> boxes() const;
    QList<QComboBox*> lists() const;
    QList<QAbstractButton*> checkables() const;
};

// The number of a list's selected entry; nothing when no entry is selected.
std::optional<int> SelectedNumber(const QComboBox& list);
// Selects the entry of the number, or no entry for no number; a number the list lacks leaves
// it as it was.
void SelectNumber(QComboBox& list, std::optional<int> number);

// The longitude the boxes give, in minutes of arc, east positive; a box without a number
// counts as 0.
int LongitudeMinutes(const QString& degrees, const QString& minutes, bool east);
