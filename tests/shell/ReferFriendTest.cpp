#include "shell/Forms.h"
#include "shell/frmReferFriend.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"

#include "tests/support/Fakes.h"
#include "ui/ClickableLabel.h"
#include "ui/Language.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace modTellAFriend;

namespace {

TEST(TrimSpaces, RemovesSpacesOnly) {
    const struct {
        const char* reason;
        QString text;
        QString trimmed;
    } cases[] = {
        {"both ends", QStringLiteral("  Ann  "), QStringLiteral("Ann")},
        {"inner spaces stay", QStringLiteral(" A  B "), QStringLiteral("A  B")},
        {"only spaces", QStringLiteral("   "), QString()},
        {"tab stays", QStringLiteral("\tAnn "), QStringLiteral("\tAnn")},
        {"line break stays", QStringLiteral("Your Message\r\n"),
         QStringLiteral("Your Message\r\n")},
        {"no-break space stays", QStringLiteral("\u00a0x"), QStringLiteral("\u00a0x")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << c.reason;
    }
}

ReferralInput complete() {
    return {QStringLiteral("Ann"), QStringLiteral("ann@a.example"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Bob"),
            QStringLiteral("bob@b.example")};
}

struct CheckCase {
    const char* reason;
    ReferralInput input;
    const char* message; // nullptr: passes
};

TEST(ReferralChecks, FirstFailingCheckInOrder) {
    auto with = [](auto change) {
        ReferralInput input = complete();
        change(input);
        return input;
    };
    const CheckCase cases[] = {
        {"complete input passes", complete(), nullptr},
        {"same e-mail twice", with([](auto& i) { i.friendEmail = i.referrerEmail; }),
         "Please Enter Distinct Email Addresses"},
        {"same but for case is distinct",
         with([](auto& i) { i.friendEmail = QStringLiteral("ANN@a.example"); }), nullptr},
        {"e-mail boxes still showing their placeholders", with([](auto& i) {
             i.referrerEmail = QStringLiteral("Your Email Address");
             i.friendEmail = QStringLiteral("Friend's Email Address");
         }),
         "Please Enter Proper Email Address"},
        {"friend without at sign", with([](auto& i) { i.friendEmail = QStringLiteral("bob.b"); }),
         "Please Enter Proper Email Address"},
        {"own without full stop", with([](auto& i) { i.referrerEmail = QStringLiteral("ann@a"); }),
         "Please Enter Proper Email Address"},
        {"both marks anywhere pass", with([](auto& i) { i.friendEmail = QStringLiteral(".@"); }),
         nullptr},
        {"distinctness before form",
         with([](auto& i) { i.referrerEmail = i.friendEmail = QStringLiteral("x"); }),
         "Please Enter Distinct Email Addresses"},
    };
    for (const auto& c : cases) {
        const auto problem = EmailProblem(c.input);
        if (c.message == nullptr) {
            EXPECT_FALSE(problem.has_value()) << c.reason;
        } else {
            EXPECT_EQ(problem.value_or(QString()), QString::fromLatin1(c.message)) << c.reason;
        }
    }
}

TEST(ReferralChecks, SendReferralChecksInOrder) {
    auto with = [](auto change) {
        ReferralInput input = complete();
        change(input);
        return input;
    };
    const CheckCase cases[] = {
        {"complete, with the untouched message's CR LF", complete(), nullptr},
        {"empty name", with([](auto& i) { i.referrerName.clear(); }), "Please Enter Your Name"},
        {"name placeholder", with([](auto& i) { i.referrerName = QStringLiteral("Your Name"); }),
         "Please Enter Your Name"},
        {"name before all else", ReferralInput{}, "Please Enter Your Name"},
        {"own e-mail placeholder",
         with([](auto& i) { i.referrerEmail = QStringLiteral("Your Email Address"); }),
         "Please Enter Your Email"},
        {"message placeholder",
         with([](auto& i) { i.referralMessage = QStringLiteral("Your Message"); }),
         "Please Enter Your Message"},
        {"empty message", with([](auto& i) { i.referralMessage.clear(); }),
         "Please Enter Your Message"},
        {"friend's name placeholder",
         with([](auto& i) { i.friendName = QStringLiteral("Friend's Name"); }),
         "Please Enter Your Friend's Name"},
        {"friend's e-mail empty", with([](auto& i) { i.friendEmail.clear(); }),
         "Please Enter Your Friend's Email"},
        {"own e-mail before the message", with([](auto& i) {
             i.referrerEmail.clear();
             i.referralMessage.clear();
             i.friendName.clear();
             i.friendEmail.clear();
         }),
         "Please Enter Your Email"},
        {"message before the friend's name", with([](auto& i) {
             i.referralMessage.clear();
             i.friendName.clear();
             i.friendEmail.clear();
         }),
         "Please Enter Your Message"},
        {"friend's name before the friend's e-mail", with([](auto& i) {
             i.friendName.clear();
             i.friendEmail.clear();
         }),
         "Please Enter Your Friend's Name"},
        {"placeholder compare counts case",
         with([](auto& i) { i.referrerName = QStringLiteral("your name"); }), nullptr},
    };
    for (const auto& c : cases) {
        const auto problem = ReferralProblem(c.input);
        if (c.message == nullptr) {
            EXPECT_FALSE(problem.has_value()) << c.reason;
        } else {
            EXPECT_EQ(problem.value_or(QString()), QString::fromLatin1(c.message)) << c.reason;
        }
    }
}

// The query as the referral script decodes it.
QList<std::pair<QString, QString>> decodedQuery(const QString& address) {
    QList<std::pair<QString, QString>> items;
    const QString query = QUrl(address, QUrl::StrictMode).query(QUrl::FullyEncoded);
    for (const QString& pair : query.split(QLatin1Char('&'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        items.push_back(
            {pair.left(equals), QUrl::fromPercentEncoding(pair.mid(equals + 1).toUtf8())});
    }
    return items;
}

TEST(ReferralAddress, HostileTextsArriveIntactUnderTheirOwnKeys) {
    const ReferralInput hostile{
        QStringLiteral("Ann&taf5=evil@x.example"), QStringLiteral("ann+x@y.example"),
        QStringLiteral("Hi = there #1\r\nSee you"), QStringLiteral("J\u00fcrgen \u0928\u092e"),
        QStringLiteral("bob%20@b.example?")};
    const QString address = ReferralAddress(hostile);
    EXPECT_TRUE(
        address.startsWith(modHelp::MainSite() + QStringLiteral("/vorq-refer-a-friend.php?taf1=")));
    for (const QChar c : address) {
        EXPECT_TRUE(c.unicode() > 32 && c.unicode() < 127) << "raw character in the address";
    }
    EXPECT_FALSE(address.contains(QLatin1Char('#')));
    EXPECT_FALSE(address.contains(QLatin1Char('+')));

    const auto items = decodedQuery(address);
    const QList<std::pair<QString, QString>> expected{
        {"taf1", hostile.referrerName},    {"taf2", hostile.referrerEmail},
        {"taf3", hostile.referralMessage}, {"taf4", hostile.friendName},
        {"taf5", hostile.friendEmail},     {"taf6", modHelp::ProgramSite() + QLatin1Char('/')}};
    EXPECT_EQ(items, expected);
    // The browser receives the same address (nothing decoded on the way).
    EXPECT_EQ(QUrl(address, QUrl::TolerantMode).toString(QUrl::FullyEncoded), address);
}

TEST(SendReferral, OpensTheAddressOrShowsTheStopMessage) {
    fakes::AllFakes fakes;
    referral = complete();
    SendReferral();
    EXPECT_EQ(fakes.urls.opened, QStringList{ReferralAddress(complete())});
    EXPECT_TRUE(fakes.messages.shown.empty());

    referral.friendName.clear();
    SendReferral();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].text, QStringLiteral("Please Enter Your Friend's Name"));
    EXPECT_EQ(fakes.messages.shown[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(fakes.urls.opened.size(), 1);
}

// The window, driven through its controls.
struct Window {
    fakes::AllFakes fakes;
    frmReferFriend form{[] { return 0.6F; }};

    template <typename T> T* child(const char* name) {
        auto* found = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    void type(const char* name, const QString& text) {
        box(name)->setFocus();
        box(name)->selectAll();
        QTest::keyClicks(box(name), text);
    }
};

// The four promotions, each naming the forum site's host.
TEST(ReferFriendWindow, PromotionTextsLetterForLetter) {
    const QString host = modHelp::MainSiteHost();
    const QString expected[] = {
        QStringLiteral("Programs like this one can only be created and maintained with the "
                       "support of their users, and the best support you can give is to visit ") +
            host + QStringLiteral(" regularly and take part in its discussions."),
        QStringLiteral("We cannot support and maintain programs like this one without your "
                       "regular visits. Please visit ") +
            host + QStringLiteral(" often and join in the discussions there."),
        host + QStringLiteral(" is a free online discussion forum. Please visit it regularly and "
                              "take part in its discussions: your visits help us develop and "
                              "maintain this program."),
        host + QStringLiteral(" needs your help to maintain these programs and to develop more of "
                              "them. Please visit it regularly and take part in its discussions."),
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frmReferFriend::promotionText(i), expected[i]) << "text " << i;
    }
}

TEST(ReferFriendWindow, TextsAndInitialState) {
    Window w;
    EXPECT_EQ(w.form.windowTitle(), QStringLiteral("QV Vantrel v1.20"));
    EXPECT_TRUE(w.form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w.form.promotionIndex(), 2) << "0.6 * 4 gives text 2";
    EXPECT_EQ(w.child<QLabel>("Label2")->text(), frmReferFriend::promotionText(2));
    EXPECT_TRUE(w.child<QLabel>("Label3")->text().startsWith(
        QStringLiteral("If you have enjoyed this software you will surely be interested in our "
                       "other Sorvane Softwares.")));
    EXPECT_EQ(w.child<QCheckBox>("Check1")->text(), QStringLiteral("Click Here To Visit ") +
                                                        modHelp::MainSiteHost() +
                                                        QStringLiteral(" Now"));
    EXPECT_EQ(w.child<QPushButton>("cmdClose")->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(w.child<QPushButton>("cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    EXPECT_EQ(w.child<QGroupBox>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    EXPECT_EQ(w.child<QGroupBox>("Frame6")->title(), QStringLiteral("Download Sorvane Softwares"));
    EXPECT_EQ(w.box("txtName")->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(w.box("txtEmail")->text(), QStringLiteral("Your Email Address"));
    EXPECT_EQ(w.box("txtFriendName")->text(), QStringLiteral("Friend's Name"));
    EXPECT_EQ(w.box("txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
    EXPECT_EQ(w.form.messageText(), QStringLiteral("Your Message\r\n"));
    w.form.show();
    EXPECT_FALSE(w.child<QPlainTextEdit>("txtMessage")->isVisible());
}

TEST(ReferFriendWindow, PromotionFollowsTheDraw) {
    fakes::AllFakes fakes;
    const std::pair<float, int> draws[] = {
        {0.0F, 0}, {0.2499F, 0}, {0.25F, 1}, {0.74F, 2}, {0.9999F, 3}};
    for (const auto& [r, index] : draws) {
        frmReferFriend form([r = r] { return r; });
        EXPECT_EQ(form.promotionIndex(), index) << r;
    }
}

TEST(ReferFriendWindow, NoTextIsClipped) {
    Window w;
    w.form.show();
    for (QLabel* label : w.form.findChildren<QLabel*>()) {
        if (label->pixmap().isNull() && !label->text().isEmpty()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()) > 0
                                           ? label->heightForWidth(label->width())
                                           : label->sizeHint().height())
                << label->objectName().toStdString();
        }
    }
    for (QWidget* control : w.form.findChildren<QAbstractButton*>()) {
        EXPECT_GE(control->width(), control->sizeHint().width())
            << control->objectName().toStdString();
    }
}

TEST(ReferFriendWindow, PlaceholdersEmptyOnFocusAndReturnWhenLeftEmpty) {
    Window w;
    w.form.show();
    QLineEdit* name = w.box("txtName");
    QLineEdit* email = w.box("txtEmail");
    name->setText(QStringLiteral("  Your Name "));
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(name, &in);
    EXPECT_EQ(name->text(), QString()) << "placeholder with spaces around is emptied";

    name->setText(QStringLiteral("\tYour Name"));
    QCoreApplication::sendEvent(name, &in);
    EXPECT_EQ(name->text(), QStringLiteral("\tYour Name")) << "a tab is not trimmed";

    name->setText(QStringLiteral("your name"));
    QCoreApplication::sendEvent(name, &in);
    EXPECT_EQ(name->text(), QStringLiteral("your name")) << "case counts";

    name->setText(QStringLiteral("   "));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(name, &out);
    EXPECT_EQ(name->text(), QStringLiteral("Your Name")) << "spaces only: placeholder back";

    email->setText(QStringLiteral(""));
    QFocusEvent menu(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(email, &menu);
    EXPECT_EQ(email->text(), QString()) << "the box's context menu does not leave the box";
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(email, &away);
    EXPECT_EQ(email->text(), QStringLiteral("Your Email Address")) << "left for another window";
}

TEST(ReferFriendWindow, SpaceInAnEmailBoxIsRefused) {
    Window w;
    w.form.show();
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        w.fakes.messages.shown.clear();
        QLineEdit* box = w.box(name);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("a b"));
        EXPECT_EQ(box->text(), QStringLiteral("ab")) << name;
        ASSERT_EQ(w.fakes.messages.shown.size(), 1U) << name;
        EXPECT_EQ(w.fakes.messages.shown[0].text,
                  QStringLiteral("Email Address Cannot Contain Space"));
        EXPECT_EQ(w.fakes.messages.shown[0].icon, platform::MessageIcon::Stop);
    }
    w.fakes.messages.shown.clear();
    w.box("txtName")->clear();
    QTest::keyClicks(w.box("txtName"), QStringLiteral("A B"));
    EXPECT_EQ(w.box("txtName")->text(), QStringLiteral("A B")) << "names take spaces";
    EXPECT_TRUE(w.fakes.messages.shown.empty());
}

TEST(ReferFriendWindow, SubmitSendsTheUntouchedMessageWithItsLineBreak) {
    Window w;
    w.form.show();
    w.box("txtName")->setText(QStringLiteral(" Ann "));
    w.box("txtEmail")->setText(QStringLiteral("ann@a.example"));
    w.box("txtFriendName")->setText(QStringLiteral("Bob"));
    w.box("txtFriendEmail")->setText(QStringLiteral("bob@b.example"));
    w.child<QPushButton>("cmdSubmit")->click();
    EXPECT_TRUE(w.fakes.messages.shown.empty());
    ASSERT_EQ(w.fakes.urls.opened.size(), 1);
    const QString address = w.fakes.urls.opened[0];
    EXPECT_TRUE(address.contains(QStringLiteral("&taf3=Your%20Message%0D%0A&"))) << "CR LF kept";
    EXPECT_TRUE(address.contains(QStringLiteral("?taf1=Ann&"))) << "spaces trimmed";
    EXPECT_EQ(w.box("txtName")->text(), QStringLiteral(" Ann ")) << "texts stay as they were";
    EXPECT_TRUE(w.form.isVisible()) << "submitting never closes the window";
    EXPECT_EQ(Forms::OpenWindows().count(&w.form), 1);
}

TEST(ReferFriendWindow, SubmitShowsTheFirstProblem) {
    Window w;
    w.child<QPushButton>("cmdSubmit")->click();
    ASSERT_EQ(w.fakes.messages.shown.size(), 1U);
    EXPECT_EQ(w.fakes.messages.shown[0].text, QStringLiteral("Please Enter Proper Email Address"))
        << "placeholders hold no at sign";
    w.box("txtEmail")->setText(QStringLiteral("ann@a.example"));
    w.box("txtFriendEmail")->setText(QStringLiteral("bob@b.example"));
    w.box("txtName")->setText(QStringLiteral("   "));
    w.child<QPushButton>("cmdSubmit")->click();
    ASSERT_EQ(w.fakes.messages.shown.size(), 2U);
    EXPECT_EQ(w.fakes.messages.shown[1].text, QStringLiteral("Please Enter Your Name"));

    // A placeholder still shown when the language changes is no name in the new language.
    w.box("txtName")->setText(QStringLiteral("Your Name"));
    Language::Apply(QStringLiteral("hi"));
    EXPECT_NE(w.box("txtName")->text(), QStringLiteral("Your Name"));
    w.child<QPushButton>("cmdSubmit")->click();
    Language::Apply(QStringLiteral("en"));
    ASSERT_EQ(w.fakes.messages.shown.size(), 3U);
    EXPECT_EQ(w.box("txtName")->text(), QStringLiteral("Your Name"));
    EXPECT_TRUE(w.fakes.urls.opened.isEmpty());
}

TEST(ReferFriendWindow, CheckBoxAndLinkOpenTheirSites) {
    Window w;
    w.form.show();
    auto* check = w.child<QCheckBox>("Check1");
    check->click();
    EXPECT_FALSE(check->isChecked()) << "never stays checked";
    emit w.child<ClickableLabel>("lblGoToHome")->clicked();
    EXPECT_EQ(w.fakes.urls.opened, (QStringList{modHelp::LinkAddress(modHelp::LinkHome),
                                                modHelp::LinkAddress(modHelp::LinkSoftwareSite)}));
}

} // namespace
