#include "shell/Startup.h"
#include "shell/Forms.h"
#include "shell/OfferArea.h"
#include "shell/ShellWiring.h"
#include "shell/UpdateReminder.h"
#include "shell/frmAbout.h"
#include "shell/frmReferFriend.h"
#include "shell/modHelp.h"

#include "platform/MapWebSearch.h"
#include "platform/Production.h"

#include "tests/support/Fakes.h"
#include "ui/ClickableLabel.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

QWidget* referFriendWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmReferFriend") && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

struct Checks {
    fakes::AllFakes fakes;
    OfferArea offers;
    QStringList steps;
    float draw = 0.5F; // offer pick 4: the full-brand offer comes to the front
    StartupChecks checks{StartupChecks::Steps{[this] { steps << QStringLiteral("reminder"); },
                                              [this] {
                                                  steps << QStringLiteral("pick");
                                                  return draw;
                                              }}};
    Checks() { checks.attach(&offers, nullptr); }
};

TEST(StartupChecks, RunOnceThenNeverAgain) {
    Checks c;
    c.checks.run();
    c.checks.run();
    EXPECT_TRUE(c.checks.done());
    EXPECT_EQ(c.fakes.instance.asked, 1);
    EXPECT_EQ(c.steps, (QStringList{"reminder", "pick"}));
    EXPECT_EQ(c.offers.front(), OfferArea::FullBrand);
    EXPECT_TRUE(c.fakes.messages.shown.empty());
}

TEST(StartupChecks, FailingReminderDoesNotStopTheOfferPick) {
    fakes::AllFakes fakes;
    OfferArea offers;
    StartupChecks checks{StartupChecks::Steps{[] { throw std::runtime_error("settings broken"); },
                                              [] { return 0.5F; }}};
    checks.attach(&offers, nullptr);
    EXPECT_NO_THROW(checks.run());
    EXPECT_EQ(offers.front(), OfferArea::FullBrand);
}

TEST(StartupChecks, SecondInstanceSaysSoAndEndsAtOnce) {
    Checks c;
    c.fakes.instance.another = true;
    EXPECT_THROW(c.checks.run(), fakes::ProcessEnded);
    ASSERT_EQ(c.fakes.messages.shown.size(), 1U);
    EXPECT_EQ(c.fakes.messages.shown[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(c.fakes.messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_FALSE(c.fakes.messages.shown[0].question);
    EXPECT_TRUE(c.steps.isEmpty()) << "no reminder, no offer pick";
    EXPECT_EQ(c.offers.front(), OfferArea::CoBrand);
}

// A copy started with a reading it could not hand over opens it itself and stays: ending it
// would drop the reading.
TEST(StartupChecks, ACopyKeepingItsReadingIsNeverEnded) {
    Checks c;
    c.fakes.instance.another = true;
    c.checks.keepThisInstance();
    EXPECT_NO_THROW(c.checks.run());
    EXPECT_TRUE(c.fakes.messages.shown.empty());
    EXPECT_EQ(c.steps, (QStringList{"reminder", "pick"}));
}

TEST(StartupChecks, DefaultStepsRunTheRealReminder) {
    fakes::AllFakes fakes;
    OfferArea offers;
    StartupChecks checks;
    checks.attach(&offers, nullptr);
    modHelp::intCoBrandRandomNumber = 0; // so that only this run's offer pick can set it
    checks.run();
    EXPECT_EQ(fakes.settings.writes, 1) << "the first reminder writes today's record";
    EXPECT_GE(modHelp::intCoBrandRandomNumber, 1);
    EXPECT_LE(modHelp::intCoBrandRandomNumber, 7);
}

TEST(RunAfterFirstPaint, RunsOnceAfterTheWindowIsOnTheScreen) {
    QWidget window;
    int runs = 0;
    RunAfterFirstPaint(window, [&runs] { ++runs; });
    QApplication::processEvents();
    EXPECT_EQ(runs, 0) << "not before the window is shown";
    window.show();
    EXPECT_EQ(runs, 0) << "showing only asks for the paint";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&runs] { return runs == 1; }));
    window.update();
    window.repaint();
    QTest::qWait(20);
    EXPECT_EQ(runs, 1) << "later paints change nothing";
}

