#include "PlaceFinder.h"

#include "OpenUndo.h"

#include "frmMain.h"

#include "aids/NumberText.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/UiText.h"

#include <QAbstractItemView>
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

// The place's number in the list, on each suggestion.
constexpr int PlaceRole = Qt::UserRole + 1;
constexpr int MinutesPerDegree = 60;

template <typename Widget> Widget* find(QWidget* window, const char* name) {
    return window->findChild<Widget*>(QLatin1String(name));
}

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

// The number of a list's selected entry.
std::optional<int> selectedNumber(const QComboBox* list) {
    bool ok = false;
    const int value = list->currentText().toInt(&ok);
    return ok && list->currentIndex() >= 0 ? std::optional<int>(value) : std::nullopt;
}

void selectNumber(QComboBox* list, int value) {
    const int index = list->findText(QString::number(value), Qt::MatchExactly);
    if (index >= 0) {
        list->setCurrentIndex(index);
    }
}

void notify(QWidget* parent, const QString& text) {
    platform::services().messages->notify(parent, text, platform::MessageIcon::Information);
}

} // namespace

PlaceFinder::PlaceFinder(QWidget* window)
    : QObject(window), window_(window), now_([] { return QDateTime::currentDateTimeUtc(); }),
      localZone_([] { return QTimeZone::systemTimeZone(); }) {
    setObjectName(QStringLiteral("placeFinder"));
    txtMCity = find<QLineEdit>(window, "txtMCity");
    txtMState = find<QLineEdit>(window, "txtMState");
    txtMCountry = find<QLineEdit>(window, "txtMCountry");
    txtLatD = find<QLineEdit>(window, "txtLatD");
    txtLatM = find<QLineEdit>(window, "txtLatM");
    txtLonD = find<QLineEdit>(window, "txtLonD");
    txtLonM = find<QLineEdit>(window, "txtLonM");
    optLat0 = find<QRadioButton>(window, "optLat0");
    optLat1 = find<QRadioButton>(window, "optLat1");
    optLong0 = find<QRadioButton>(window, "optLong0");
    optLong1 = find<QRadioButton>(window, "optLong1");
    cboMonth = find<QComboBox>(window, "cboMonth");
    cboDate = find<QComboBox>(window, "cboDate");
    cboYear = find<QComboBox>(window, "cboYear");
    cboHH = find<QComboBox>(window, "cboHH");
    cboMM = find<QComboBox>(window, "cboMM");
    cboSS = find<QComboBox>(window, "cboSS");
    txtZoneHour = find<QLineEdit>(window, "txtZoneHour");
    txtZoneMinute = find<QLineEdit>(window, "txtZoneMinute");
    chkDST = find<QCheckBox>(window, "chkDST");
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
    placeAfter(cboYear, cmdNow);

    lblZoneName = new QLabel(window);
    lblZoneName->setObjectName(QStringLiteral("lblZoneName"));
    uiText::set(lblZoneName, "accessibleName",
                {"PlaceFinder", QT_TR_NOOP("Time zone of the chosen place")});
    lblZoneName->setTextFormat(Qt::PlainText);
    placeAfter(chkDST, lblZoneName);

    placeTabOrder();
}

// Now comes right after the year. The window lays its own order again when first shown,
// which leaves Now out: it is put back each time the window is shown.
void PlaceFinder::placeTabOrder() {
    QWidget::setTabOrder(cboYear, cmdNow);
    QWidget::setTabOrder(cmdNow, cboHH);
}

void PlaceFinder::connectControls(QWidget* window) {
    window->installEventFilter(this);
    txtMCity->installEventFilter(this);
    connect(txtMCity, &QLineEdit::textEdited, this, &PlaceFinder::txtMCity_Change);
    connect(cmdNow, &QToolButton::clicked, this, &PlaceFinder::cmdNow_Click);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, &PlaceFinder::dateOrTime_Change);
    }
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute}) {
        connect(box, &QLineEdit::textChanged, this, &PlaceFinder::zone_ChangedElsewhere);
    }
    connect(chkDST, &QCheckBox::toggled, this, &PlaceFinder::zone_ChangedElsewhere);
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textChanged, this, &PlaceFinder::place_ChangedElsewhere);
    }
    for (QRadioButton* option : {optLat0, optLong0}) {
        connect(option, &QRadioButton::toggled, this, &PlaceFinder::place_ChangedElsewhere);
    }
    if (auto* main = qobject_cast<frmMain*>(window)) {
        connect(main, &frmMain::savedReadingOpened, this, &PlaceFinder::forgetPlace);
    }
}

bool PlaceFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMCity && event->type() == QEvent::FocusIn) {
        txtMCity_GotFocus();
    } else if (watched == window_ && event->type() == QEvent::ShowToParent) {
        // Sent once the window's own show handling has laid its order.
        placeTabOrder();
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
    completer_->setWidget(txtMCity);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(10);
    completer_->popup()->setObjectName(QStringLiteral("lstPlaces"));
    uiText::set(completer_->popup(), "accessibleName", {"PlaceFinder", QT_TR_NOOP("Places")});
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceFinder::suggestion_Click);
}

