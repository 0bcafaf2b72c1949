#include "WindowVisits.h"

#include "platform/MessageBox.h"
#include "shell/OfferArea.h"
#include "shell/ShellWiring.h"
#include "shell/UpdateReminder.h"
#include "shell/frmReferFriend.h"
#include "ui/Language.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace a11ytest {

double runScale() {
    const QByteArray text = qgetenv("VANTREL_TEST_SCALE");
    if (text.isEmpty()) {
        return 1.0;
    }
    bool ok = false;
    const double scale = text.toDouble(&ok);
    return ok ? scale : 0.0;
}

void settle(QWidget& window) {
    window.show();
    window.activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
}

ShellWindow::ShellWindow() : main_(new frmMain), offers_(ShellWiring::AttachShell(*main_)) {
    settle(*main_);
}

// Deleted without closing: closing would bring up the refer-a-friend window. A window a test
// closed is deleted by the shell itself.
ShellWindow::~ShellWindow() {
    delete main_.data();
}

void ShellWindow::calculate(Moment moment) const {
    const std::pair<const char*, const char*> entries[] = {
        {"txtName", "Ann"}, {"txtZoneHour", "5"}, {"txtZoneMinute", "30"}, {"txtLonD", "73"},
        {"txtLonM", "51"},  {"txtLatD", "18"},    {"txtLatM", "31"},
    };
    for (const auto& [name, text] : entries) {
        control<QLineEdit>(name)->setText(QLatin1String(text));
    }
    if (moment == Moment::NearChange) {
        // London, 4 July 2025 at 12:13 summer time: the Moon leaves Chitra at 12:23.
        const std::pair<const char*, const char*> london[] = {
            {"txtZoneHour", "0"}, {"txtZoneMinute", "0"}, {"txtLonD", "0"}, {"txtLonM", "7"},
            {"txtLatD", "51"},    {"txtLatM", "30"},      {"cboDate", "4"}, {"cboYear", "2025"},
            {"cboHH", "12"},      {"cboMM", "13"},
        };
        for (const auto& [name, text] : london) {
            if (auto* box = control<QLineEdit>(name)) {
                box->setText(QLatin1String(text));
            } else {
                control<QComboBox>(name)->setCurrentText(QLatin1String(text));
            }
        }
        control<QComboBox>("cboMonth")->setCurrentIndex(6);
        control<QRadioButton>("optLong1")->setChecked(true);
        control<QCheckBox>("chkDST")->setChecked(true);
    }
    control<QPushButton>("cmdRashi")->click();
    QCoreApplication::processEvents();
}

void visitNextModal(const Visit& visit, bool* opened) {
    QTimer::singleShot(0, [visit, opened] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal == nullptr) {
            return;
        }
        *opened = true;
        static_cast<void>(QTest::qWaitForWindowActive(modal));
        QCoreApplication::processEvents();
        visit(*modal);
        // The check may have closed the window itself.
        if (QApplication::activeModalWidget() == modal) {
            modal->done(QDialog::Rejected);
        }
    });
}

void visitModal(const std::function<void()>& opener, const Visit& visit, const char* what) {
    bool opened = false;
    visitNextModal(visit, &opened);
    opener();
    EXPECT_TRUE(opened) << what << " opened no modal window";
}

