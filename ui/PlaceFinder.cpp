#include "PlaceFinder.h"

#include "OpenUndo.h"

#include "frmMain.h"

#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/UiText.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>

namespace {

const char* const UnreadableListNotice = QT_TRANSLATE_NOOP(
    "PlaceFinder", "The list of places could not be read; use the web search instead.");
const char* const UnwritableZoneNotice = QT_TRANSLATE_NOOP(
    "PlaceFinder",
    "The time zone of this place cannot be entered here; readings for it would be wrong.");
const char* const UnknownZoneNotice =
    QT_TRANSLATE_NOOP("PlaceFinder", "The time zone of this place, %1, is not known to this "
                                     "computer; enter the zone by hand.");
const char* const NoPlaceNote =
    QT_TRANSLATE_NOOP("PlaceFinder", "No place of this name in the list: enter its latitude, "
                                     "longitude and time zone, or use the lookup button.");
// The note is given for a text of at least this many characters.
constexpr int NoteLength = 3;

// The place's number in the list, on each suggestion.
constexpr int PlaceRole = Qt::UserRole + 1;
constexpr int MinutesPerDegree = 60;

// The box layout that holds a widget, searched from a layout down.
QBoxLayout* rowHolding(QLayout* layout, QWidget* widget) {
    if (layout == nullptr) {
        return nullptr;
    }
    if (auto* row = qobject_cast<QBoxLayout*>(layout); row && row->indexOf(widget) >= 0) {
        return row;
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = rowHolding(layout->itemAt(i)->layout(), widget)) {
            return found;
        }
    }
    return nullptr;
}

// Puts a new widget right after another in the row that holds it.
void placeAfter(QWidget* existing, QWidget* added) {
    if (QBoxLayout* row = rowHolding(existing->parentWidget()->layout(), existing)) {
        row->insertWidget(row->indexOf(existing) + 1, added);
    }
}

void notify(QWidget* parent, const QString& text) {
    platform::services().messages->notify(parent, text, platform::MessageIcon::Information);
}

} // namespace

PlaceFinder::PlaceFinder(QWidget* window, const InputControls& inputs)
    : QObject(window), window_(window), in_(inputs),
      now_([] { return QDateTime::currentDateTimeUtc(); }),
      localZone_([] { return QTimeZone::systemTimeZone(); }) {
    setObjectName(QStringLiteral("placeFinder"));
    createControls(window);
    connectControls(window);
}

void PlaceFinder::setClock(std::function<QDateTime()> now, std::function<QTimeZone()> localZone) {
    now_ = std::move(now);
    localZone_ = std::move(localZone);
}

void PlaceFinder::createControls(QWidget* window) {
    // A compact button: the date row must not widen the window beyond what it needs for
    // its other rows.
    cmdNow = new QToolButton(window);
    uiText::set(cmdNow, "text", {"PlaceFinder", QT_TR_NOOP("&Now")});
    cmdNow->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmdNow->setFocusPolicy(Qt::StrongFocus);
    cmdNow->setObjectName(QStringLiteral("cmdNow"));
    uiText::set(cmdNow, "accessibleName", {"PlaceFinder", QT_TR_NOOP("Now")});
    uiText::set(cmdNow, "toolTip",
                {"PlaceFinder", QT_TR_NOOP("Fill the date and time with the present moment")});
    placeAfter(in_.cboYear, cmdNow);

    placeTabOrder();
}

// Now comes right after the year. The window lays its own order again when first shown,
// which leaves Now out: it is put back each time the window is shown.
void PlaceFinder::placeTabOrder() {
    QWidget::setTabOrder(in_.cboYear, cmdNow);
    QWidget::setTabOrder(cmdNow, in_.cboHH);
}

