// The main window's input panel: the date, time and zone rows, the place frames and the
// commands under them.
#include "frmMain.h"

#include "ClickableLabel.h"
#include "KeyCodes.h"
#include "ZoneCheck.h"


#include "platform/FittedLabel.h"
#include "platform/Named.h"
#include "platform/UiText.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace {

// Texts of the input panel, in the main window's context.
uiText::Source text(const char* source) {
    return {"frmMain", source};
}

QComboBox* pickOnlyList(const QString& objectName, const char* accessibleName) {
    auto* list = named(new QComboBox, objectName, text(accessibleName));
    list->setEditable(false);
    // The open list is what a screen reader meets while the user picks.
    uiText::set(list->view(), "accessibleName", text(accessibleName));
    return list;
}

// A number box: digits only through the key filter, and no input method that could
// compose other characters past it.
QLineEdit* numberBox(const QString& objectName, uiText::Source accessibleName) {
    auto* box = named(new QLineEdit, objectName, accessibleName);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setInputMethodHints(Qt::ImhDigitsOnly);
    // Wide enough for a few digits at any font size; longer texts scroll.
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) +
                         box->fontMetrics().height());
    // Devanagari digits pasted or dropped in are stored as 0 to 9, as typed ones are.
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        QString stored = text;
        for (QChar& c : stored) {
            c = QChar(KeyCodes::StoredDigit(c.unicode()));
        }
        if (stored != text) {
            const int cursor = box->cursorPosition();
            box->setText(stored);
            box->setCursorPosition(cursor);
        }
    });
    return box;
}

// The input panel's decoration: a crescent moon among stars on a night-blue disc, drawn at
// the screen's resolution.
QPixmap moonPicture(int size, qreal pixelRatio) {
    QPixmap picture(QSize(size, size) * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(25, 35, 90));
    painter.drawEllipse(QRectF(2, 2, 96, 96));
    QPainterPath moon;
    moon.addEllipse(QRectF(22, 20, 56, 56));
    QPainterPath shadow;
    shadow.addEllipse(QRectF(38, 12, 56, 56));
    painter.setBrush(QColor(250, 215, 40));
    painter.drawPath(moon.subtracted(shadow));
    painter.setBrush(QColor(240, 240, 255));
    for (const QPointF& star :
         {QPointF(70, 74), QPointF(80, 30), QPointF(30, 84), QPointF(60, 52), QPointF(20, 36)}) {
        painter.drawEllipse(star, 2.2, 2.2);
    }
    return picture;
}

QLabel* caption(const char* source, QWidget* buddy, const QString& objectName) {
    auto* label = named(new FittedLabel, objectName);
    uiText::set(label, "text", text(source));
    label->setBuddy(buddy);
    return label;
}

// A row of controls packed to the left.
QHBoxLayout* rowOf(std::initializer_list<QWidget*> controls) {
    auto* row = new QHBoxLayout;
    for (QWidget* control : controls) {
        row->addWidget(control);
    }
    row->addStretch();
    return row;
}

// The names of a latitude or longitude frame and of its controls.
struct PlaceFrameNames {
    const char* frame;
    const char* title;
    const char* degrees;
    const char* minutes;
    const char* first; // the option a saved reading's "1" selects
    const char* second;
    const char* firstText;
    const char* secondText;
    const char* degreesName; // the boxes' accessible names
    const char* minutesName;
};

// Latitude stands left of longitude.
constexpr PlaceFrameNames LatitudeFrame{"fraLatitude",
                                        QT_TRANSLATE_NOOP("frmMain", "Latitude"),
                                        "txtLatD",
                                        "txtLatM",
                                        "optLat0",
                                        "optLat1",
                                        QT_TRANSLATE_NOOP("frmMain", "North"),
                                        QT_TRANSLATE_NOOP("frmMain", "South"),
                                        QT_TRANSLATE_NOOP("frmMain", "Latitude degrees"),
                                        QT_TRANSLATE_NOOP("frmMain", "Latitude minutes")};
