#include "FittedLabel.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// How far the ink of `line` reaches beyond the line its fonts lay out, above or below.
int inkOvershoot(const QString& line, const QFont& font) {
    QTextLayout layout(line, font);
    layout.beginLayout();
    const QTextLine laidOut = layout.createLine();
    layout.endLayout();
    if (!laidOut.isValid()) {
        return 0;
    }
    // The ink spans [top, top + height) about the baseline.
    const QRect ink = QFontMetrics(font).tightBoundingRect(line);
    const double above = -ink.top() - laidOut.ascent();
    const double below = ink.top() + ink.height() - laidOut.descent();
    return static_cast<int>(std::ceil(std::max({0.0, above, below})));
}

} // namespace

FittedLabel::FittedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

int FittedLabel::NeededHeight(const QLabel& label) {
    if (label.wordWrap() || !label.pixmap().isNull() || label.text().isEmpty()) {
        return 0;
    }
    const QFontMetrics metrics = label.fontMetrics();
    const QString text = label.text();
    const QStringList lines = text.split(QLatin1Char('\n'));
    int overshoot = 0;
    for (const QString& line : lines) {
        overshoot = std::max(overshoot, inkOvershoot(line, label.font()));
    }
    const auto count = static_cast<int>(lines.size());
    const int fontLines = metrics.height() + metrics.lineSpacing() * (count - 1);
    // The lines as QLabel lays them out, in the fonts that draw them.
    const int laidOut = metrics
                            .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                          Qt::AlignLeft | Qt::AlignTop, text)
                            .height();
    const QMargins margins = label.contentsMargins();
    return std::max(fontLines, laidOut + 2 * overshoot) + 2 * label.margin() + margins.top() +
           margins.bottom();
}

QSize FittedLabel::sizeHint() const {
    const QSize hint = QLabel::sizeHint();
    return {hint.width(), std::max(hint.height(), NeededHeight(*this))};
}

QSize FittedLabel::minimumSizeHint() const {
    const QSize hint = QLabel::minimumSizeHint();
    return {hint.width(), std::max(hint.height(), NeededHeight(*this))};
}
