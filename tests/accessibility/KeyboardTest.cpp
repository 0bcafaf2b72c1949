// Every window with the keyboard alone: Tab walks the window's own controls in their
// defined order and then its clickable labels, Space and Enter work those labels, and the
// access keys of the captions reach their controls.
#include "WindowVisits.h"

#include "platform/MessageBox.h"
#include "shell/Forms.h"
#include "shell/OfferArea.h"
#include "shell/frmReferFriend.h"
#include "shell/modHelp.h"
#include "tests/support/Fakes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using a11ytest::describe;

QString focusName() {
    return QString::fromStdString(describe(QApplication::focusWidget()));
}

// A list of names as one readable line, for comparisons whose failure shows both sides.
std::string line(const QStringList& names) {
    return names.join(QStringLiteral(", ")).toStdString();
}

// Presses an access key; a button's access key clicks it a moment later, as a shown press.
void accessKey(QWidget* focused, Qt::Key key, const std::function<bool()>& done) {
    focused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused, key, Qt::AltModifier);
    static_cast<void>(QTest::qWaitFor(done, 2000));
}

// Focuses `first`, then presses Tab (or Shift+Tab) `presses` times: the names of the
// controls that held the focus, `first` included.
QStringList tabWalk(QWidget* first, int presses, bool backwards = false) {
    first->setFocus(Qt::TabFocusReason);
    QStringList visited{focusName()};
    for (int i = 0; i < presses && QApplication::focusWidget() != nullptr; ++i) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        visited << focusName();
    }
    return visited;
}

// Presses a key on a control of the active window after giving it the focus.
void pressOn(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, key, modifiers);
}

// The input panel's keyboard order. Tab stops at one option of a pair, the one that last had
// the focus (at first the first one); the arrow keys move within the pair and select.
QStringList inputPanelOrder(bool east, bool north) {
    return {"txtName",
            "cboMonth",
            "cboDate",
            "cboYear",
            "cmdNow",
            "cboHH",
            "cboMM",
            "cboSS",
            "txtLonD",
            "txtLonM",
            east ? "optLong0" : "optLong1",
            "txtLatD",
            "txtLatM",
            north ? "optLat0" : "optLat1",
            "txtMCity",
            "txtMState",
            "txtMCountry",
            "cmdBrowser",
            "cmdRashi",
            "cmdOpen",
            "chkDST",
            "txtZoneMinute",
            "txtZoneHour"};
}

struct MainChainCase {
    const char* reason;
    OfferArea::Offer front;
    bool resultPanel;
    QStringList expected; // from the first control once round to it again
};

TEST(Keyboard, MainWindowTabsThroughItsControlsThenTheLinksOfTheVisibleOffer) {
    fakes::AllFakes fakes;
    const QStringList links = {"lblTZHelp", "Label10"};
    const MainChainCase cases[] = {
        {"input panel, co-brand offer in front", OfferArea::CoBrand, false,
         inputPanelOrder(true, true) + links + QStringList{"lblCobrand", "txtName"}},
        {"full-brand offer in front: only the offer on top is reached", OfferArea::FullBrand, false,
         inputPanelOrder(true, true) + links + QStringList{"lblFullBrand", "txtName"}},
        {"result panel: Back, Copy and the open button, then the links",
         OfferArea::CoBrand,
         true,
         {"cmdBack", "cmdCopy", "cmdOpen", "Label10", "lblCobrand", "cmdBack"}},
    };
    for (const MainChainCase& c : cases) {
        SCOPED_TRACE(c.reason);
        a11ytest::ShellWindow shell;
        shell.offers().bringToFront(c.front);
        if (c.resultPanel) {
            shell.calculate();
            ASSERT_EQ(shell.control<QStackedWidget>("panels")->currentWidget()->objectName(),
                      QStringLiteral("fraResult"));
        }
        QWidget* first = shell.control(c.expected.front().toLatin1().constData());
        ASSERT_NE(first, nullptr);
        const int presses = static_cast<int>(c.expected.size()) - 1;
        EXPECT_EQ(line(tabWalk(first, presses)), line(c.expected));
        QStringList backwards = c.expected;
        std::reverse(backwards.begin(), backwards.end());
        EXPECT_EQ(line(tabWalk(first, presses, true)), line(backwards))
            << "Shift+Tab walks the same ring the other way";
    }
}

