#include "frmMain.h"

#include "ClickableLabel.h"
#include "PlaceFinder.h"

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
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const char* const MonthNames[12] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};

template <typename Widget>
Widget* named(Widget* widget, const QString& objectName, const QString& accessibleName = {}) {
    widget->setObjectName(objectName);
    if (!accessibleName.isEmpty()) {
        widget->setAccessibleName(accessibleName);
    }
    return widget;
}

QComboBox* pickOnlyList(const QString& objectName, const QString& accessibleName) {
    auto* list = named(new QComboBox, objectName, accessibleName);
    list->setEditable(false);
    // The open list is what a screen reader meets while the user picks.
    list->view()->setAccessibleName(accessibleName);
    return list;
}

// A number box: digits only through the key filter, and no input method that could
// compose other characters past it.
QLineEdit* numberBox(const QString& objectName, const QString& accessibleName) {
    auto* box = named(new QLineEdit, objectName, accessibleName);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setInputMethodHints(Qt::ImhDigitsOnly);
    // Wide enough for a few digits at any font size; longer texts scroll.
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) +
                         box->fontMetrics().height());
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

QLabel* caption(const QString& text, QWidget* buddy, const QString& objectName) {
    auto* label = named(new QLabel(text), objectName);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("QV Vantrel v1.20"));
    createControls();
    Form_Load();
    placeFinder_ = new PlaceFinder(this);
}

void frmMain::createControls() {
    auto* central = named(new QWidget, "centralWidget");
    auto* layout = new QVBoxLayout(central);

    bannerArea_ = named(new QWidget, "bannerArea");
    auto* bannerLayout = new QVBoxLayout(bannerArea_);
    bannerLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bannerArea_);

    Label11 = named(new QLabel(QStringLiteral(
                        "QV Vantrel helps you find objects that have been misplaced on the basis "
                        "of calculation of the constellation the moon was placed in on the day of "
                        "loss.")),
                    "Label11");
    Label11->setWordWrap(true);
    layout->addWidget(Label11);

    panels = named(new QStackedWidget, "panels");
    panels->addWidget(createInputPanel());
    panels->addWidget(createResultPanel());
    layout->addWidget(panels, 1);

    offerArea_ = named(new QWidget, "offerArea");
    auto* offerLayout = new QVBoxLayout(offerArea_);
    offerLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(offerArea_);

    cmdOpen = named(new QPushButton(QStringLiteral("&Open Previously Saved Reading")), "cmdOpen",
                    QStringLiteral("Open Previously Saved Reading"));
    layout->addWidget(cmdOpen, 0, Qt::AlignLeft);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    setCentralWidget(central);
    setInputTabOrder();
}