constexpr PlaceFrameNames LongitudeFrame{"fraLongitude",
                                         QT_TRANSLATE_NOOP("frmMain", "Longitude"),
                                         "txtLonD",
                                         "txtLonM",
                                         "optLong0",
                                         "optLong1",
                                         QT_TRANSLATE_NOOP("frmMain", "East"),
                                         QT_TRANSLATE_NOOP("frmMain", "West"),
                                         QT_TRANSLATE_NOOP("frmMain", "Longitude degrees"),
                                         QT_TRANSLATE_NOOP("frmMain", "Longitude minutes")};

struct PlaceFrame {
    QGroupBox* frame;
    QLineEdit* degrees;
    QLineEdit* minutes;
    QRadioButton* first;
    QRadioButton* second;
};

// A frame with the degree and minute boxes and one exclusive pair of options.
PlaceFrame placeFrame(const PlaceFrameNames& names) {
    PlaceFrame built{};
    built.frame = named(new QGroupBox, names.frame);
    uiText::set(built.frame, "title", text(names.title));
    built.degrees = numberBox(names.degrees, text(names.degreesName));
    built.minutes = numberBox(names.minutes, text(names.minutesName));
    built.first = named(new QRadioButton, names.first, text(names.firstText));
    uiText::set(built.first, "text", text(names.firstText));
    built.second = named(new QRadioButton, names.second, text(names.secondText));
    uiText::set(built.second, "text", text(names.secondText));
    auto* pair = new QButtonGroup(built.frame);
    pair->addButton(built.first, 0);
    pair->addButton(built.second, 1);
    auto* frameGrid = new QGridLayout(built.frame);
    frameGrid->addWidget(caption(QT_TRANSLATE_NOOP("frmMain", "Deg"), built.degrees,
                                 built.degrees->objectName() + QStringLiteral("Caption")),
                         0, 0);
    frameGrid->addWidget(built.degrees, 0, 1);
    frameGrid->addWidget(caption(QT_TRANSLATE_NOOP("frmMain", "Min"), built.minutes,
                                 built.minutes->objectName() + QStringLiteral("Caption")),
                         0, 2);
    frameGrid->addWidget(built.minutes, 0, 3);
    frameGrid->addWidget(built.first, 1, 0, 1, 2);
    frameGrid->addWidget(built.second, 1, 2, 1, 2);
    return built;
}

} // namespace

InputControls frmMain::inputControls() const {
    InputControls c;
    c.txtName = txtName;
    c.cboMonth = cboMonth;
    c.cboDate = cboDate;
    c.cboYear = cboYear;
    c.cboHH = cboHH;
    c.cboMM = cboMM;
    c.cboSS = cboSS;
    c.txtZoneHour = txtZoneHour;
    c.txtZoneMinute = txtZoneMinute;
    c.chkDST = chkDST;
    c.txtLatD = txtLatD;
    c.txtLatM = txtLatM;
    c.optLat0 = optLat0;
    c.optLat1 = optLat1;
    c.txtLonD = txtLonD;
    c.txtLonM = txtLonM;
    c.optLong0 = optLong0;
    c.optLong1 = optLong1;
    c.txtMCity = txtMCity;
    c.txtMState = txtMState;
    c.txtMCountry = txtMCountry;
    c.lblPlaceNote = lblPlaceNote;
    c.lblZoneName = lblZoneName;
    c.inputPanel = fraMain;
    c.resultPanel = fraResult;
    c.panels = panels;
    return c;
}

void frmMain::zone_Change() {
    lblZoneUtc->setText(ZoneCheck::UtcLabel(
        txtZoneHour->text(), txtZoneMinute->text(), chkDST->isChecked(),
        LongitudeMinutes(txtLonD->text(), txtLonM->text(), optLong0->isChecked())));
}

