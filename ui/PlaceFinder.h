#pragma once

#include "aids/Gazetteer.h"
#include "aids/ZoneResolver.h"

#include "InputControls.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTimeZone>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

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
// and daylight saving. It also adds the Now button beside the date lists, and writes the
// name of the chosen place's zone beside the zone boxes and the note under City.
//
// While a place is chosen and in charge of the zone boxes, changes of date or time make the
// zone and DST follow. Any other change of a zone box or DST (typing, the picker, a saved
// reading) makes them the user's; choosing a place again takes them back. A change of City
// or of the coordinates, or opening a saved reading, forgets the chosen place; a change of
// City also empties the boxes the finder filled and the user left as they were.
class PlaceFinder : public QObject {
    Q_OBJECT
public:
    // Attaches to the window's input controls.
    PlaceFinder(QWidget* window, const InputControls& inputs);

    // The list read on the first focus of the City box; the compiled-in list by default.
    void setListPath(const QString& path) { listPath_ = path; }
    // The present moment and this computer's zone, for Now; tests replace them.
    void setClock(std::function<QDateTime()> now, std::function<QTimeZone()> localZone);

    // The place chosen in the list and whether it is in charge of the zone boxes.
    struct ChosenPlace {
        QString name;             // the place's bare name, as it went into City
        QByteArray zoneId;        // IANA id of its zone; one this computer may not know
        int longitudeMinutes = 0; // minutes of arc, east positive
        bool zoneInCharge = false;
    };
    // The boxes the finder filled that the user has not changed since: editing City empties
    // them. A box the user changes is the user's from then on.
    struct FilledBoxes {
        bool state = false, country = false;
        bool latitudeDegrees = false, latitudeMinutes = false;
        bool longitudeDegrees = false, longitudeMinutes = false;
        bool zoneHour = false, zoneMinute = false, daylightSaving = false;
    };
    struct State {
        std::optional<ChosenPlace> place; // nothing when no place is chosen
        FilledBoxes filled;
    };
    State state() const;
    // Takes up a state as it was. The controls are not written: they are expected to hold
    // what they held with that state.
    void restoreState(const State& state);

    // "Undo Open" brings back the chosen place, and whether it was in charge of the zone
    // boxes, with the inputs.
    void keepInUndo(OpenUndo& undo);

    // Takes up the place a reading file kept, once the boxes hold the file's values: the
    // place's boxes count as filled by the finder, and the zone's while it is in charge. A
    // zone this computer does not know leaves no place chosen.
    void takeUpPlace(const ChosenPlace& place);

    // The City box shows at most this many suggestions.
    static constexpr int SuggestionLimit = 30;

signals:
    // The note under City or the zone's name appeared or went: the input panel's least
    // height changed.
    void panelHeightChanged();

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
    void checkNamesOfTakenPlace();
    void readingOpened();
    // Empties the boxes the finder filled that are still as it left them.
    void emptyFilledBoxes();
    // Empties the zone boxes and DST and releases them.
    void emptyZone();
    void showPlaceNote(bool show);
    // The zone's name beside the zone boxes, elided to the room the row leaves it.
    void showZoneName(const QString& name);
    // Each line box the finder fills, with its mark in FilledBoxes.
    std::vector<std::pair<QLineEdit*, bool FilledBoxes::*>> filledLineBoxes() const;
    void releaseZone();

    QWidget* window_;
    InputControls in_;
    QString listPath_ = Gazetteer::BuiltInPath;
    std::function<QDateTime()> now_;
    std::function<QTimeZone()> localZone_;

    enum class ListState { NotRead, Read, Unreadable };
    ListState listState_ = ListState::NotRead;
    std::unique_ptr<Gazetteer> list_;

    std::optional<ChosenPlace> chosen_;
    FilledBoxes filled_;
    // A place taken up from a reading file, whose State and Country are still to be checked
    // against the list.
    std::optional<ChosenPlace> namesToCheck_;
    int writing_ = 0; // above 0 while the finder itself writes into controls

    QStandardItemModel* suggestions_ = nullptr;
    QCompleter* completer_ = nullptr;
    QToolButton* cmdNow = nullptr;
};

Q_DECLARE_METATYPE(PlaceFinder::State)
