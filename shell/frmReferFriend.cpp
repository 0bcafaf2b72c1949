#include "frmReferFriend.h"

#include "Forms.h"
#include "ProgramIcon.h"
#include "Random.h"
#include "ReferFriendTexts.h"
#include "modTellAFriend.h"

#include "ProgramInfo.h"
#include "platform/MessageBox.h"
#include "platform/ModalWindows.h"
#include "platform/Named.h"
#include "platform/RunStep.h"
#include "platform/Services.h"
#include "platform/TopmostWindow.h"
#include "platform/UiText.h"
#include "ui/ClickableLabel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Sizes at 96 dots per inch (a twip is 1/15 pixel there); the window grows with the font.
constexpr int textBoxWidth = 225;
constexpr int leftColumnWidth = 479;
constexpr int promotionHeight = 73;
constexpr int rightColumnWidth = 249;
constexpr int iconSize = 32;

// A text of this window, from its English source, in the language in force.
QString latin(const char* text) {
    return QCoreApplication::translate("frmReferFriend", text);
}

bool placeholderFocusChange(const QFocusEvent* event) {
    // A box's own context menu takes the focus for a moment; that is no leaving of the box.
    return event->reason() != Qt::PopupFocusReason;
}
} // namespace

frmReferFriend::frmReferFriend(const modHelp::RandomSource& draw) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmReferFriend"));
    uiText::set(this, "accessibleName", {"frmReferFriend", QT_TR_NOOP("Refer A Friend")});
    setWindowTitle(QLatin1String(ProgramInfo::Title));
    setWindowIcon(ProgramIcon::icon());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    createControls();
    layoutControls();
    Forms::RegisterWindow(this);
    Form_Load(draw);
}

QString frmReferFriend::promotionText(int index) {
    const auto slot = static_cast<std::size_t>(std::clamp(index, 0, 3));
    return latin(ReferFriendTexts::promotions.at(slot)).arg(modHelp::MainSiteHost());
}

void frmReferFriend::Form_Load(const modHelp::RandomSource& draw) {
    Random::SeedFromClock();
    const float r = draw ? draw() : Random::NextSingle();
    promotion_ = std::clamp(static_cast<int>(r * 4.0F), 0, 3);
    Label2->setText(promotionText(promotion_));
    Label2->setAccessibleName(Label2->text());
    // The text wraps in the left column; even at that column's least width it shows whole.
    Label2->setMinimumHeight(
        std::max(promotionHeight, Label2->heightForWidth(Label2->parentWidget()->minimumWidth())));
    platform::keepOnTop(*this);
}

void frmReferFriend::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        uiText::retranslate(this);
        Label2->setText(promotionText(promotion_));
        Label2->setAccessibleName(Label2->text());
        Check1->setText(tr("Click Here To Visit %1 Now").arg(modHelp::MainSiteHost()));
        Check1->setAccessibleName(Check1->text());
        // A box still showing its placeholder shows it in the new language, so that it is
        // never taken for what the user typed.
        for (auto& [box, shown] : placeholdersShown_) {
            const QString now = latin(placeholderOf(box));
            if (modTellAFriend::TrimSpaces(boxText(box)) == shown) {
                setBoxText(box, box == txtMessage ? now + QStringLiteral("\r\n") : now);
            }
            shown = now;
        }
    }
    QWidget::changeEvent(event);
}