QGroupBox* frmMain::createInputPanel() {
    fraMain = named(new QGroupBox, "fraMain");
    uiText::set(fraMain, "title", text(QT_TR_NOOP("Details Of Day On Which Object Was Lost")));
    auto* grid = new QGridLayout(fraMain);

    txtName = named(new QLineEdit, "txtName", text(QT_TR_NOOP("Name")));
    grid->addWidget(caption(QT_TR_NOOP("Name"), txtName, "lblName"), 0, 0);
    grid->addWidget(txtName, 0, 1);
    addDateRow(*grid, 1);
    addTimeRow(*grid, 2);
    // The lists after the first of each row have no caption of their own on the screen.
    // Linux screen readers name a list by the label that names it as its buddy (and would
    // read its current entry otherwise), so each gets an unseen one with its name.
    const std::pair<QComboBox*, const char*> unnamed[] = {{cboDate, QT_TR_NOOP("Day")},
                                                          {cboYear, QT_TR_NOOP("Year")},
                                                          {cboMM, QT_TR_NOOP("Minute")},
                                                          {cboSS, QT_TR_NOOP("Second")}};
    for (const auto& [list, name] : unnamed) {
        auto* unseen = caption(name, list, list->objectName() + QStringLiteral("Caption"));
        unseen->setParent(fraMain);
        unseen->hide();
    }
    QFrame* zone = createZoneFrame();
    // The zone row is the frame's first line; the zone's name may take a second under it.
    grid->addWidget(caption(QT_TR_NOOP("Time Zone"), txtZoneHour, "lblTimeZone"), 3, 0,
                    Qt::AlignTop);
    grid->addWidget(zone, 3, 1);
    addPlaceRows(*grid, 4);
    addCommandRows(*grid, 8);
    grid->setColumnStretch(1, 1);

    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM, txtZoneHour, txtZoneMinute}) {
        box->installEventFilter(this);
    }
    return fraMain;
}

void frmMain::addDateRow(QGridLayout& grid, int row) {
    cboMonth = pickOnlyList("cboMonth", QT_TR_NOOP("Month"));
    cboDate = pickOnlyList("cboDate", QT_TR_NOOP("Day"));
    cboYear = pickOnlyList("cboYear", QT_TR_NOOP("Year"));
    grid.addWidget(caption(QT_TR_NOOP("Date"), cboMonth, "lblDate"), row, 0);
    grid.addLayout(rowOf({cboMonth, cboDate, cboYear}), row, 1);
}

void frmMain::addTimeRow(QGridLayout& grid, int row) {
    cboHH = pickOnlyList("cboHH", QT_TR_NOOP("Hour"));
    cboMM = pickOnlyList("cboMM", QT_TR_NOOP("Minute"));
    cboSS = pickOnlyList("cboSS", QT_TR_NOOP("Second"));
    auto* hint = named(new QLabel, "lblTimeHint");
    uiText::set(hint, "text", text(QT_TR_NOOP("HH:MM:SS")));
    grid.addWidget(caption(QT_TR_NOOP("Time"), cboHH, "lblTime"), row, 0);
    grid.addLayout(rowOf({cboHH, cboMM, cboSS, hint}), row, 1);
}

QFrame* frmMain::createZoneFrame() {
    fraZone = named(new QFrame, "fraZone");
    txtZoneHour = numberBox("txtZoneHour", text(QT_TR_NOOP("Time zone hours")));
    txtZoneMinute = numberBox("txtZoneMinute", text(QT_TR_NOOP("Time zone minutes")));
    chkDST = named(new QCheckBox, "chkDST", text(QT_TR_NOOP("Daylight saving time in force")));
    uiText::set(chkDST, "text", text(QT_TR_NOOP("DST")));
    lblTZHelp =
        named(new ClickableLabel(QString()), "lblTZHelp", text(QT_TR_NOOP("Time zone help")));
    uiText::set(lblTZHelp, "text", text(QT_TR_NOOP("TZ Help")));
    uiText::set(lblTZHelp, "toolTip", text(QT_TR_NOOP("Pick the time zone from a list")));
    connect(lblTZHelp, &ClickableLabel::clicked, this, &frmMain::lblTZHelp_Click);
    lblZoneUtc = named(new QLabel, "lblZoneUtc", text(QT_TR_NOOP("Zone in universal time")));
    lblZoneUtc->setTextFormat(Qt::PlainText);
    // The zone name stands under the zone boxes, shown only with a name: the row beside them
    // has no room for it. A long name is elided and never widens the window.
    lblZoneName =
        named(new QLabel, "lblZoneName", text(QT_TR_NOOP("Time zone of the chosen place")));
    lblZoneName->setTextFormat(Qt::PlainText);
    lblZoneName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblZoneName->hide();
    auto* zoneLines = new QVBoxLayout(fraZone);
    zoneLines->setContentsMargins(0, 0, 0, 0);
    auto* zoneRow = new QHBoxLayout;
    zoneRow->addWidget(txtZoneHour);
    zoneRow->addWidget(named(new QLabel(QStringLiteral(":")), "lblZoneSeparator"));
    zoneRow->addWidget(txtZoneMinute);
    zoneRow->addWidget(lblZoneUtc);
    zoneRow->addWidget(chkDST);
    zoneRow->addWidget(lblTZHelp);
    zoneRow->addStretch();
    zoneLines->addLayout(zoneRow);
    zoneLines->addWidget(lblZoneName);
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute}) {
        connect(box, &QLineEdit::textChanged, this, &frmMain::zone_Change);
    }
    connect(chkDST, &QCheckBox::toggled, this, &frmMain::zone_Change);
    return fraZone;
}

