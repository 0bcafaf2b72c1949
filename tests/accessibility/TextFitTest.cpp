// Text fit at this run's scale factor, with the system font and with the font as large as
// 150 dots per inch make it: no caption, message or list entry of any window is cut off.
#include "WindowVisits.h"

#include "tests/support/Fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <gtest/gtest.h>

#include <QScreen>
#include <algorithm>
#include <cstdio>

namespace {

using a11ytest::describe;

// The application font scaled for the lifetime of the object.
class ScaledAppFont {
public:
    explicit ScaledAppFont(double factor) : saved_(QApplication::font()) {
        QFont scaled = saved_;
        scaled.setPointSizeF(saved_.pointSizeF() * factor);
        QApplication::setFont(scaled);
    }
    ~ScaledAppFont() { QApplication::setFont(saved_); }
    ScaledAppFont(const ScaledAppFont&) = delete;
    ScaledAppFont& operator=(const ScaledAppFont&) = delete;

private:
    QFont saved_;
};

// A label's text as it is drawn: a label with a buddy shows "&" only where it is doubled.
QString shownText(const QLabel& label) {
    if (label.buddy() == nullptr || label.textFormat() == Qt::PlainText) {
        return label.text();
    }
    QString shown;
    const QString text = label.text();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown.append(text.at(i));
    }
    return shown;
}

// Every problem found with one widget, empty when its text fits.
QStringList textProblems(QWidget& widget) {
    QStringList problems;
    const auto tooSmall = [&](const char* what, int have, int need) {
        if (have < need) {
            problems << QStringLiteral("%1 %2 < %3").arg(QLatin1String(what)).arg(have).arg(need);
        }
    };
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (!label->pixmap().isNull() || label->text().isEmpty()) {
            return problems;
        }
        if (label->wordWrap()) {
            tooSmall("wrapped height", label->height(), label->heightForWidth(label->width()));
            return problems;
        }
        const QFontMetrics metrics = label->fontMetrics();
        const QStringList lines = shownText(*label).split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const int inner = 2 * label->margin();
        tooSmall("width", label->contentsRect().width() - inner, widest);
        tooSmall("height", label->contentsRect().height() - inner,
                 metrics.height() + metrics.lineSpacing() * static_cast<int>(lines.size() - 1));
    } else if (qobject_cast<QPushButton*>(&widget) != nullptr ||
               qobject_cast<QCheckBox*>(&widget) != nullptr ||
               qobject_cast<QRadioButton*>(&widget) != nullptr) {
        // The size hint holds the text, the indicator and the style's margins.
        tooSmall("width", widget.width(), widget.sizeHint().width());
        tooSmall("height", widget.height(), widget.sizeHint().height());
    } else if (auto* list = qobject_cast<QComboBox*>(&widget)) {
        tooSmall("width", list->width(), list->sizeHint().width());
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        tooSmall("width for the title", frame->width(), frame->minimumSizeHint().width());
    } else if (auto* entries = qobject_cast<QListWidget*>(&widget)) {
        tooSmall("entry width", entries->viewport()->width(), entries->sizeHintForColumn(0));
    } else if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        if (!box->text().isEmpty()) {
            // Qt keeps two pixels either side of a line edit's text.
            const int frameWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            tooSmall("text width", box->contentsRect().width() - 4 - 2 * frameWidth,
                     box->fontMetrics().horizontalAdvance(box->text()));
        }
    } else if (auto* bar = qobject_cast<QMenuBar*>(&widget)) {
        tooSmall("width for all menus", bar->width(), bar->sizeHint().width());
    }
    // A widget that fits but lies under a sibling, or sticks out of a container, is cut off
    // all the same.
    if (QWidget* parent = widget.parentWidget(); parent != nullptr && !widget.isWindow()) {
        for (QObject* child : parent->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            if (sibling != nullptr && sibling != &widget && !sibling->isWindow() &&
                sibling->isVisible() && sibling->geometry().intersects(widget.geometry())) {
                problems << QStringLiteral("overlaps %1").arg(sibling->objectName());
            }
        }
    }
    for (QWidget* inner = &widget; !inner->isWindow(); inner = inner->parentWidget()) {
        QWidget* outer = inner->parentWidget();
        const QRect placed(widget.mapTo(outer, QPoint(0, 0)), widget.size());
        if (!outer->rect().contains(placed)) {
            problems << QStringLiteral("sticks out of %1").arg(outer->objectName());
            break;
        }
    }
    return problems;
}

struct FontCase {
    const char* name;
    double factor;
};

TEST(TextFit, EveryTextOfEveryWindowFitsAtThisScaleWithTheSystemAndALargerFont) {
    fakes::AllFakes fakes;
    const FontCase fonts[] = {
        {"system font", 1.0},
        // As large as the system font at 150 dots per inch (QT_FONT_DPI=150) is.
        {"font as at 150 dots per inch", 150.0 / 96.0},
    };
    for (const FontCase& font : fonts) {
        ScaledAppFont scaled(font.factor);
        for (const a11ytest::ProgramWindow& window : a11ytest::programWindows()) {
            SCOPED_TRACE(std::string(window.name) + ", " + font.name);
            int checked = 0;
            window.open([&](QWidget& shown) {
                EXPECT_DOUBLE_EQ(shown.devicePixelRatioF(), a11ytest::runScale())
                    << "the window is not drawn at this run's scale";
                for (QWidget* widget : shown.findChildren<QWidget*>()) {
                    if (!widget->isVisible() || widget->window() != &shown) {
                        continue;
                    }
                    ++checked;
                    const QStringList problems = textProblems(*widget);
                    EXPECT_TRUE(problems.isEmpty())
                        << describe(widget)
                        << " clips its text: " << problems.join(QStringLiteral("; ")).toStdString()
                        << " (size " << widget->width() << "x" << widget->height() << ")";
                }
            });
            EXPECT_GT(checked, 0) << "nothing was looked at";
        }
    }
}

} // namespace
