#include "shell/ProgramStyle.h"

#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A group box as the main window has them, drawn by `style` at a fixed size.
QImage drawnGroupBox(QStyle* style, const QString& title, bool checkable) {
    QGroupBox box(title);
    box.setCheckable(checkable);
    box.setStyle(style);
    box.resize(220, 120);
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    box.render(&image);
    return image;
}

struct FrameCase {
    const char* title;
    bool checkable;
};

TEST(ProgramStyle, GroupFramesLookAsInTheBaseStyle) {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(fusion, nullptr);
    ProgramStyle program(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const FrameCase& c :
         {FrameCase{"Details Of Day On Which Object Was Lost", false}, FrameCase{"", false},
          FrameCase{"Latitude", true}, FrameCase{"", true}}) {
        SCOPED_TRACE(std::string("title '") + c.title + "', checkable " +
                     (c.checkable ? "yes" : "no"));
        const QImage expected =
            drawnGroupBox(fusion.get(), QString::fromUtf8(c.title), c.checkable);
        const QImage drawn = drawnGroupBox(&program, QString::fromUtf8(c.title), c.checkable);
        EXPECT_TRUE(drawn == expected) << "the frame differs from the base style's";
    }
}

QImage arrowImage(const ProgramStyle& style, Qt::LayoutDirection direction,
                  QStyle::StandardPixmap which) {
    QStyleOption option;
    option.direction = direction;
    option.palette = QPalette(Qt::black, Qt::white);
    const QIcon icon = style.standardIcon(which, &option);
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ProgramStyle, OverflowArrowsPointToTheEndOfTheLine) {
    ProgramStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    const QImage right =
        arrowImage(style, Qt::LeftToRight, QStyle::SP_ToolBarHorizontalExtensionButton);
    const QImage left =
        arrowImage(style, Qt::RightToLeft, QStyle::SP_ToolBarHorizontalExtensionButton);
    const QImage down =
        arrowImage(style, Qt::LeftToRight, QStyle::SP_ToolBarVerticalExtensionButton);
    ASSERT_FALSE(right.isNull());
    ASSERT_EQ(right.size(), QSize(16, 16));

    // Ink in the right half leads a left-to-right line's arrow to its end.
    const auto inkIn = [](const QImage& image, const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ink += qAlpha(image.pixel(x, y));
            }
        }
        return ink;
    };
    EXPECT_GT(inkIn(right, QRect(0, 0, 16, 16)), 0) << "something is drawn";
    EXPECT_TRUE(left == right.mirrored(true, false)) << "right to left: the mirror image";
    EXPECT_FALSE(left == right);
    // The tips of the chevrons lie on the side the arrow points to.
    EXPECT_GT(qAlpha(right.pixel(11, 8)), qAlpha(right.pixel(4, 8)));
    EXPECT_GT(qAlpha(down.pixel(8, 11)), qAlpha(down.pixel(8, 4)));
}

TEST(ProgramStyle, OtherIconsComeFromTheBaseStyle) {
    ProgramStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    EXPECT_EQ(style.baseStyle()->name().toLower(), QStringLiteral("fusion"));
}

} // namespace