TEST(Keyboard, ArrowKeysChooseWithinAnOptionPairAndTabFollowsTheChoice) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    const std::pair<const char*, const char*> pairs[] = {{"optLong0", "optLong1"},
                                                         {"optLat0", "optLat1"}};
    for (const auto& [first, second] : pairs) {
        SCOPED_TRACE(first);
        pressOn(shell.control(first), Qt::Key_Right);
        EXPECT_TRUE(shell.control<QRadioButton>(second)->isChecked());
        EXPECT_EQ(focusName(), QLatin1String(second));
    }
    const QStringList expected =
        inputPanelOrder(false, false) + QStringList{"lblTZHelp", "Label10", "lblCobrand"};
    EXPECT_EQ(line(tabWalk(shell.control("txtName"), static_cast<int>(expected.size()) - 1)),
              line(expected))
        << "Tab now stops at West and South";
    pressOn(shell.control("optLong1"), Qt::Key_Left);
    EXPECT_TRUE(shell.control<QRadioButton>("optLong0")->isChecked());
}

struct LinkKeyCase {
    const char* label;
    Qt::Key key;
    modHelp::LinkKind opens;
};

TEST(Keyboard, MainWindowLinksActOnSpaceAndEnter) {
    const LinkKeyCase cases[] = {
        {"Label10", Qt::Key_Return, modHelp::LinkHome},
        {"Label10", Qt::Key_Space, modHelp::LinkHome},
        {"lblCobrand", Qt::Key_Space, modHelp::LinkCoBrand},
        {"lblCobrand", Qt::Key_Enter, modHelp::LinkCoBrand},
        {"lblFullBrand", Qt::Key_Return, modHelp::LinkFullBrand},
    };
    for (const LinkKeyCase& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " key " + std::to_string(c.key));
        fakes::AllFakes fakes;
        a11ytest::ShellWindow shell;
        if (QLatin1String(c.label) == QLatin1String("lblFullBrand")) {
            shell.offers().bringToFront(OfferArea::FullBrand);
        }
        pressOn(shell.control(c.label), c.key);
        EXPECT_EQ(line(fakes.urls.opened), line({modHelp::LinkAddress(c.opens)}));
    }
}

TEST(Keyboard, TzHelpOpensThePickerFromTheKeyboardWhichTabsAndQuitsByItsAccessKey) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    QWidget* help = shell.control("lblTZHelp");
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        SCOPED_TRACE(key == Qt::Key_Space ? "Space" : "Enter");
        QStringList chain;
        bool closedByAccessKey = false;
        a11ytest::visitModal([&] { pressOn(help, key); },
                             [&](QWidget& picker) {
                                 EXPECT_EQ(picker.objectName(), QStringLiteral("frmTimeZone"));
                                 chain = tabWalk(
                                     picker.findChild<QWidget*>(QStringLiteral("lstTimeZone")), 3);
                                 accessKey(QApplication::focusWidget(), Qt::Key_Q,
                                           [&] { return !picker.isVisible(); });
                                 closedByAccessKey = !picker.isVisible();
                             },
                             "TZ Help");
        EXPECT_EQ(line(chain), "lstTimeZone, cmdPick, cmdQuit, lstTimeZone");
        EXPECT_TRUE(closedByAccessKey) << "Alt+Q is Quit";
    }
    EXPECT_TRUE(shell.control<QLineEdit>("txtZoneHour")->text().isEmpty()) << "nothing picked";
}