void frmReferFriend::createControls() {
    Picture1 = named(new QLabel(this), "Picture1", {"ProgramIcon", ProgramIcon::SpokenName});
    Picture1->setPixmap(ProgramIcon::pixmap(iconSize));

    Label1 = named(new QLabel(windowTitle(), this), "Label1", windowTitle());
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);

    Label2 = named(new QLabel(promotionText(ReferFriendTexts::designTimePromotion), this), "Label2",
                   QString());
    Label2->setWordWrap(true);
    Label2->setMinimumHeight(promotionHeight);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QString visit = tr("Click Here To Visit %1 Now").arg(modHelp::MainSiteHost());
    Check1 = named(new QCheckBox(visit, this), "Check1", visit);

    cmdClose = named(new QPushButton(this), "cmdClose", {"frmReferFriend", QT_TR_NOOP("Exit")});
    uiText::set(cmdClose, "text", {"frmReferFriend", QT_TR_NOOP("E&xit")});

    Frame2 = named(new QGroupBox(this), "Frame2", {"frmReferFriend", QT_TR_NOOP("Refer A Friend")});
    uiText::set(Frame2, "title", {"frmReferFriend", QT_TR_NOOP("Refer A Friend")});
    using namespace modTellAFriend;
    txtName = named(new QLineEdit(latin(placeholderName), Frame2), "txtName",
                    {"frmReferFriend", QT_TR_NOOP("Your name")});
    txtEmail = named(new QLineEdit(latin(placeholderEmail), Frame2), "txtEmail",
                     {"frmReferFriend", QT_TR_NOOP("Your e-mail address")});
    txtFriendName = named(new QLineEdit(latin(placeholderFriendName), Frame2), "txtFriendName",
                          {"frmReferFriend", QT_TR_NOOP("Friend's name")});
    txtFriendEmail = named(new QLineEdit(latin(placeholderFriendEmail), Frame2), "txtFriendEmail",
                           {"frmReferFriend", QT_TR_NOOP("Friend's e-mail address")});
    cmdSubmit = named(new QPushButton(Frame2), "cmdSubmit",
                      {"frmReferFriend", QT_TR_NOOP("Refer A Friend Now")});
    uiText::set(cmdSubmit, "text", {"frmReferFriend", QT_TR_NOOP("Refer A Friend &Now")});

    // The message box lies outside the frame's area and is never seen; its text is kept
    // here as well, because the box itself would turn the CR LF into a bare line feed.
    messageText_ = latin(placeholderMessage) + QStringLiteral("\r\n");
    txtMessage =
        named(new QPlainTextEdit(Frame2), "txtMessage", {"frmReferFriend", QT_TR_NOOP("Message")});
    txtMessage->setPlainText(messageText_);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->hide();
    connect(txtMessage, &QPlainTextEdit::textChanged, this,
            [this] { messageText_ = txtMessage->toPlainText(); });

    Frame6 = named(new QGroupBox(this), "Frame6",
                   {"frmReferFriend", QT_TR_NOOP("Download Sorvane Softwares")});
    uiText::set(Frame6, "title", {"frmReferFriend", QT_TR_NOOP("Download Sorvane Softwares")});
    Label3 =
        named(new QLabel(Frame6), "Label3", {"frmReferFriend", ReferFriendTexts::otherSoftware});
    uiText::set(Label3, "text", {"frmReferFriend", ReferFriendTexts::otherSoftware});
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGoToHome = named(new ClickableLabel(QString(), Frame6), "lblGoToHome",
                        {"frmReferFriend", QT_TR_NOOP("Click Here To Visit Sorvane Softwares")});
    uiText::set(lblGoToHome, "text",
                {"frmReferFriend", QT_TR_NOOP("Click Here To Visit Sorvane Softwares")});

    for (QWidget* box :
         {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
          static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
          static_cast<QWidget*>(txtMessage)}) {
        placeholdersShown_.emplace_back(box, latin(placeholderOf(box)));
        box->installEventFilter(this);
    }

    connect(cmdSubmit, &QPushButton::clicked, this, &frmReferFriend::cmdSubmit_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmReferFriend::cmdClose_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmReferFriend::Check1_Click);
    connect(lblGoToHome, &ClickableLabel::clicked, this, &frmReferFriend::lblGoToHome_Click);
}

void frmReferFriend::layoutControls() {
    auto* head = new QHBoxLayout;
    head->addWidget(Picture1);
    head->addWidget(Label1, 1);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch(1);
    exitRow->addWidget(cmdClose);

    auto* form = new QGridLayout(Frame2);
    for (QLineEdit* box : {txtName, txtEmail, txtFriendName, txtFriendEmail}) {
        box->setMinimumWidth(textBoxWidth);
    }
    form->addWidget(txtName, 0, 0);
    form->addWidget(txtEmail, 0, 1);
    form->addWidget(txtFriendName, 1, 0);
    form->addWidget(txtFriendEmail, 1, 1);
    cmdSubmit->setMinimumWidth(textBoxWidth);
    form->addWidget(cmdSubmit, 2, 0, 1, 2, Qt::AlignHCenter);

    auto* left = new QVBoxLayout;
    left->addLayout(head);
    left->addWidget(Label2, 1);
    left->addWidget(Check1);
    left->addLayout(exitRow);
    left->addWidget(Frame2);

    auto* right = new QVBoxLayout(Frame6);
    right->addWidget(Label3, 1);
    right->addWidget(lblGoToHome);
    // The design widths are floors; a larger font widens the columns beyond them.
    Frame6->setMinimumWidth(std::max(rightColumnWidth, Frame6->minimumSizeHint().width()));
    // The text wraps in the right column; even at that column's least width it shows whole.
    const QMargins frame = Frame6->contentsMargins() + right->contentsMargins();
    Label3->setMinimumHeight(
        Label3->heightForWidth(Frame6->minimumWidth() - frame.left() - frame.right()));

    auto* window = new QHBoxLayout(this);
    auto* leftHolder = new QWidget(this);
    leftHolder->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    leftHolder->setMinimumWidth(std::max(leftColumnWidth, leftHolder->minimumSizeHint().width()));
    window->addWidget(leftHolder, 2);
    window->addWidget(Frame6, 1);

    // The form first, then Exit, then the links.
    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, cmdSubmit);
    setTabOrder(cmdSubmit, cmdClose);
    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, lblGoToHome);
}

