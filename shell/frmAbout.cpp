#include "frmAbout.h"

#include "Forms.h"
#include "OfferArea.h"
#include "ProgramIcon.h"
#include "modHelp.h"

#include "ProgramInfo.h"
#include "platform/ModalWindows.h"
#include "platform/Named.h"
#include "platform/UiText.h"
#include "ui/ClickableLabel.h"
#include "ui/ProgramTexts.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Client area 382 x 236 pixels at 96 dots per inch; the box grows with a larger font.
constexpr int designWidth = 382;
constexpr int designHeight = 236;
constexpr int iconSize = 32;
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    uiText::set(this, "accessibleName", {"frmAbout", QT_TR_NOOP("About %1"), ProgramInfo::Name});
    setWindowTitle(QLatin1String(ProgramInfo::Title));
    setWindowIcon(ProgramIcon::icon());
    setModal(true);
    QPalette lightBlue = palette();
    lightBlue.setColor(QPalette::Window, QColor(0xC6, 0xE2, 0xFF));
    setPalette(lightBlue);
    setAutoFillBackground(true);
    createControls();
    setMinimumSize(designWidth, designHeight);
    Forms::RegisterWindow(this);
}

void frmAbout::createControls() {
    Picture1 = named(new QLabel(this), "Picture1", {"ProgramIcon", ProgramIcon::SpokenName});
    Picture1->setPixmap(ProgramIcon::pixmap(iconSize));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = named(new QLabel(windowTitle(), this), "Label2", windowTitle());
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label2->setFont(heading);

    Label1 = named(new QLabel(this), "Label1", ProgramTexts::Description);
    uiText::set(Label1, "text", ProgramTexts::Description);
    Label1->setWordWrap(true);

    const uiText::Source places{"frmAbout",
                                QT_TR_NOOP("The list of places is made from GeoNames "
                                           "(geonames.org), licensed under CC BY 4.0.")};
    lblPlaces = named(new QLabel(this), "lblPlaces", places);
    uiText::set(lblPlaces, "text", places);
    lblPlaces->setWordWrap(true);

    static const QByteArray site = modHelp::MainSite().toUtf8();
    const uiText::Source home{"frmAbout", QT_TR_NOOP("Click here to visit %1"), site.constData()};
    lblHomePage = named(new ClickableLabel(QString(), this), "lblHomePage", home);
    uiText::set(lblHomePage, "text", home);

    Label3 = named(new QLabel(this), "Label3", OfferArea::fullBrandPitchSource());
    uiText::set(Label3, "text", OfferArea::fullBrandPitchSource());
    Label3->setWordWrap(true);

    const uiText::Source details{"frmAbout", QT_TR_NOOP("Click here for more details")};
    lblCobrand = named(new ClickableLabel(QString(), this), "lblCobrand", details);
    uiText::set(lblCobrand, "text", details);

    Line1 = named(new QFrame(this), "Line1", {"frmAbout", QT_TR_NOOP("Separator")});
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = named(new QPushButton(this), "cmdOK", {"frmAbout", QT_TR_NOOP("OK")});
    uiText::set(cmdOK, "text", {"frmAbout", QT_TR_NOOP("OK")});
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);

    auto* head = new QHBoxLayout;
    head->addWidget(Picture1, 0, Qt::AlignTop);
    head->addWidget(Label2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* column = new QVBoxLayout(this);
    column->addLayout(head);
    column->addWidget(Label1);
    column->addWidget(lblPlaces);
    column->addWidget(lblHomePage);
    column->addWidget(Label3);
    column->addWidget(lblCobrand, 0, Qt::AlignRight);
    column->addStretch(1);
    column->addWidget(Line1);
    column->addLayout(buttons);

    // The button first, the links after it, so Tab reaches OK at once.
    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCobrand);
    cmdOK->setFocus();

    connect(lblHomePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCobrand, &ClickableLabel::clicked, this, &frmAbout::lblCobrand_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        uiText::retranslate(this);
    }
    QDialog::changeEvent(event);
}

void frmAbout::lblHomePage_Click() {
    modHelp::OpenLink(modHelp::LinkHome);
}

// The offer text above belongs to the full-brand page.
void frmAbout::lblCobrand_Click() {
    modHelp::OpenLink(modHelp::LinkFullBrand);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::showModal(QWidget* parent) {
    frmAbout box(parent);
    platform::runModal(box);
}
