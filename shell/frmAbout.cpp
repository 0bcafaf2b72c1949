#include "frmAbout.h"

#include "Forms.h"
#include "ProgramIcon.h"
#include "modHelp.h"

#include "ui/ClickableLabel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString& caption() {
    static const QString text = QStringLiteral("QV Vantrel v1.20");
    return text;
}

// Client area 382 x 236 pixels at 96 dots per inch; the box grows with a larger font.
constexpr int designWidth = 382;
constexpr int designHeight = 236;
constexpr int iconSize = 32;

template <typename Label> Label* named(Label* label, const char* name, const QString& spoken) {
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(spoken);
    return label;
}
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAccessibleName(QStringLiteral("About QV Vantrel"));
    setWindowTitle(caption());
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
    Picture1 = named(new QLabel(this), "Picture1", QStringLiteral("Program icon"));
    Picture1->setPixmap(ProgramIcon::pixmap(iconSize));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = named(new QLabel(caption(), this), "Label2", caption());
    QFont heading = Label2->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label2->setFont(heading);

    const QString about =
        QStringLiteral("QV Vantrel helps you find objects that have been misplaced on the basis "
                       "of calculation of the constellation the moon was placed in on the day of "
                       "loss.");
    Label1 = named(new QLabel(about, this), "Label1", about);
    Label1->setWordWrap(true);

    const QString places = QStringLiteral("The list of places is made from GeoNames "
                                          "(geonames.org), licensed under CC BY 4.0.");
    lblPlaces = named(new QLabel(places, this), "lblPlaces", places);
    lblPlaces->setWordWrap(true);

    const QString home = QStringLiteral("Click here to visit ") + modHelp::MainSite();
    lblHomePage = named(new ClickableLabel(home, this), "lblHomePage", home);

    const QString offer = QStringLiteral("Home Business Opportunity. Start your own Internet "
                                         "business and make money online. Get this software "
                                         "fully branded for your website.");
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
    box.exec();
}
