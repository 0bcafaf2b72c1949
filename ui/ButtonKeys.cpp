#include "ButtonKeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    // Push buttons and tool buttons such as Now; check boxes and options keep their keys.
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (button == nullptr || button->isCheckable() ||
        (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) {
        return false;
    }
    // Shift, Ctrl or Alt with Enter mean something else; the keypad flag is no modifier.
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (!key->isAutoRepeat() && button->isEnabled()) {
        button->click();
    }
    return true;
}

void ButtonKeys::Install(QCoreApplication& application) {
    application.installEventFilter(new ButtonKeys(&application));
}
