#pragma once

// Shared helpers of the main-window tests: readable QString output and a shown main window
// whose controls are found by their object names.

#include "tests/support/Fakes.h"
#include "tests/support/QStringPrinter.h"
#include "ui/frmMain.h"

#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace uitest {

// The main window with every platform layer replaced by a recorder.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        window.show();
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget> Widget* control(const char* name) {
        auto* found = window.findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }

    fakes::AllFakes fakes;
    frmMain window;
};

} // namespace uitest