QGroupBox* frmMain::createInputPanel() {
    fraMain =
        named(new QGroupBox(QStringLiteral("Details Of Day On Which Object Was Lost")), "fraMain");
    auto* grid = new QGridLayout(fraMain);

    txtName = named(new QLineEdit, "txtName", QStringLiteral("Name"));
    grid->addWidget(caption(QStringLiteral("Name"), txtName, "lblName"), 0, 0);
    grid->addWidget(txtName, 0, 1);

    cboMonth = pickOnlyList("cboMonth", QStringLiteral("Month"));
    cboDate = pickOnlyList("cboDate", QStringLiteral("Day"));
    cboYear = pickOnlyList("cboYear", QStringLiteral("Year"));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(cboMonth);
    dateRow->addWidget(cboDate);
    dateRow->addWidget(cboYear);
    dateRow->addStretch();
    grid->addWidget(caption(QStringLiteral("Date"), cboMonth, "lblDate"), 1, 0);
    grid->addLayout(dateRow, 1, 1);

    cboHH = pickOnlyList("cboHH", QStringLiteral("Hour"));
    cboMM = pickOnlyList("cboMM", QStringLiteral("Minute"));
    cboSS = pickOnlyList("cboSS", QStringLiteral("Second"));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(cboHH);
    timeRow->addWidget(cboMM);
    timeRow->addWidget(cboSS);
    timeRow->addWidget(named(new QLabel(QStringLiteral("HH:MM:SS")), "lblTimeHint"));
    timeRow->addStretch();
    grid->addWidget(caption(QStringLiteral("Time"), cboHH, "lblTime"), 2, 0);
    grid->addLayout(timeRow, 2, 1);
    // The lists after the first of each row have no caption of their own on the screen.
    // Linux screen readers name a list by the label that names it as its buddy (and would
    // read its current entry otherwise), so each gets an unseen one with its name.
    for (QComboBox* list : {cboDate, cboYear, cboMM, cboSS}) {
        auto* unseen =
            caption(list->accessibleName(), list, list->objectName() + QStringLiteral("Caption"));
        unseen->setParent(fraMain);
        unseen->hide();
    }

    fraZone = named(new QFrame, "fraZone");
    txtZoneHour = numberBox("txtZoneHour", QStringLiteral("Time zone hours"));
    txtZoneMinute = numberBox("txtZoneMinute", QStringLiteral("Time zone minutes"));
    chkDST = named(new QCheckBox(QStringLiteral("DST")), "chkDST",
                   QStringLiteral("Daylight saving time in force"));
    lblTZHelp = named(new ClickableLabel(QStringLiteral("TZ Help")), "lblTZHelp",
                      QStringLiteral("Time zone help"));
    lblTZHelp->setToolTip(QStringLiteral("Pick the time zone from a list"));
    connect(lblTZHelp, &ClickableLabel::clicked, this, &frmMain::lblTZHelp_Click);
    auto* zoneRow = new QHBoxLayout(fraZone);
    zoneRow->setContentsMargins(0, 0, 0, 0);
    zoneRow->addWidget(txtZoneHour);
    zoneRow->addWidget(named(new QLabel(QStringLiteral(":")), "lblZoneSeparator"));
    zoneRow->addWidget(txtZoneMinute);
    zoneRow->addWidget(chkDST);
    zoneRow->addWidget(lblTZHelp);
    zoneRow->addStretch();
    grid->addWidget(caption(QStringLiteral("Time Zone"), txtZoneHour, "lblTimeZone"), 3, 0);
    grid->addWidget(fraZone, 3, 1);

    // Latitude stands left of longitude; each frame holds one exclusive option pair.
    const auto placeFrame = [](const char* objectName, const QString& title, QLineEdit*& degrees,
                               QLineEdit*& minutes, const char* degreesName,
                               const char* minutesName, QRadioButton*& first, QRadioButton*& second,
                               const char* firstName, const char* secondName,
                               const QString& firstText, const QString& secondText) {
        auto* frame = named(new QGroupBox(title), objectName);
        degrees = numberBox(degreesName, title + QStringLiteral(" degrees"));
        minutes = numberBox(minutesName, title + QStringLiteral(" minutes"));
        first = named(new QRadioButton(firstText), firstName, firstText);
        second = named(new QRadioButton(secondText), secondName, secondText);
        auto* pair = new QButtonGroup(frame);
        pair->addButton(first, 0);
        pair->addButton(second, 1);
        auto* frameGrid = new QGridLayout(frame);
        frameGrid->addWidget(caption(QStringLiteral("Deg"), degrees,
                                     degrees->objectName() + QStringLiteral("Caption")),
                             0, 0);
        frameGrid->addWidget(degrees, 0, 1);
        frameGrid->addWidget(caption(QStringLiteral("Min"), minutes,
                                     minutes->objectName() + QStringLiteral("Caption")),
                             0, 2);
        frameGrid->addWidget(minutes, 0, 3);
        frameGrid->addWidget(first, 1, 0, 1, 2);
        frameGrid->addWidget(second, 1, 2, 1, 2);
        return frame;
    };
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(placeFrame("fraLatitude", QStringLiteral("Latitude"), txtLatD, txtLatM,
                                   "txtLatD", "txtLatM", optLat0, optLat1, "optLat0", "optLat1",
                                   QStringLiteral("North"), QStringLiteral("South")));
    placeRow->addWidget(placeFrame("fraLongitude", QStringLiteral("Longitude"), txtLonD, txtLonM,
                                   "txtLonD", "txtLonM", optLong0, optLong1, "optLong0", "optLong1",
                                   QStringLiteral("East"), QStringLiteral("West")));
    grid->addLayout(placeRow, 4, 0, 1, 3);

    txtMCity = named(new QLineEdit, "txtMCity", QStringLiteral("City"));
    txtMState = named(new QLineEdit, "txtMState", QStringLiteral("State"));
    txtMCountry = named(new QLineEdit, "txtMCountry", QStringLiteral("Country"));
    grid->addWidget(caption(QStringLiteral("City"), txtMCity, "lblCity"), 5, 0);
    grid->addWidget(txtMCity, 5, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("State"), txtMState, "lblState"), 6, 0);
    grid->addWidget(txtMState, 6, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("Country"), txtMCountry, "lblCountry"), 7, 0);
    grid->addWidget(txtMCountry, 7, 1, 1, 2);

    cmdBrowser = named(new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude")),
                       "cmdBrowser", QStringLiteral("Click Here To Find Latitude & Longitude"));
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);
    grid->addWidget(cmdBrowser, 8, 0, 1, 2, Qt::AlignLeft);

    auto* decoration = named(new QLabel, "imgDecoration");
    const int decorationSize = 4 * decoration->fontMetrics().height();
    decoration->setPixmap(moonPicture(decorationSize, decoration->devicePixelRatioF()));
    grid->addWidget(decoration, 0, 2, 4, 1, Qt::AlignTop | Qt::AlignRight);

    cmdRashi = named(new QPushButton(QStringLiteral("&Get My Vantrel Reading")), "cmdRashi",
                     QStringLiteral("Get My Vantrel Reading"));
    connect(cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    grid->addWidget(cmdRashi, 9, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM, txtZoneHour, txtZoneMinute}) {
        box->installEventFilter(this);
    }
    return fraMain;
}