TEST(RunAfterFirstPaint, ContainsAFailingStepAndForgetsAClosedWindow) {
    auto window = std::make_unique<QWidget>();
    bool ran = false;
    RunAfterFirstPaint(*window, [] { throw std::runtime_error("folder missing"); });
    RunAfterFirstPaint(*window, [&ran] { ran = true; });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(QTest::qWaitFor([&ran] { return ran; })) << "the second step runs all the same";

    auto gone = std::make_unique<QWidget>();
    bool ranForGone = false;
    RunAfterFirstPaint(*gone, [&ranForGone] { ranForGone = true; });
    gone.reset();
    QTest::qWait(20);
    EXPECT_FALSE(ranForGone);
}

// A window that records when its close handling runs, and may walk again from inside it.
class Recorder : public QWidget {
public:
    Recorder(QString name, QStringList& log, bool walks = false)
        : name_(std::move(name)), log_(log), walks_(walks) {
        Forms::RegisterWindow(this);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        log_ << name_;
        if (walks_) {
            UnloadAllForms();
        }
        event->accept();
    }

private:
    QString name_;
    QStringList& log_;
    bool walks_;
};

TEST(UnloadAllForms, ClosesEveryWindowOnceInCreationOrder) {
    QStringList log;
    Recorder first(QStringLiteral("first"), log);
    Recorder walker(QStringLiteral("walker"), log, true);
    Recorder hidden(QStringLiteral("hidden"), log);
    Recorder last(QStringLiteral("last"), log);
    first.show();
    walker.show();
    last.show();
    UnloadAllForms();
    EXPECT_EQ(log, (QStringList{"first", "walker", "hidden", "last"}))
        << "the nested walk closes the rest; nobody closes twice";
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(last.isVisible());
    EXPECT_FALSE(Forms::OpenWindows().contains(&hidden));
    UnloadAllForms();
    EXPECT_EQ(log.size(), 4) << "a second walk finds nothing open";
}

TEST(UnloadAllForms, WindowClosedByTheUserIsNotClosedAgain) {
    QStringList log;
    Recorder closedByUser(QStringLiteral("user"), log);
    Recorder other(QStringLiteral("other"), log);
    closedByUser.show();
    closedByUser.close();
    UnloadAllForms();
    EXPECT_EQ(log, (QStringList{"user", "other"}));
}

struct Shell {
    fakes::AllFakes fakes;
    // The process's start-up checks run once per process; each test starts them afresh.
    bool freshChecks = (ProcessStartupChecks() = StartupChecks{}, true);
    frmMain* main = new frmMain;
    OfferArea* offers = ShellWiring::AttachShell(*main);