void PlaceFinder::connectControls(QWidget* window) {
    window->installEventFilter(this);
    in_.txtMCity->installEventFilter(this);
    connect(in_.txtMCity, &QLineEdit::textEdited, this, &PlaceFinder::txtMCity_Change);
    connect(cmdNow, &QToolButton::clicked, this, &PlaceFinder::cmdNow_Click);
    for (QComboBox* list : {in_.cboMonth, in_.cboDate, in_.cboYear, in_.cboHH, in_.cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, &PlaceFinder::dateOrTime_Change);
    }
    for (QLineEdit* box : {in_.txtZoneHour, in_.txtZoneMinute}) {
        connect(box, &QLineEdit::textChanged, this, &PlaceFinder::zone_ChangedElsewhere);
    }
    connect(in_.chkDST, &QCheckBox::toggled, this, &PlaceFinder::zone_ChangedElsewhere);
    for (QLineEdit* box : {in_.txtLatD, in_.txtLatM, in_.txtLonD, in_.txtLonM}) {
        connect(box, &QLineEdit::textChanged, this, &PlaceFinder::place_ChangedElsewhere);
    }
    for (QRadioButton* option : {in_.optLat0, in_.optLong0}) {
        connect(option, &QRadioButton::toggled, this, &PlaceFinder::place_ChangedElsewhere);
    }
    // A box changed by anyone but the finder is the user's.
    for (const auto& [box, mark] : filledLineBoxes()) {
        connect(box, &QLineEdit::textChanged, this, [this, mark = mark] {
            if (writing_ == 0) {
                filled_.*mark = false;
            }
        });
    }
    connect(in_.chkDST, &QCheckBox::toggled, this, [this] {
        if (writing_ == 0) {
            filled_.daylightSaving = false;
        }
    });
    in_.lblZoneName->installEventFilter(this);
    if (auto* main = qobject_cast<frmMain*>(window)) {
        connect(main, &frmMain::inputsReplaced, this, &PlaceFinder::readingOpened);
    }
}

bool PlaceFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == in_.txtMCity && event->type() == QEvent::FocusIn) {
        txtMCity_GotFocus();
    } else if (watched == in_.lblZoneName && event->type() == QEvent::Resize) {
        showZoneName(in_.lblZoneName->toolTip());
    } else if (watched == window_ && event->type() == QEvent::ShowToParent) {
        // Sent once the window's own show handling has laid its order.
        placeTabOrder();
    } else if (watched == window_ && event->type() == QEvent::LanguageChange &&
               !in_.lblPlaceNote->isHidden()) {
        showPlaceNote(true); // in the language now in force
    }
    return QObject::eventFilter(watched, event);
}

// The list is read here, on the user-interface thread, the first time the City box gets
// the focus: never at start-up, so that the first window costs nothing for it.
void PlaceFinder::txtMCity_GotFocus() {
    if (listState_ != ListState::NotRead) {
        return;
    }
    list_ = Gazetteer::Load(listPath_);
    listState_ = list_ ? ListState::Read : ListState::Unreadable;
    if (!list_) {
        // Told once, after the focus has settled; the lookup button's web search stays.
        QTimer::singleShot(0, this, [this] { notify(window_, tr(UnreadableListNotice)); });
        return;
    }
    // The suggestions' list is made here too, not with the window.
    suggestions_ = new QStandardItemModel(this);
    completer_ = new QCompleter(suggestions_, this);
    completer_->setWidget(in_.txtMCity);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(10);
    completer_->popup()->setObjectName(QStringLiteral("lstPlaces"));
    uiText::set(completer_->popup(), "accessibleName", {"PlaceFinder", QT_TR_NOOP("Places")});
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceFinder::suggestion_Click);
}