QWidget* frmMain::createResultPanel() {
    fraResult = named(new QWidget, "fraResult");
    static constexpr const char* CaptionTexts[5] = {
        "Nakshatra for the day", "Nakshatra Group", "Characteristics",
        "Interpretation for Recovery of Lost Objects", "Date on which the Object was lost"};
    for (std::size_t i = 0; i < lblResult.size(); ++i) {
        const QString index = QString::number(i);
        lblLabels[i] =
            named(new QLabel(QLatin1String(CaptionTexts[i])), QStringLiteral("lblLabels") + index);
        QFont bold = lblLabels[i]->font();
        bold.setBold(true);
        lblLabels[i]->setFont(bold);
        lblResult[i] = named(new QLabel, QStringLiteral("lblResult") + index);
        lblResult[i]->setWordWrap(true);
        lblResult[i]->setTextFormat(Qt::PlainText);
        lblResult[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblLabels[i]->setBuddy(lblResult[i]);
    }
    // The verdict texts wrap; give them room for a readable line at any font size.
    for (std::size_t i : {std::size_t{2}, std::size_t{3}}) {
        lblResult[i]->setMinimumWidth(lblResult[i]->fontMetrics().averageCharWidth() * 40);
    }

    auto* text = new QGridLayout;
    text->addWidget(lblLabels[4], 0, 0, 1, 2);
    text->addWidget(lblResult[4], 1, 0, 1, 2);
    text->addWidget(lblLabels[0], 2, 0);
    text->addWidget(lblResult[0], 2, 1);
    text->addWidget(lblLabels[1], 3, 0);
    text->addWidget(lblResult[1], 3, 1);
    text->addWidget(lblLabels[2], 4, 0, 1, 2);
    text->addWidget(lblResult[2], 5, 0, 1, 2);
    text->addWidget(lblLabels[3], 6, 0, 1, 2);
    text->addWidget(lblResult[3], 7, 0, 1, 2);
    text->setColumnStretch(1, 1);
    text->setRowStretch(8, 1);

    cmdBack = named(new QPushButton(QStringLiteral("&Back")), "cmdBack", QStringLiteral("Back"));
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    text->addWidget(cmdBack, 9, 0, 1, 2, Qt::AlignLeft);

    imgNakshatra = named(new QLabel, "imgNakshatra", QStringLiteral("Picture of the nakshatra"));
    imgNakshatra->setFixedSize(150, 244); // the pictures' own size
    imgNakshatra->setAlignment(Qt::AlignCenter);

    auto* row = new QHBoxLayout(fraResult);
    row->addLayout(text, 1);
    row->addWidget(imgNakshatra, 0, Qt::AlignTop);
    return fraResult;
}

// Back stands before the open button: hidden with the result panel it leaves the input
// order as it is, and with the result panel in front Tab goes from Back to the open button
// and then on to the shell's links.
void frmMain::setInputTabOrder() {
    QWidget* const order[] = {txtName,     cboMonth, cboDate, cboYear,  cboHH,     cboMM,
                              cboSS,       txtLonD,  txtLonM, optLong0, optLong1,  txtLatD,
                              txtLatM,     optLat0,  optLat1, txtMCity, txtMState, txtMCountry,
                              cmdBrowser,  cmdRashi, cmdBack, cmdOpen,  chkDST,    txtZoneMinute,
                              txtZoneHour, lblTZHelp};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void frmMain::showEvent(QShowEvent* event) {
    if (!tabOrderSettled_) {
        tabOrderSettled_ = true;
        setInputTabOrder();
    }
    // Of the two panels only the result panel's wrapped texts give a height for a width, and
    // the panels' place takes that height whenever the window is short of room (a small
    // screen, a large font): the input panel's own least height is the floor.
    panels->setMinimumHeight(fraMain->minimumSizeHint().height());
    QMainWindow::showEvent(event);
}

// Wrapped texts take more lines as the window narrows, and a window gets no taller by
// itself for them: the central area's least height follows its width.
void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    QWidget* central = centralWidget();
    if (central == nullptr || central->layout() == nullptr) {
        return;
    }
    const int needed = central->layout()->totalHeightForWidth(central->width());
    if (needed > 0 && central->minimumHeight() != needed) {
        central->setMinimumHeight(needed);
    }
}

void frmMain::Form_Load() {
    for (const char* month : MonthNames) {
        cboMonth->addItem(QLatin1String(month));
    }
    const auto addNumbers = [](QComboBox* list, int first, int last) {
        for (int n = first; n <= last; ++n) {
            list->addItem(QString::number(n));
        }
    };
    addNumbers(cboDate, 1, 31);
    addNumbers(cboYear, 1901, 2050);
    addNumbers(cboHH, 0, 23);
    addNumbers(cboMM, 0, 59);
    addNumbers(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        list->setCurrentIndex(0);
    }
    optLat0->setChecked(true);
    optLong0->setChecked(true);
    panels->setCurrentWidget(fraMain);
}
