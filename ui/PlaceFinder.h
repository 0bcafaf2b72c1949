#pragma once

#include "aids/Gazetteer.h"
#include "aids/ZoneResolver.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTimeZone>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class OpenUndo;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QModelIndex;
class QToolButton;
class QRadioButton;
class QStandardItemModel;

// The place finder on the main window's input panel: suggestions of places as the City box
// is typed into, and the choosing of one, which fills the place's names, coordinates, zone
// and daylight saving. It also adds the Now button beside the date lists and the name of
// the chosen place's zone beside the zone boxes.
//
// While a place is chosen and in charge of the zone boxes, changes of date or time make the
// zone and DST follow. Any other change of a zone box or DST (typing, the picker, a saved
// reading) makes them the user's; choosing a place again takes them back. A change of City
// or of the coordinates, or opening a saved reading, forgets the chosen place.
class PlaceFinder : public QObject {
    Q_OBJECT
public:
    // Attaches to the window's input controls, found by their object names.
    explicit PlaceFinder(QWidget* window);

    // The list read on the first focus of the City box; the compiled-in list by default.
    void setListPath(const QString& path) { listPath_ = path; }
    // The present moment and this computer's zone, for Now; tests replace them.
    void setClock(std::function<QDateTime()> now, std::function<QTimeZone()> localZone);

    // "Undo Open" brings back the chosen place, and whether it was in charge of the zone
    // boxes, with the inputs.
    void keepInUndo(OpenUndo& undo);

    // The chosen place and whether it is in charge of the zone boxes, as one value; null
    // when no place is chosen. Restoring one shows the zone's name while it is in charge.
    QVariant state() const;
    void restoreState(const QVariant& state);

    // The City box shows at most this many suggestions.
    static constexpr int SuggestionLimit = 30;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* window);
    void connectControls(QWidget* window);
    void placeTabOrder();

    void txtMCity_GotFocus();
    void txtMCity_Change(const QString& text);
    void suggestion_Click(const QModelIndex& index);
    void cmdNow_Click();
    void dateOrTime_Change();
    void zone_ChangedElsewhere();
    void place_ChangedElsewhere();

    // The local date and time in the lists; nothing for an impossible date.
    std::optional<QDateTime> listedMoment() const;
    int listedLongitudeMinutes() const;
    // Writes the entry for an offset; with `announce`, says so when it cannot be entered.
    bool writeZone(const std::optional<ZoneResolver::LocalOffset>& offset, int longitudeMinutes,
                   bool announce);
    void forgetPlace();
    void releaseZone();

    QWidget* window_;
    QString listPath_ = Gazetteer::BuiltInPath;
    std::function<QDateTime()> now_;
    std::function<QTimeZone()> localZone_;

    enum class ListState { NotRead, Read, Unreadable };
    ListState listState_ = ListState::NotRead;
    std::unique_ptr<Gazetteer> list_;

    struct Chosen {
        QByteArray zone;
        int longitudeMinutes;
    };
    std::optional<Chosen> chosen_;
    bool zoneInCharge_ = false;
    int writing_ = 0; // above 0 while the finder itself writes into controls

    QStandardItemModel* suggestions_ = nullptr;
    QCompleter* completer_ = nullptr;
    QToolButton* cmdNow = nullptr;
    QLabel* lblZoneName = nullptr;

    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    QRadioButton* optLat0 = nullptr;
    QRadioButton* optLat1 = nullptr;
    QRadioButton* optLong0 = nullptr;
    QRadioButton* optLong1 = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    QCheckBox* chkDST = nullptr;
};