    ~Shell() {
        UnloadAllForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Runs while the next modal window is open, then closes it with a key.
void pressInNextModal(Qt::Key key, QString* title) {
    QTimer::singleShot(0, [key, title] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        *title = modal->objectName();
        QTest::keyClick(modal, key);
    });
}

TEST(ShellWiring, MainWindowCarriesBannerOffersAndMenus) {
    Shell s;
    EXPECT_NE(s.main->findChild<ClickableLabel*>(QStringLiteral("Label10")), nullptr);
    EXPECT_EQ(s.main->findChild<OfferArea*>(QStringLiteral("fraFullBrand")), s.offers);
    EXPECT_EQ(s.offers->front(), OfferArea::CoBrand) << "no offer pick at start";
    EXPECT_NE(s.main->findChild<QAction*>(QStringLiteral("mnuDonate")), nullptr);
    EXPECT_TRUE(s.fakes.messages.shown.empty()) << "nothing asked at start";
    EXPECT_EQ(s.fakes.instance.asked, 0) << "no instance test at start";
    EXPECT_EQ(s.fakes.settings.writes, 0) << "no reminder at start";
}

struct LookupCase {
    const char* reason;
    QString city, state, country;
    const char* message; // nullptr: the search runs
};

TEST(ShellWiring, LookupSearchesTheMapForThePlaceWithTheHomePage) {
    const LookupCase cases[] = {
        {"country missing", QStringLiteral("Pune"), QStringLiteral("MH"), QString(),
         "Please Enter Country"},
        {"all missing: city first", QString(), QString(), QString(), "Please Enter City"},
        {"state missing", QStringLiteral("Pune"), QString(), QStringLiteral("India"),
         "Please Enter State"},
        {"hostile place names, a line break too", QStringLiteral("A&B=C #1"), QStringLiteral("X+Y"),
         QStringLiteral("Z\nW"), nullptr},
    };
    for (const auto& c : cases) {
        Shell s;
        s.main->findChild<QLineEdit*>(QStringLiteral("txtMCity"))->setText(c.city);
        s.main->findChild<QLineEdit*>(QStringLiteral("txtMState"))->setText(c.state);
        s.main->findChild<QLineEdit*>(QStringLiteral("txtMCountry"))->setText(c.country);
        s.main->findChild<QPushButton*>(QStringLiteral("cmdBrowser"))->click();
        if (c.message != nullptr) {
            EXPECT_EQ(s.fakes.messages.texts(), QStringList{QString::fromLatin1(c.message)})
                << c.reason;
            EXPECT_TRUE(s.fakes.webSearch.searches.empty()) << c.reason;
            continue;
        }
        ASSERT_EQ(s.fakes.webSearch.searches.size(), 1) << c.reason;
        const QString& text = s.fakes.webSearch.searches.front();
        EXPECT_EQ(text, c.city + QLatin1Char(' ') + c.state + QLatin1Char(' ') + c.country +
                            QStringLiteral(" Latitude Longitude"));
        EXPECT_EQ(platform::mapSearchAddress(text),
                  QStringLiteral("https://www.openstreetmap.org/search?query=A%26B%3DC%20%231%20X%"
                                 "2BY%20Z%0AW%20Latitude%20Longitude"));
    }
}

TEST(ShellWiring, ChecksFollowTheFirstSavedReadingOnly) {
    Shell s;
    emit s.main->savedReadingOpened(QString());
    emit s.main->savedReadingOpened(QString());
    EXPECT_EQ(s.fakes.instance.asked, 1) << "one run per process";
    EXPECT_EQ(s.fakes.settings.writes, 1) << "one reminder per process";
    EXPECT_TRUE(ProcessStartupChecks().done());
}

TEST(ShellWiring, SecondInstanceEndsWithoutClosingItsWindows) {
    Shell s;
    s.main->show();
    s.fakes.instance.another = true;
    EXPECT_THROW(emit s.main->savedReadingOpened(QString()), fakes::ProcessEnded);
    EXPECT_EQ(s.fakes.messages.texts(), QStringList{"Application is already running"});
    EXPECT_TRUE(s.main->isVisible()) << "the window is not closed: the process just ends";
    EXPECT_EQ(referFriendWindow(), nullptr) << "no close handling, no refer-a-friend window";
    EXPECT_EQ(s.fakes.settings.writes, 0) << "no update reminder";
}

TEST(ShellWiring, AboutBoxFromTheMenuClosesWithEnterOrEscape) {
    Shell s;
    s.main->show();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QString title;
        pressInNextModal(key, &title);
        s.main->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        EXPECT_EQ(title, QStringLiteral("frmAbout")) << "shown modal";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed again";
    }
}

TEST(AboutBox, TextsAndLinksThatLeaveItOpen) {
    fakes::AllFakes fakes;
    frmAbout box;
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("QV Vantrel v1.20"));
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("QV Vantrel v1.20"));
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull())
        << "the program's icon";
    auto* home = box.findChild<ClickableLabel*>(QStringLiteral("lblHomePage"));
    auto* details = box.findChild<ClickableLabel*>(QStringLiteral("lblCobrand"));
    EXPECT_EQ(home->text(), QStringLiteral("Click here to visit ") + modHelp::MainSite());
    EXPECT_EQ(details->text(), QStringLiteral("Click here for more details"));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("QV Vantrel helps you find objects that have been misplaced on the "
                             "basis of calculation of the constellation the moon was placed in on "
                             "the day of loss."));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
              QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                             "make money online. Get this software fully branded for your "
                             "website."));
    emit home->clicked();
    emit details->clicked();
    EXPECT_EQ(fakes.urls.opened,
              (QStringList{modHelp::MainSite(), modHelp::LinkAddress(modHelp::LinkFullBrand)}))
        << "the details belong to the full-brand offer";
    EXPECT_TRUE(box.isVisible());
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    EXPECT_TRUE(ok->isDefault());
    ok->click();
    EXPECT_FALSE(box.isVisible());
}