TEST(Keyboard, MainWindowAccessKeysReachTheirCommands) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    QWidget* name = shell.control("txtName");
    auto* panels = shell.control<QStackedWidget>("panels");

    accessKey(name, Qt::Key_O, [&] { return !fakes.openFile.requests.empty(); });
    EXPECT_EQ(fakes.openFile.requests.size(), 1U) << "Alt+O opens a saved reading";

    accessKey(name, Qt::Key_G, [&] { return !fakes.messages.shown.empty(); });
    EXPECT_EQ(line(fakes.messages.texts()),
              QCoreApplication::translate("InputChecks", "Please Enter Name").toStdString())
        << "Alt+G calculates, and the first check speaks";

    shell.calculate();
    ASSERT_EQ(panels->currentWidget()->objectName(), QStringLiteral("fraResult"));
    QTest::keyClick(shell.control("cmdBack"), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(fakes.printer.documents.size(), 1) << "Ctrl+P prints the reading";
    accessKey(shell.control("cmdBack"), Qt::Key_B,
              [&] { return panels->currentWidget()->objectName() == QStringLiteral("fraMain"); });
    EXPECT_EQ(panels->currentWidget()->objectName(), QStringLiteral("fraMain")) << "Alt+B";

    accessKey(name, Qt::Key_D, [&] { return !fakes.urls.opened.empty(); });
    EXPECT_EQ(line(fakes.urls.opened), line({modHelp::LinkAddress(modHelp::LinkDonate)}))
        << "Alt+D is Donate on the menu bar";
}

// Opens a menu of the main window by its access key and picks an entry by its own.
void menuByKeys(frmMain& main, Qt::Key menuKey, Qt::Key entryKey) {
    QTest::keyClick(&main, menuKey, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "the menu did not open";
    QTest::keyClick(menu, entryKey);
}

TEST(Keyboard, AboutBoxFromTheHelpMenuTabsFromOkToItsLinksWhichActOnSpaceAndEnter) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    QStringList chain;
    QString focusAtStart;
    bool openAfterLinks = false;
    a11ytest::visitModal(
        [&] { menuByKeys(shell.main(), Qt::Key_H, Qt::Key_A); },
        [&](QWidget& box) {
            EXPECT_EQ(box.objectName(), QStringLiteral("frmAbout"));
            focusAtStart = focusName();
            auto* ok = box.findChild<QWidget*>(QStringLiteral("cmdOK"));
            chain = tabWalk(ok, 3);
            pressOn(box.findChild<QWidget*>(QStringLiteral("lblHomePage")), Qt::Key_Return);
            pressOn(box.findChild<QWidget*>(QStringLiteral("lblCobrand")), Qt::Key_Space);
            openAfterLinks = box.isVisible();
            QTest::keyClick(ok, Qt::Key_Escape);
        },
        "Help > About Software by its access keys");
    EXPECT_EQ(focusAtStart, QStringLiteral("cmdOK"));
    EXPECT_EQ(line(chain), "cmdOK, lblHomePage, lblCobrand, cmdOK");
    EXPECT_EQ(line(fakes.urls.opened), line({modHelp::LinkAddress(modHelp::LinkHome),
                                             modHelp::LinkAddress(modHelp::LinkFullBrand)}));
    EXPECT_TRUE(openAfterLinks) << "a link leaves the about box open";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Escape closes it";
}

TEST(Keyboard, FileExitByAccessKeysLeadsToReferAFriend) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    menuByKeys(shell.main(), Qt::Key_F, Qt::Key_X);
    EXPECT_FALSE(shell.main().isVisible()) << "Alt+F, X closes the main window";
    QWidget* refer = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmReferFriend") && window->isVisible()) {
            refer = window;
        }
    }
    EXPECT_NE(refer, nullptr);
    UnloadAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Keyboard, ReadingIsCopiedPrintedAndExportedByAccessKeys) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    auto* print = shell.control<QAction>("mnuPrint");
    auto* exportPdf = shell.control<QAction>("mnuExportPdf");
    ASSERT_NE(print, nullptr);
    ASSERT_NE(exportPdf, nullptr);
    EXPECT_FALSE(print->isEnabled()) << "nothing to print before the first reading";
    EXPECT_FALSE(exportPdf->isEnabled());
    shell.calculate();
    EXPECT_TRUE(print->isEnabled());
    EXPECT_TRUE(exportPdf->isEnabled());

    QApplication::clipboard()->clear();
    accessKey(shell.control("cmdBack"), Qt::Key_C,
              [] { return !QApplication::clipboard()->text().isEmpty(); });
    const QString nameLine =
        QCoreApplication::translate("ReadingReport", "Name") + QStringLiteral(": Ann\n");
    EXPECT_TRUE(QApplication::clipboard()->text().contains(nameLine)) << "Alt+C copies the reading";

    menuByKeys(shell.main(), Qt::Key_F, Qt::Key_P);
    EXPECT_EQ(fakes.printer.pagesPainted, 1) << "Alt+F, P prints";
    menuByKeys(shell.main(), Qt::Key_F, Qt::Key_E);
    EXPECT_EQ(fakes.saveFile.requests.size(), 1U) << "Alt+F, E asks where to export";
}

