#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

struct DisplayCase {
    const char* reason;
    QString text;
    QString shown;
};

TEST(MessageBoxText, LoneCarriageReturnShowsAsLineBreak) {
    const DisplayCase cases[] = {
        {"plain text unchanged", QStringLiteral("Please Enter Name"),
         QStringLiteral("Please Enter Name")},
        {"lone CR becomes a line break", QStringLiteral("available\rDo you"),
         QStringLiteral("available\nDo you")},
        {"CR LF keeps one line break", QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")},
        {"CR at the very end", QStringLiteral("a\r"), QStringLiteral("a\n")},
        {"two lone CRs", QStringLiteral("\r\r"), QStringLiteral("\n\n")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::displayText(c.text), c.shown) << c.reason;
    }
}

// Written out here: the program's name in the box's title comes from the build.
TEST(MessageBoxText, TitleIsTheProgramsName) {
    EXPECT_EQ(platform::messageTitle(), QStringLiteral("QV Vantrel"));
}

// A path is data: markup in it shows as written, and is never read as rich text (whose
// pictures would be loaded from any file the path names, a FIFO too).
TEST(MessageBoxText, DataShowsAsPlainText) {
    const QString path = QStringLiteral("/home/u/gone<img src=/tmp/fifo>.nak");
    platform::QtMessageBox boxes;
    for (const bool question : {false, true}) {
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->text();
            format = box->textFormat();
            box->done(QMessageBox::No);
        });
        if (question) {
            boxes.ask(nullptr, path, platform::MessageIcon::Information);
        } else {
            boxes.notify(nullptr, path, platform::MessageIcon::Stop);
        }
        EXPECT_EQ(format, Qt::PlainText) << question;
        EXPECT_EQ(shown, path) << question;
    }
}

} // namespace
