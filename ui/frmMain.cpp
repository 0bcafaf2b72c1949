#include "frmMain.h"

#include "ClickableLabel.h"
#include "NakshatraTables.h"
#include "PlaceFinder.h"
#include "ProgramTexts.h"
#include "ResultTexts.h"
#include "modNakshatraInformation.h"

#include "ProgramInfo.h"
#include "platform/FittedLabel.h"
#include "platform/Named.h"
#include "platform/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const char* const MonthNames[12] = {
    QT_TRANSLATE_NOOP("frmMain", "January"),   QT_TRANSLATE_NOOP("frmMain", "February"),
    QT_TRANSLATE_NOOP("frmMain", "March"),     QT_TRANSLATE_NOOP("frmMain", "April"),
    QT_TRANSLATE_NOOP("frmMain", "May"),       QT_TRANSLATE_NOOP("frmMain", "June"),
    QT_TRANSLATE_NOOP("frmMain", "July"),      QT_TRANSLATE_NOOP("frmMain", "August"),
    QT_TRANSLATE_NOOP("frmMain", "September"), QT_TRANSLATE_NOOP("frmMain", "October"),
    QT_TRANSLATE_NOOP("frmMain", "November"),  QT_TRANSLATE_NOOP("frmMain", "December")};

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QLatin1String(ProgramInfo::Title));
    createControls();
    Form_Load();
    placeFinder_ = new PlaceFinder(this, inputControls());
    connect(placeFinder_, &PlaceFinder::panelHeightChanged, this, &frmMain::fitPanels);
}

void frmMain::createControls() {
    auto* central = named(new QWidget, "centralWidget");
    auto* layout = new QVBoxLayout(central);

    bannerArea_ = named(new QWidget, "bannerArea");
    auto* bannerLayout = new QVBoxLayout(bannerArea_);
    bannerLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bannerArea_);

    Label11 = named(new QLabel, "Label11");
    uiText::set(Label11, "text", ProgramTexts::Description);
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

    cmdOpen =
        named(new QPushButton, "cmdOpen", {"frmMain", QT_TR_NOOP("Open Previously Saved Reading")});
    uiText::set(cmdOpen, "text", {"frmMain", QT_TR_NOOP("&Open Previously Saved Reading")});
    layout->addWidget(cmdOpen, 0, Qt::AlignLeft);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    setCentralWidget(central);
    setInputTabOrder();
}

QWidget* frmMain::createResultPanel() {
    fraResult = named(new QWidget, "fraResult");
    for (std::size_t i = 0; i < lblResult.size(); ++i) {
        const QString index = QString::number(i);
        lblLabels[i] = named(new FittedLabel, QStringLiteral("lblLabels") + index);
        uiText::set(lblLabels[i], "text", {"frmMain", ResultTexts::Captions[i]});
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

    // The moment read stands under the date line, in its style.
    lblMoment = named(new QLabel, "lblMoment", {"frmMain", QT_TR_NOOP("Moment of loss")});
    lblMoment->setWordWrap(true);
    lblMoment->setTextFormat(Qt::PlainText);
    lblMoment->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* dateLines = new QVBoxLayout;
    dateLines->addWidget(lblResult[4]);
    dateLines->addWidget(lblMoment);

    auto* text = new QGridLayout;
    text->addWidget(lblLabels[4], 0, 0, 1, 2);
    text->addLayout(dateLines, 1, 0, 1, 2);
    text->addWidget(lblLabels[0], 2, 0);
    text->addWidget(lblResult[0], 2, 1);
    text->addWidget(lblLabels[1], 3, 0);
    text->addWidget(lblResult[1], 3, 1);
    text->addWidget(lblLabels[2], 4, 0, 1, 2);
    text->addWidget(lblResult[2], 5, 0, 1, 2);
    text->addWidget(lblLabels[3], 6, 0, 1, 2);
    text->addWidget(lblResult[3], 7, 0, 1, 2);
    text->addLayout(createDetailControls(), 8, 0, 1, 2);
    text->setColumnStretch(1, 1);
    text->setRowStretch(9, 1);

    cmdBack = named(new QPushButton, "cmdBack", {"frmMain", QT_TR_NOOP("Back")});
    uiText::set(cmdBack, "text", {"frmMain", QT_TR_NOOP("&Back")});
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdCopy);
    buttons->addStretch();
    text->addLayout(buttons, 10, 0, 1, 2);

    imgNakshatra =
        named(new QLabel, "imgNakshatra", {"frmMain", QT_TR_NOOP("Picture of the nakshatra")});
    imgNakshatra->setFixedSize(150, 244); // the pictures' own size
    imgNakshatra->setAlignment(Qt::AlignCenter);

    auto* row = new QHBoxLayout(fraResult);
    row->addLayout(text, 1);
    row->addWidget(imgNakshatra, 0, Qt::AlignTop);
    return fraResult;
}

// Back and Copy stand before the open button: hidden with the result panel they leave the
// input order as it is, and with the result panel in front Tab goes from Back to Copy, the
// open button and then on to the shell's links.
void frmMain::setInputTabOrder() {
    QWidget* const order[] = {
        txtName, cboMonth, cboDate,   cboYear,       cboHH,       cboMM,    cboSS,
        txtLonD, txtLonM,  optLong0,  optLong1,      txtLatD,     txtLatM,  optLat0,
        optLat1, txtMCity, txtMState, txtMCountry,   cmdBrowser,  cmdRashi, cmdBack,
        cmdCopy, cmdOpen,  chkDST,    txtZoneMinute, txtZoneHour, lblTZHelp};
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

// Wrapped texts take more lines as the window narrows, as they change with a new reading or
// as the font grows, and a window gets no taller by itself for them: after every resize and
// every new layout (the other panel in front, new texts, another font) the central area's
// least height follows its width.
bool frmMain::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest) {
        fitHeightToWidth();
    }
    return handled;
}

void frmMain::fitPanels() {
    panels->setMinimumHeight(fraMain->minimumSizeHint().height());
    fitHeightToWidth();
}

void frmMain::fitHeightToWidth() {
    QWidget* central = centralWidget();
    if (central == nullptr || central->layout() == nullptr) {
        return;
    }
    const int needed = central->layout()->totalHeightForWidth(central->width());
    if (needed > 0 && central->minimumHeight() != needed) {
        central->setMinimumHeight(needed);
        // The window grows now, not after the next pass of the event loop.
        layout()->activate();
    }
}

void frmMain::Form_Load() {
    for (const char* month : MonthNames) {
        cboMonth->addItem(tr(month));
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

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fitPanels();
    }
    QMainWindow::changeEvent(event);
}

// Every text of the window in the language now in force: the kept texts of the controls, the
// month names, and the reading on the result panel with its details, picture and report.
void frmMain::retranslate() {
    uiText::retranslate(this);
    for (int month = 0; month < cboMonth->count() && month < 12; ++month) {
        cboMonth->setItemText(month, tr(MonthNames[month]));
    }
    showReadingAgain();
}

void frmMain::showReadingAgain() {
    if (report_ && report_->pictureNumber > 0) {
        const ReadingReport::Report shown = *report_;
        const std::string_view name =
            modNakshatraInformation::NakshatraGroupTable[static_cast<std::size_t>(
                                                             shown.pictureNumber - 1)]
                .name;
        modNakshatraInformation::ShowNakshatraInformation(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), resultView(),
            shown.reading);
        showDetails(shown.reading, shown.place);
    }
}