void PlaceFinder::txtMCity_Change(const QString& text) {
    forgetPlace();
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
    if (suggestions_->rowCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    // Wide enough for the longest suggestion, as far as the screen allows.
    QAbstractItemView* popup = completer_->popup();
    QRect under = txtMCity->rect();
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
    txtMCity->setText(place.name);
    txtMState->setText(place.region);
    txtMCountry->setText(place.country);
    const int latitude = std::abs(place.latitudeMinutes);
    const int longitude = std::abs(place.longitudeMinutes);
    txtLatD->setText(QString::number(latitude / MinutesPerDegree));
    txtLatM->setText(QString::number(latitude % MinutesPerDegree));
    (place.latitudeMinutes < 0 ? optLat1 : optLat0)->setChecked(true);
    txtLonD->setText(QString::number(longitude / MinutesPerDegree));
    txtLonM->setText(QString::number(longitude % MinutesPerDegree));
    (place.longitudeMinutes < 0 ? optLong1 : optLong0)->setChecked(true);
    --writing_;
    // The place takes charge of the zone even on an impossible date: the zone is written
    // (and its name shown) once the date is one.
    chosen_ = Chosen{place.zone, place.longitudeMinutes};
    zoneInCharge_ = true;
    lblZoneName->clear();
    if (const std::optional<QDateTime> moment = listedMoment()) {
        writeZone(ZoneResolver::OffsetAt(QTimeZone(place.zone), moment->date(), moment->time()),
                  place.longitudeMinutes, true);
    }
}

void PlaceFinder::cmdNow_Click() {
    const QTimeZone zone = chosen_ ? QTimeZone(chosen_->zone) : localZone_();
    const QDateTime utc = now_();
    const QDateTime local = zone.isValid() ? utc.toTimeZone(zone) : utc.toLocalTime();
    ++writing_;
    cboMonth->setCurrentIndex(local.date().month() - 1);
    selectNumber(cboDate, local.date().day());
    selectNumber(cboYear, local.date().year());
    selectNumber(cboHH, local.time().hour());
    selectNumber(cboMM, local.time().minute());
    selectNumber(cboSS, local.time().second());
    --writing_;
    if (!zone.isValid() || (chosen_ && !zoneInCharge_)) {
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
    if (writing_ > 0 || !chosen_ || !zoneInCharge_) {
        return;
    }
    // An impossible date (31 April) leaves the zone as it is.
    if (const std::optional<QDateTime> moment = listedMoment()) {
        writeZone(ZoneResolver::OffsetAt(QTimeZone(chosen_->zone), moment->date(), moment->time()),
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
    const std::optional<int> day = selectedNumber(cboDate);
    const std::optional<int> year = selectedNumber(cboYear);
    const std::optional<int> hour = selectedNumber(cboHH);
    const std::optional<int> minute = selectedNumber(cboMM);
    if (!day || !year || !hour || !minute || cboMonth->currentIndex() < 0) {
        return std::nullopt;
    }
    const QDate date(*year, cboMonth->currentIndex() + 1, *day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return QDateTime(date, QTime(*hour, *minute), Qt::UTC);
}

// The longitude in the boxes, east positive; a box without a number counts as 0.
int PlaceFinder::listedLongitudeMinutes() const {
    const int degrees = std::abs(NumberText::ToInt16(txtLonD->text()).value_or(0));
    const int minutes = std::abs(NumberText::ToInt16(txtLonM->text()).value_or(0));
    const int magnitude = degrees * MinutesPerDegree + minutes;
    return optLong0->isChecked() ? magnitude : -magnitude;
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
            notify(window_, tr(UnwritableZoneNotice));
        }
        return false;
    }
    ++writing_;
    txtZoneHour->setText(entry->hour);
    txtZoneMinute->setText(entry->minute);
    chkDST->setChecked(entry->daylightSaving);
    --writing_;
    zoneInCharge_ = chosen_.has_value();
    lblZoneName->setText(chosen_ ? QString::fromLatin1(chosen_->zone) : QString());
    return true;
}

void PlaceFinder::keepInUndo(OpenUndo& undo) {
    undo.addPart(QStringLiteral("place"), {[this] { return state(); },
                                           [this](const QVariant& kept) { restoreState(kept); }});
}

QVariant PlaceFinder::state() const {
    if (!chosen_) {
        return {};
    }
    return QVariantList{chosen_->zone, chosen_->longitudeMinutes, zoneInCharge_};
}

void PlaceFinder::restoreState(const QVariant& state) {
    const QVariantList fields = state.toList();
    if (fields.size() != 3) {
        forgetPlace();
        return;
    }
    chosen_ = Chosen{fields[0].toByteArray(), fields[1].toInt()};
    zoneInCharge_ = fields[2].toBool();
    lblZoneName->setText(zoneInCharge_ ? QString::fromLatin1(chosen_->zone) : QString());
}

void PlaceFinder::forgetPlace() {
    chosen_.reset();
    releaseZone();
}

void PlaceFinder::releaseZone() {
    zoneInCharge_ = false;
    lblZoneName->clear();
}
