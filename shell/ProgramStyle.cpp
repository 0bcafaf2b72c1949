#include "ProgramStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// A double chevron at `side` pixels on a transparent ground, pointing to the end of the line
// (right, or left in right-to-left layouts) or down.
QPixmap chevrons(int side, const QColor& colour, Qt::ArrowType direction) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    // Drawn pointing right in a 16-unit square, then turned.
    painter.translate(8, 8);
    switch (direction) {
    case Qt::LeftArrow:
        painter.rotate(180);
        break;
    case Qt::DownArrow:
        painter.rotate(90);
        break;
    default:
        break;
    }
    painter.translate(-8, -8);
    QPen pen(colour, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    for (const qreal x : {4.0, 9.0}) {
        QPainterPath chevron;
        chevron.moveTo(x, 4);
        chevron.lineTo(x + 3.5, 8);
        chevron.lineTo(x, 12);
        painter.drawPath(chevron);
    }
    return picture;
}

QIcon chevronIcon(const QColor& colour, Qt::ArrowType direction) {
    QIcon icon;
    for (const int side : {16, 32, 64}) {
        icon.addPixmap(chevrons(side, colour, direction));
    }
    return icon;
}

// Fusion's group-box frame, a translucent rounded outline stretched over the frame's rect.
const QPixmap& fusionGroupFrame() {
    static const QPixmap frame = [] {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                           "fusion_groupbox.png"),
                            "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }();
    return frame;
}

// Space between a group box's top edge and its frame, besides the title's height.
constexpr int FusionGroupBoxTopMargin = 3;

} // namespace

ProgramStyle::ProgramStyle(QStyle* base)
    : QProxyStyle(base),
      fusionBase_(base != nullptr &&
                  base->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox && fusionBase_ && option != nullptr && painter != nullptr &&
        !fusionGroupFrame().isNull()) {
        // The frame starts below the title, or just below the top when there is none.
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int topMargin = box != nullptr && !box->isCheckable() && box->title().isEmpty()
                                  ? FusionGroupBoxTopMargin
                                  : qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                         option->fontMetrics.height()) +
                                        FusionGroupBoxTopMargin;
        qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                          fusionGroupFrame());
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    const QPalette palette =
        option ? option->palette : (widget ? widget->palette() : QGuiApplication::palette());
    const Qt::LayoutDirection direction =
        option ? option->direction
               : (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection());
    const Qt::ArrowType arrow = standardIcon == SP_ToolBarVerticalExtensionButton ? Qt::DownArrow
                                : direction == Qt::RightToLeft                    ? Qt::LeftArrow
                                                                                  : Qt::RightArrow;
    return chevronIcon(palette.color(QPalette::ButtonText), arrow);
}

namespace ProgramStyleSetup {

void Install() {
    const QString key = QApplication::style() ? QApplication::style()->name() : QString();
    QStyle* base = key.isEmpty() ? nullptr : QStyleFactory::create(key);
    if (base == nullptr) {
        return; // a style that cannot be made a second time stays as it is
    }
    QApplication::setStyle(new ProgramStyle(base));
}

} // namespace ProgramStyleSetup