std::vector<ProgramWindow> programWindows() {
    std::vector<ProgramWindow> windows = {
        {"frmMain with the input panel and the co-brand offer",
         [](const Visit& visit) {
             ShellWindow shell;
             visit(shell.main());
         }},
        {"frmMain with the result panel and the full-brand offer",
         [](const Visit& visit) {
             ShellWindow shell;
             shell.offers().bringToFront(OfferArea::FullBrand);
             shell.calculate();
             visit(shell.main());
         }},
        {"frmMain with the result panel near a change of nakshatra",
         [](const Visit& visit) {
             ShellWindow shell;
             shell.calculate(ShellWindow::Moment::NearChange);
             visit(shell.main());
         }},
        {"frmMain with a note under City and the zone in universal time",
         [](const Visit& visit) {
             ShellWindow shell;
             auto* city = shell.control<QLineEdit>("txtMCity");
             city->setFocus();
             QTest::keyClicks(city, QStringLiteral("Mordorx"));
             shell.control<QLineEdit>("txtZoneHour")->setText(QStringLiteral("-10"));
             shell.control<QLineEdit>("txtZoneMinute")->setText(QStringLiteral("30"));
             QCoreApplication::processEvents();
             visit(shell.main());
         }},
        {"frmMain with a zone warning on the result panel",
         [](const Visit& visit) {
             ShellWindow shell;
             shell.control<QComboBox>("cboYear")->setCurrentText(QStringLiteral("2025"));
             auto* city = shell.control<QLineEdit>("txtMCity");
             city->setFocus();
             QTest::keyClicks(city, QStringLiteral("Madrid"));
             QAbstractItemView* places = shell.main().findChild<QCompleter*>()->popup();
             QTest::keyClick(places, Qt::Key_Down);
             QTest::keyClick(places, Qt::Key_Return);
             shell.control<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
             shell.control<QLineEdit>("txtZoneHour")->setText(QStringLiteral("1"));
             shell.control<QPushButton>("cmdRashi")->click();
             QCoreApplication::processEvents();
             EXPECT_FALSE(shell.control<QLabel>("lblZoneWarning")->text().isEmpty());
             visit(shell.main());
         }},
        {"frmMain with a reading, switched from English to Hindi while open",
         [](const Visit& visit) {
             const QString runLanguage = Language::Current();
             Language::Apply(QStringLiteral("en"));
             {
                 ShellWindow shell;
                 shell.calculate();
                 Language::Apply(QStringLiteral("hi"));
                 // The new texts ask for a new layout, which moves the wrapped texts, which ask
                 // for another: a few passes of the event loop.
                 for (int pass = 0; pass < 5; ++pass) {
                     QCoreApplication::processEvents();
                 }
                 visit(shell.main());
             }
             Language::Apply(runLanguage);
         }},
        {"frmTimeZone from TZ Help",
         [](const Visit& visit) {
             ShellWindow shell;
             visitModal([&] { shell.main().lblTZHelp_Click(); }, visit, "TZ Help");
         }},
        {"frmAbout from Help > About Software",
         [](const Visit& visit) {
             ShellWindow shell;
             visitModal([&] { shell.control<QAction>("mnuAbout")->trigger(); }, visit,
                        "About Software");
         }},
        {"message box with the stop icon",
         [](const Visit& visit) {
             platform::QtMessageBox box;
             visitModal(
                 [&] {
                     box.notify(nullptr,
                                QStringLiteral("Please Enter Hour and Minute of Time Zone"),
                                platform::MessageIcon::Stop);
                 },
                 visit, "a notice");
         }},
        {"message box with the update question",
         [](const Visit& visit) {
             platform::QtMessageBox box;
             visitModal(
                 [&] {
                     box.ask(nullptr, UpdateReminder::QuestionText(),
                             platform::MessageIcon::Information);
                 },
                 visit, "the update question");
         }},
    };
    // The four promotional texts differ in length; each gets its own look.
    static constexpr const char* referNames[] = {
        "frmReferFriend with promotion 0", "frmReferFriend with promotion 1",
        "frmReferFriend with promotion 2", "frmReferFriend with promotion 3"};
    for (int promotion = 0; promotion < 4; ++promotion) {
        windows.push_back({referNames[promotion], [promotion](const Visit& visit) {
                               const float draw = (static_cast<float>(promotion) + 0.5F) / 4.0F;
                               frmReferFriend form([draw] { return draw; });
                               settle(form);
                               visit(form);
                           }});
    }
    return windows;
}

std::string describe(const QObject* object) {
    if (object == nullptr) {
        return "(none)";
    }
    if (!object->objectName().isEmpty()) {
        return object->objectName().toStdString();
    }
    return std::string(object->metaObject()->className());
}

} // namespace a11ytest
