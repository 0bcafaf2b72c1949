#include "frmAbout.h"

#include "Forms.h"
#include "OfferArea.h"
#include "ProgramIcon.h"
#include "modHelp.h"

#include "ProgramInfo.h"
#include "platform/ModalWindows.h"
#include "platform/Named.h"
#include "ui/ClickableLabel.h"

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
    setAccessibleName(QStringLiteral("About ") + QLatin1String(ProgramInfo::Name));
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
    Picture1 = named(new QLabel(this), "Picture1", QLatin1String(ProgramIcon::SpokenName));
    Picture1->setPixmap(ProgramIcon::pixmap(iconSize));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = named(new QLabel(windowTitle(), this), "Label2", windowTitle());
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label2->setFont(heading);

    const QString about = QLatin1String(ProgramInfo::Description);
    Label1 = named(new QLabel(about, this), "Label1", about);
    Label1->setWordWrap(true);

    const QString places = QStringLiteral("The list of places is made from GeoNames "
                                          "(geonames.org), licensed under CC BY 4.0.");
    lblPlaces = named(new QLabel(places, this), "lblPlaces", places);
    lblPlaces->setWordWrap(true);

    const QString home = QStringLiteral("Click here to visit ") + modHelp::MainSite();
    lblHomePage = named(new ClickableLabel(home, this), "lblHomePage", home);

    const QString offer = OfferArea::fullBrandPitch();
    Label3 = named(new QLabel(offer, this), "Label3", offer);
    Label3->setWordWrap(true);

    const QString details = QStringLiteral("Click here for more details");
    lblCobrand = named(new ClickableLabel(details, this), "lblCobrand", details);

    Line1 = named(new QFrame(this), "Line1", QStringLiteral("Separator"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK", QStringLiteral("OK"));
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
