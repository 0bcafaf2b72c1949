// What the first window costs: showing the main window with everything the shell adds to it
// must not load any image-format plugin. Qt loads them all the first time an image is read
// by file name without a format, which would put several libraries and megabytes into every
// start-up. Its own program, so that no other test has loaded them first.
#include "shell/ProgramIcon.h"
#include "shell/ProgramStyle.h"
#include "shell/ShellWiring.h"

#include "tests/support/Fakes.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The image-format plugins mapped into this process.
QStringList loadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("(cannot read /proc/self/maps)")};
    }
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/")) {
            plugins << QString::fromLocal8Bit(line.mid(line.indexOf('/')));
        }
    }
    plugins.removeDuplicates();
    return plugins;
}

TEST(FirstWindow, ShowsWithoutLoadingImagePlugins) {
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) {
        GTEST_SKIP() << "needs /proc to see the loaded libraries";
    }
    fakes::AllFakes fakes;
    ProgramStyleSetup::Install();
    QApplication::setWindowIcon(ProgramIcon::icon());
    frmMain window;
    ShellWiring::AttachShell(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.grab(); // every control painted at least once
    // A menu bar too narrow for its entries shows the overflow arrow.
    window.menuBar()->setFixedWidth(20);
    window.menuBar()->grab();
    QApplication::processEvents();

    EXPECT_FALSE(ProgramIcon::icon().isNull());
    EXPECT_TRUE(loadedImagePlugins().isEmpty())
        << loadedImagePlugins().join(QLatin1Char('\n')).toStdString();
}

} // namespace