TEST(Keyboard, ReferAFriendTabsThroughTheFormThenItsLinksAndKeysWorkThem) {
    fakes::AllFakes fakes;
    frmReferFriend form([] { return 0.1F; });
    a11ytest::settle(form);
    const auto child = [&form](const char* name) {
        return form.findChild<QWidget*>(QLatin1String(name));
    };
    const QStringList order = {"txtName",        "txtEmail",    "txtFriendName",
                               "txtFriendEmail", "cmdSubmit",   "cmdClose",
                               "Check1",         "lblGoToHome", "txtName"};
    EXPECT_EQ(line(tabWalk(child("txtName"), static_cast<int>(order.size()) - 1)), line(order));

    pressOn(child("Check1"), Qt::Key_Space);
    pressOn(child("lblGoToHome"), Qt::Key_Return);
    pressOn(child("lblGoToHome"), Qt::Key_Space);
    EXPECT_EQ(line(fakes.urls.opened), line({modHelp::LinkAddress(modHelp::LinkHome),
                                             modHelp::LinkAddress(modHelp::LinkSoftwareSite),
                                             modHelp::LinkAddress(modHelp::LinkSoftwareSite)}));

    accessKey(child("txtName"), Qt::Key_N, [&] { return !fakes.messages.shown.empty(); });
    EXPECT_EQ(fakes.messages.shown.size(), 1U) << "Alt+N submits, and the checks speak";

    accessKey(child("txtName"), Qt::Key_X, [&] { return !form.isVisible(); });
    EXPECT_FALSE(form.isVisible()) << "Alt+X is Exit";
}

struct AnswerCase {
    const char* reason;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool yes;
};

TEST(Keyboard, MessageBoxesAreAnsweredAndClosedFromTheKeyboard) {
    platform::QtMessageBox messages;
    const AnswerCase answers[] = {
        {"Enter takes the default, Yes", Qt::Key_Return, Qt::NoModifier, true},
        {"Escape answers No", Qt::Key_Escape, Qt::NoModifier, false},
        {"Alt+Y answers Yes", Qt::Key_Y, Qt::AltModifier, true},
        {"Alt+N answers No", Qt::Key_N, Qt::AltModifier, false},
    };
    for (const AnswerCase& c : answers) {
        SCOPED_TRACE(c.reason);
        bool yes = !c.yes;
        a11ytest::visitModal(
            [&] {
                yes = messages.ask(nullptr, QStringLiteral("Do you want to check for an update?"),
                                   platform::MessageIcon::Information);
            },
            [&](QWidget& box) {
                QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
                static_cast<void>(QTest::qWaitFor([&] { return !box.isVisible(); }, 2000));
                EXPECT_FALSE(box.isVisible()) << "the key did not answer";
            },
            "the question");
        EXPECT_EQ(yes, c.yes);
    }
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        a11ytest::visitModal(
            [&] {
                messages.notify(nullptr, QStringLiteral("Please Enter Name"),
                                platform::MessageIcon::Stop);
            },
            [&](QWidget& box) {
                QTest::keyClick(QApplication::focusWidget(), key);
                static_cast<void>(QTest::qWaitFor([&] { return !box.isVisible(); }, 2000));
                EXPECT_FALSE(box.isVisible()) << "the key did not close the notice";
            },
            "a notice");
    }
}

} // namespace
