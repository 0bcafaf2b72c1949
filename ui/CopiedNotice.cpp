#include "CopiedNotice.h"

#include <QAccessible>
#include <QPushButton>

namespace {
const QString CopiedText = QStringLiteral("Copied");
// The button keeps its access key while it tells.
const QString CopiedCaption = QStringLiteral("&Copied");
} // namespace

CopiedNotice::CopiedNotice(QPushButton& button)
    : QObject(&button), button_(button), caption_(button.text()) {
    timer_.setSingleShot(true);
    timer_.setInterval(ShownMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CopiedNotice::hide);
}

void CopiedNotice::show() {
    button_.setText(CopiedCaption);
    // Qt 6.4 has no announcement of its own: the description changes, and an alert follows
    // for the readers that speak only those.
    button_.setAccessibleDescription(CopiedText);
    QAccessibleEvent alert(&button_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    timer_.start();
}

void CopiedNotice::hide() {
    button_.setText(caption_);
    button_.setAccessibleDescription(QString());
}