void PlaceFinder::txtMCity_Change(const QString& text) {
    checkNamesOfTakenPlace();
    forgetPlace();
    emptyFilledBoxes();
    if (!list_) {
        return;
    }
    suggestions_->clear();
    for (const int number : list_->Search(text, SuggestionLimit)) {
        auto* item = new QStandardItem(PlaceText::Suggestion(list_->place(number)));
        item->setData(number, PlaceRole);
        item->setEditable(false);
        suggestions_->appendRow(item);
    }
    showPlaceNote(suggestions_->rowCount() == 0 && text.trimmed().size() >= NoteLength);
    if (suggestions_->rowCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    // Wide enough for the longest suggestion, as far as the screen allows.
    QAbstractItemView* popup = completer_->popup();
    QRect under = in_.txtMCity->rect();
    under.setWidth(std::max(under.width(), popup->sizeHintForColumn(0) +
                                               popup->verticalScrollBar()->sizeHint().width() +
                                               2 * popup->contentsMargins().left()));
    completer_->complete(under);
}

void PlaceFinder::suggestion_Click(const QModelIndex& index) {
    if (!list_ || !index.isValid()) {
        return;
    }
    const Gazetteer::Place place = list_->place(index.data(PlaceRole).toInt());
    ++writing_;
    in_.txtMCity->setText(place.name);
    in_.txtMState->setText(place.region);
    in_.txtMCountry->setText(place.country);
    const int latitude = std::abs(place.latitudeMinutes);
    const int longitude = std::abs(place.longitudeMinutes);
    in_.txtLatD->setText(QString::number(latitude / MinutesPerDegree));
    in_.txtLatM->setText(QString::number(latitude % MinutesPerDegree));
    (place.latitudeMinutes < 0 ? in_.optLat1 : in_.optLat0)->setChecked(true);
    in_.txtLonD->setText(QString::number(longitude / MinutesPerDegree));
    in_.txtLonM->setText(QString::number(longitude % MinutesPerDegree));
    (place.longitudeMinutes < 0 ? in_.optLong1 : in_.optLong0)->setChecked(true);
    --writing_;
    filled_ = {};
    filled_.state = filled_.country = true;
    filled_.latitudeDegrees = filled_.latitudeMinutes = true;
    filled_.longitudeDegrees = filled_.longitudeMinutes = true;
    showPlaceNote(false);
    const QTimeZone zone(place.zone);
    if (!zone.isValid()) {
        chosen_ = ChosenPlace{place.name, place.zone, place.longitudeMinutes, false};
        emptyZone();
        notify(window_, tr(UnknownZoneNotice).arg(QString::fromLatin1(place.zone)));
        return;
    }
    // The place takes charge of the zone even on an impossible date: the zone is written
    // (and its name shown) once the date is one.
    chosen_ = ChosenPlace{place.name, place.zone, place.longitudeMinutes, true};
    showZoneName({});
    if (const std::optional<QDateTime> moment = listedMoment()) {
        writeZone(ZoneResolver::OffsetAt(zone, moment->date(), moment->time()),
                  place.longitudeMinutes, true);
    }
}

void PlaceFinder::cmdNow_Click() {
    if (chosen_ && !QTimeZone(chosen_->zoneId).isValid()) {
        notify(window_, tr(UnknownZoneNotice).arg(QString::fromLatin1(chosen_->zoneId)));
        return;
    }
    const QTimeZone zone = chosen_ ? QTimeZone(chosen_->zoneId) : localZone_();
    const QDateTime utc = now_();
    const QDateTime local = zone.isValid() ? utc.toTimeZone(zone) : utc.toLocalTime();
    ++writing_;
    in_.cboMonth->setCurrentIndex(local.date().month() - 1);
    SelectNumber(*in_.cboDate, local.date().day());
    SelectNumber(*in_.cboYear, local.date().year());
    SelectNumber(*in_.cboHH, local.time().hour());
    SelectNumber(*in_.cboMM, local.time().minute());
    SelectNumber(*in_.cboSS, local.time().second());
    --writing_;
    if (!zone.isValid() || (chosen_ && !chosen_->zoneInCharge)) {
        return;
    }
    const ZoneResolver::LocalOffset offset{zone.offsetFromUtc(utc), zone.daylightTimeOffset(utc)};
    if (chosen_) {
        writeZone(offset, chosen_->longitudeMinutes, true);
    } else {
        writeZone(offset, listedLongitudeMinutes(), true);
    }
}

void PlaceFinder::dateOrTime_Change() {
    if (writing_ > 0 || !chosen_ || !chosen_->zoneInCharge) {
        return;
    }
    // An impossible date (31 April) leaves the zone as it is.
    if (const std::optional<QDateTime> moment = listedMoment()) {
        writeZone(
            ZoneResolver::OffsetAt(QTimeZone(chosen_->zoneId), moment->date(), moment->time()),
            chosen_->longitudeMinutes, false);
    }
}

void PlaceFinder::zone_ChangedElsewhere() {
    if (writing_ == 0) {
        releaseZone();
    }
}

void PlaceFinder::place_ChangedElsewhere() {
    if (writing_ == 0) {
        forgetPlace();
    }
}

std::optional<QDateTime> PlaceFinder::listedMoment() const {
    const std::optional<int> day = SelectedNumber(*in_.cboDate);
    const std::optional<int> year = SelectedNumber(*in_.cboYear);
    const std::optional<int> hour = SelectedNumber(*in_.cboHH);
    const std::optional<int> minute = SelectedNumber(*in_.cboMM);
    if (!day || !year || !hour || !minute || in_.cboMonth->currentIndex() < 0) {
        return std::nullopt;
    }
    const QDate date(*year, in_.cboMonth->currentIndex() + 1, *day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, QTime(*hour, *minute), Qt::UTC);
}

// The longitude in the boxes, east positive; a box without a number counts as 0.
int PlaceFinder::listedLongitudeMinutes() const {
    return LongitudeMinutes(in_.txtLonD->text(), in_.txtLonM->text(), in_.optLong0->isChecked());
}

bool PlaceFinder::writeZone(const std::optional<ZoneResolver::LocalOffset>& offset,
                            int longitudeMinutes, bool announce) {
    if (!offset) {
        return false;
    }
    const std::optional<ZoneResolver::ZoneEntry> entry =
        ZoneResolver::EntryFor(*offset, longitudeMinutes);
    if (!entry) {
        releaseZone();
        if (announce) {
            emptyZone();
            notify(window_, tr(UnwritableZoneNotice));
        }
        return false;
    }
    ++writing_;
    in_.txtZoneHour->setText(entry->hour);
    in_.txtZoneMinute->setText(entry->minute);
    in_.chkDST->setChecked(entry->daylightSaving);
    --writing_;
    if (chosen_) {
        chosen_->zoneInCharge = true;
        filled_.zoneHour = filled_.zoneMinute = filled_.daylightSaving = true;
    }
    showZoneName(chosen_ ? QString::fromLatin1(chosen_->zoneId) : QString());
    return true;
}

void PlaceFinder::keepInUndo(OpenUndo& undo) {
    undo.addPart(QStringLiteral("place"),
                 {[this] { return QVariant::fromValue(state()); },
                  [this](const QVariant& kept) { restoreState(kept.value<State>()); }});
}

PlaceFinder::State PlaceFinder::state() const {
    return {chosen_, filled_};
}

void PlaceFinder::restoreState(const State& state) {
    namesToCheck_.reset();
    chosen_ = state.place;
    filled_ = state.filled;
    showZoneName(chosen_ && chosen_->zoneInCharge ? QString::fromLatin1(chosen_->zoneId)
                                                  : QString());
    // A town the list lacks is said again when it comes back.
    const QString city = in_.txtMCity->text();
    showPlaceNote(!chosen_ && list_ && city.trimmed().size() >= NoteLength &&
                  list_->Search(city, 1).empty());
}

void PlaceFinder::takeUpPlace(const ChosenPlace& place) {
    if (place.zoneId.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(place.zoneId)) {
        restoreState({});
        return;
    }
    const bool zone = place.zoneInCharge;
    restoreState({place, {true, true, true, true, true, true, zone, zone, zone}});
    namesToCheck_ = place;
}

// A file does not say whether State and Country were typed over: they count as the place's
// only while they hold the list's names of it.
void PlaceFinder::checkNamesOfTakenPlace() {
    const std::optional<ChosenPlace> taken = std::exchange(namesToCheck_, std::nullopt);
    if (!taken || !chosen_) {
        return;
    }
    std::optional<Gazetteer::Place> listed;
    for (const int number :
         list_ ? list_->Search(taken->name, SuggestionLimit) : std::vector<int>{}) {
        const Gazetteer::Place place = list_->place(number);
        if (place.name == taken->name && place.zone == taken->zoneId &&
            place.longitudeMinutes == taken->longitudeMinutes) {
            listed = place;
            break;
        }
    }
    filled_.state = filled_.state && listed && in_.txtMState->text() == listed->region;
    filled_.country = filled_.country && listed && in_.txtMCountry->text() == listed->country;
}

void PlaceFinder::forgetPlace() {
    chosen_.reset();
    releaseZone();
}

// The boxes hold the reading's values now, and City, State and Country were emptied.
void PlaceFinder::readingOpened() {
    forgetPlace();
    filled_ = {};
    showPlaceNote(false);
}

std::vector<std::pair<QLineEdit*, bool PlaceFinder::FilledBoxes::*>>
PlaceFinder::filledLineBoxes() const {
    return {{in_.txtMState, &FilledBoxes::state},
            {in_.txtMCountry, &FilledBoxes::country},
            {in_.txtLatD, &FilledBoxes::latitudeDegrees},
            {in_.txtLatM, &FilledBoxes::latitudeMinutes},
            {in_.txtLonD, &FilledBoxes::longitudeDegrees},
            {in_.txtLonM, &FilledBoxes::longitudeMinutes},
            {in_.txtZoneHour, &FilledBoxes::zoneHour},
            {in_.txtZoneMinute, &FilledBoxes::zoneMinute}};
}

void PlaceFinder::emptyFilledBoxes() {
    ++writing_;
    for (const auto& [box, mark] : filledLineBoxes()) {
        if (filled_.*mark) {
            box->clear();
        }
    }
    if (filled_.daylightSaving) {
        in_.chkDST->setChecked(false);
    }
    --writing_;
    filled_ = {};
}

void PlaceFinder::emptyZone() {
    ++writing_;
    in_.txtZoneHour->clear();
    in_.txtZoneMinute->clear();
    in_.chkDST->setChecked(false);
    --writing_;
    filled_.zoneHour = filled_.zoneMinute = filled_.daylightSaving = false;
    releaseZone();
}

void PlaceFinder::showPlaceNote(bool show) {
    const QString note = show ? tr(NoPlaceNote) : QString();
    // The label holds the note broken into lines; the box's description holds it whole.
    if (in_.txtMCity->accessibleDescription() == note && in_.lblPlaceNote->isHidden() == !show) {
        return;
    }
    // On the screen the note takes three short lines rather than widening the window.
    QString lines = note;
    in_.lblPlaceNote->setText(lines.replace(QStringLiteral(": "), QStringLiteral(":\n"))
                                  .replace(QStringLiteral(", or "), QStringLiteral(",\nor ")));
    in_.lblPlaceNote->setVisible(show);
    in_.inputPanel->layout()->invalidate();
    emit panelHeightChanged();
    // Screen readers hear the note with the box; Qt 6.4 has no announcement of its own.
    in_.txtMCity->setAccessibleDescription(note);
    QAccessibleEvent changed(in_.txtMCity, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void PlaceFinder::showZoneName(const QString& name) {
    QLabel* label = in_.lblZoneName;
    label->setToolTip(name);
    label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, label->width()));
    if (label->isHidden() != name.isEmpty()) {
        label->setHidden(name.isEmpty());
        in_.inputPanel->layout()->invalidate();
        emit panelHeightChanged();
    }
}

void PlaceFinder::releaseZone() {
    if (chosen_) {
        chosen_->zoneInCharge = false;
    }
    showZoneName({});
}
