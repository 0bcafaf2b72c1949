#pragma once

#include "UiText.h"

#include <QString>

// Gives a control its object name and, when one is given, the name a screen reader speaks.
// Returns the control, so that it can be named where it is made.
template <typename Control>
Control* named(Control* control, const QString& objectName, const QString& accessibleName = {}) {
    control->setObjectName(objectName);
    if (!accessibleName.isEmpty()) {
        control->setAccessibleName(accessibleName);
    }
    return control;
}

// The same with a translatable accessible name, set again whenever the language changes.
template <typename Control>
Control* named(Control* control, const QString& objectName, uiText::Source accessibleName) {
    control->setObjectName(objectName);
    uiText::set(control, "accessibleName", accessibleName);
    return control;
}
