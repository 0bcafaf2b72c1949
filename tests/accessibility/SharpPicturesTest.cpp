// The pictures of the main window are drawn for the screen's scale: at scale 2 with twice the
// pixels, in the same place and size in the layout.
#include "WindowVisits.h"

#include "tests/support/Fakes.h"

#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

TEST(SharpPictures, NakshatraPictureAndMoonMatchTheScreen) {
    fakes::AllFakes fakes;
    a11ytest::ShellWindow shell;
    const double scale = a11ytest::runScale();
    shell.calculate();
    struct Case {
        const char* name;
        QSize logicalSize; // empty: any size
    };
    const Case cases[] = {
        {"imgNakshatra", QSize(150, 244)},
        {"imgDecoration", QSize()},
    };
    for (const auto& c : cases) {
        auto* label = shell.control<QLabel>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        const QPixmap picture = label->pixmap();
        ASSERT_FALSE(picture.isNull()) << c.name;
        EXPECT_EQ(picture.devicePixelRatio(), scale) << c.name;
        if (c.logicalSize.isValid()) {
            EXPECT_EQ(picture.size(), c.logicalSize * scale) << c.name << ": pixels";
            EXPECT_EQ(label->size(), c.logicalSize) << c.name << ": place in the layout";
        }
    }
}

} // namespace
