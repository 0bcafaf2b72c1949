#include "ClickableLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// What a screen reader meets: a link named by its text, which the reader's own command can
// follow as a click would.
class AccessibleClickableLabel final : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    // Without a name of its own the label is named by its text, never by its frame's title.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return label()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State linkState = QAccessibleWidget::state();
        linkState.linked = true;
        return linkState;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            emit label()->clicked();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleClickableLabel(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickableLabel") && object != nullptr &&
        object->isWidgetType()) {
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    }
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : FittedLabel(text, parent) {
    static const bool accessibleAsLink = [] {
        QAccessible::installFactory(accessibleClickableLabel);
        return true;
    }();
    static_cast<void>(accessibleAsLink);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setTextFormat(Qt::PlainText);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (event->button() == Qt::LeftButton && wasPressed &&
        rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

// The focused label is underlined, so a keyboard user can see where Space or Enter acts.
void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QLabel::focusInEvent(event);
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QFont plain = font();
    plain.setUnderline(false);
    setFont(plain);
    QLabel::focusOutEvent(event);
}