TEST(ShellWiring, ClosingTheMainWindowShowsReferAFriendAndLeavingItEndsAll) {
    Shell s;
    s.main->show();
    s.main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    EXPECT_FALSE(s.main->isVisible());
    QWidget* refer = referFriendWindow();
    ASSERT_NE(refer, nullptr) << "Exit shows the refer-a-friend window";
    EXPECT_EQ(refer->parentWidget(), nullptr) << "no owner";
    EXPECT_FALSE(refer->isModal());
    EXPECT_TRUE(refer->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    refer->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    EXPECT_EQ(referFriendWindow(), nullptr);
    EXPECT_TRUE(Forms::OpenWindows().isEmpty()) << "every window closed";
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

TEST(ShellWiring, CloseBoxOfEitherWindowBehavesAsExit) {
    Shell s;
    s.main->show();
    QCloseEvent byUser; // the close box: a spontaneous close request
    QApplication::sendEvent(s.main, &byUser);
    s.main->hide();
    QWidget* refer = referFriendWindow();
    ASSERT_NE(refer, nullptr) << "the close box shows the refer-a-friend window too";
    refer->close();
    EXPECT_EQ(referFriendWindow(), nullptr);
    EXPECT_TRUE(Forms::OpenWindows().isEmpty());
}

struct ModalCase {
    const char* reason;
    QString modal; // objectName of the modal window
    std::function<void(frmMain&)> open;
};

// Code closes the main window while one of its modal windows runs its own event loop: the
// main window and its modal child stay alive until that loop has ended, then the main window
// goes, and the handler that opened the modal window returns into a live object.
TEST(ShellWiring, MainWindowClosedUnderAModalWindowWaitsForItToEnd) {
    const ModalCase cases[] = {
        {"the message box of a failed check", QStringLiteral("messageBox"),
         [](frmMain& w) { w.findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click(); }},
        {"the open-file dialog", QStringLiteral("openFileDialog"),
         [](frmMain& w) { w.findChild<QPushButton*>(QStringLiteral("cmdOpen"))->click(); }},
        {"the time-zone picker", QStringLiteral("frmTimeZone"),
         [](frmMain& w) { w.lblTZHelp_Click(); }},
        {"the about box", QStringLiteral("frmAbout"),
         [](frmMain& w) { w.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); }},
    };
    for (const auto& c : cases) {
        Shell s;
        // The real message box and file dialog, not the recording fakes.
        const platform::ScopedServices real{platform::Services{
            &platform::productionMessageBox(), &platform::productionOpenFileDialog()}};
        const QPointer<frmMain> main = s.main;
        main->show();
        QString shown;
        bool aliveInsideTheLoop = false;
        QTimer::singleShot(0, [&] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            shown = modal.isNull() ? QString() : modal->objectName();
            main->close();
            // Still inside the modal loop: whatever was posted by the close runs now.
            QTimer::singleShot(0, [&, modal] {
                aliveInsideTheLoop = !main.isNull();
                if (auto* dialog = qobject_cast<QDialog*>(modal.data())) {
                    dialog->reject();
                }
            });
        });
        c.open(*main);
        EXPECT_EQ(shown, c.modal) << c.reason;
        EXPECT_TRUE(aliveInsideTheLoop) << c.reason << ": not deleted under its modal window";
        ASSERT_FALSE(main.isNull()) << c.reason << ": the handler returned into a live window";
        EXPECT_FALSE(main->isVisible()) << c.reason;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(main.isNull()) << c.reason << ": deleted once the modal window has ended";
        EXPECT_NE(referFriendWindow(), nullptr) << c.reason << ": closing went on as usual";
    }
}

// Every window closes while the refer-a-friend window's own message box runs: the window
// stays until the box has ended.
TEST(ShellWiring, ReferFriendClosedUnderItsMessageBoxWaitsForIt) {
    Shell s;
    const platform::ScopedServices real{platform::Services{&platform::productionMessageBox()}};
    const QPointer<frmReferFriend> refer = frmReferFriend::ShowReferFriend();
    QString shown;
    bool aliveInsideTheLoop = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        shown = modal.isNull() ? QString() : modal->objectName();
        UnloadAllForms();
        QTimer::singleShot(0, [&, modal] {
            aliveInsideTheLoop = !refer.isNull();
            if (auto* dialog = qobject_cast<QDialog*>(modal.data())) {
                dialog->reject();
            }
        });
    });
    refer->cmdSubmit_Click(); // the placeholders are no e-mail addresses: a message
    EXPECT_EQ(shown, QStringLiteral("messageBox"));
    EXPECT_TRUE(aliveInsideTheLoop) << "not deleted under its message box";
    ASSERT_FALSE(refer.isNull());
    EXPECT_FALSE(refer->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(refer.isNull()) << "deleted once the message box has ended";
}

} // namespace