frmReferFriend* frmReferFriend::ShowReferFriend() {
    static QPointer<frmReferFriend> window;
    if (window.isNull()) {
        window = new frmReferFriend;
        window->deleteWhenClosed_ = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window.data();
}

QString frmReferFriend::boxText(QObject* box) const {
    if (box == txtMessage) {
        return messageText_;
    }
    return static_cast<QLineEdit*>(box)->text();
}

void frmReferFriend::setBoxText(QObject* box, const QString& text) {
    if (box == txtMessage) {
        txtMessage->setPlainText(text);
        messageText_ = text;
        return;
    }
    static_cast<QLineEdit*>(box)->setText(text);
}

const char* frmReferFriend::placeholderOf(QObject* box) const {
    using namespace modTellAFriend;
    if (box == txtName) {
        return placeholderName;
    }
    if (box == txtEmail) {
        return placeholderEmail;
    }
    if (box == txtFriendName) {
        return placeholderFriendName;
    }
    if (box == txtFriendEmail) {
        return placeholderFriendEmail;
    }
    if (box == txtMessage) {
        return placeholderMessage;
    }
    return nullptr;
}

bool frmReferFriend::eventFilter(QObject* watched, QEvent* event) {
    const char* placeholder = placeholderOf(watched);
    if (placeholder == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    using modTellAFriend::TrimSpaces;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (placeholderFocusChange(static_cast<QFocusEvent*>(event)) &&
            TrimSpaces(boxText(watched)) == latin(placeholder)) {
            setBoxText(watched, QString());
        }
        break;
    case QEvent::FocusOut:
        if (placeholderFocusChange(static_cast<QFocusEvent*>(event)) &&
            TrimSpaces(boxText(watched)).isEmpty()) {
            setBoxText(watched, latin(placeholder));
        }
        break;
    case QEvent::KeyPress:
        if (watched == txtEmail || watched == txtFriendEmail) {
            return emailKeyPress(static_cast<QWidget*>(watched), event);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// An e-mail address holds no space: a typed space is refused with a message.
bool frmReferFriend::emailKeyPress(QWidget* box, QEvent* event) {
    if (static_cast<QKeyEvent*>(event)->text() != QStringLiteral(" ")) {
        return false;
    }
    platform::services().messages->notify(this, tr("Email Address Cannot Contain Space"),
                                          platform::MessageIcon::Stop);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

void frmReferFriend::cmdSubmit_Click() {
    using namespace modTellAFriend;
    referral = Capture(txtName->text(), txtEmail->text(), messageText_, txtFriendName->text(),
                       txtFriendEmail->text());
    if (const auto problem = EmailProblem(referral)) {
        platform::services().messages->notify(this, *problem, platform::MessageIcon::Stop);
        return;
    }
    SendReferral(this);
}

void frmReferFriend::cmdClose_Click() {
    UnloadAllForms();
}

// The box never stays checked: checking it opens the forum site.
void frmReferFriend::Check1_Click() {
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        modHelp::OpenLink(modHelp::LinkHome);
    }
}

void frmReferFriend::lblGoToHome_Click() {
    modHelp::OpenLink(modHelp::LinkSoftwareSite);
}

void frmReferFriend::closeEvent(QCloseEvent* event) {
    runStep(UnloadAllForms);
    event->accept();
    if (deleteWhenClosed_) {
        platform::deleteWhenModalsEnd(this);
    }
}