// The place: the latitude and longitude frames side by side, then the place-name boxes that
// the lookup searches for. Takes four grid rows from firstRow.
void frmMain::addPlaceRows(QGridLayout& grid, int firstRow) {
    const PlaceFrame latitude = placeFrame(LatitudeFrame);
    txtLatD = latitude.degrees;
    txtLatM = latitude.minutes;
    optLat0 = latitude.first;
    optLat1 = latitude.second;
    const PlaceFrame longitude = placeFrame(LongitudeFrame);
    txtLonD = longitude.degrees;
    txtLonM = longitude.minutes;
    optLong0 = longitude.first;
    optLong1 = longitude.second;
    for (QLineEdit* box : {txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textChanged, this, &frmMain::zone_Change);
    }
    connect(optLong0, &QRadioButton::toggled, this, &frmMain::zone_Change);
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(latitude.frame);
    placeRow->addWidget(longitude.frame);
    grid.addLayout(placeRow, firstRow, 0, 1, 3);

    txtMCity = named(new QLineEdit, "txtMCity", text(QT_TR_NOOP("City")));
    txtMState = named(new QLineEdit, "txtMState", text(QT_TR_NOOP("State")));
    txtMCountry = named(new QLineEdit, "txtMCountry", text(QT_TR_NOOP("Country")));
    lblPlaceNote = named(new FittedLabel, "lblPlaceNote", text(QT_TR_NOOP("Note on the place")));
    lblPlaceNote->setTextFormat(Qt::PlainText);
    lblPlaceNote->hide();
    auto* city = new QVBoxLayout;
    city->addWidget(txtMCity);
    city->addWidget(lblPlaceNote);
    grid.addWidget(caption(QT_TR_NOOP("City"), txtMCity, "lblCity"), firstRow + 1, 0, Qt::AlignTop);
    grid.addLayout(city, firstRow + 1, 1, 1, 2);
    grid.addWidget(caption(QT_TR_NOOP("State"), txtMState, "lblState"), firstRow + 2, 0);
    grid.addWidget(txtMState, firstRow + 2, 1, 1, 2);
    grid.addWidget(caption(QT_TR_NOOP("Country"), txtMCountry, "lblCountry"), firstRow + 3, 0);
    grid.addWidget(txtMCountry, firstRow + 3, 1, 1, 2);
}

// The lookup and calculate buttons in two grid rows from firstRow, and the decoration in the
// top right corner.
void frmMain::addCommandRows(QGridLayout& grid, int firstRow) {
    cmdBrowser = named(new QPushButton, "cmdBrowser",
                       text(QT_TR_NOOP("Click Here To Find Latitude & Longitude")));
    uiText::set(cmdBrowser, "text", text(QT_TR_NOOP("Click Here To Find Latitude && Longitude")));
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    grid.addWidget(cmdBrowser, firstRow, 0, 1, 2, Qt::AlignLeft);

    auto* decoration = named(new QLabel, "imgDecoration");
    const int decorationSize = 4 * decoration->fontMetrics().height();
    decoration->setPixmap(moonPicture(decorationSize, decoration->devicePixelRatioF()));
    grid.addWidget(decoration, 0, 2, 4, 1, Qt::AlignTop | Qt::AlignRight);

    cmdRashi = named(new QPushButton, "cmdRashi", text(QT_TR_NOOP("Get My Vantrel Reading")));
    uiText::set(cmdRashi, "text", text(QT_TR_NOOP("&Get My Vantrel Reading")));
    connect(cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    grid.addWidget(cmdRashi, firstRow + 1, 0, 1, 2, Qt::AlignLeft);
}
