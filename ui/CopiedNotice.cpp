#include "CopiedNotice.h"

#include "platform/UiText.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

CopiedNotice::CopiedNotice(QPushButton& button) : QObject(&button), button_(button) {
    timer_.setSingleShot(true);
    timer_.setInterval(ShownMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CopiedNotice::hide);
    button.installEventFilter(this);
}

// A change of language ends the notice: the button reads as before, in the new language.
bool CopiedNotice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange && timer_.isActive()) {
        timer_.stop();
        hide();
    }
    return QObject::eventFilter(watched, event);
}

void CopiedNotice::show() {
    if (!timer_.isActive()) {
        caption_ = button_.text();
    }
    // The button keeps its access key while it tells.
    button_.setText(QCoreApplication::translate("CopiedNotice", "&Copied"));
    // Qt 6.4 has no announcement of its own: the description changes, and an alert follows
    // for the readers that speak only those.
    button_.setAccessibleDescription(QCoreApplication::translate("CopiedNotice", "Copied"));
    QAccessibleEvent alert(&button_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    timer_.start();
}

void CopiedNotice::hide() {
    button_.setText(caption_);
    button_.setAccessibleDescription(QString());
    // A caption kept for the language in force comes back in the language now in force.
    uiText::retranslate(&button_);
}
