#include "KeyCodes.h"

#include <QKeyEvent>

namespace KeyCodes {

std::optional<std::uint16_t> TypedCode(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Return;
    case Qt::Key_Escape:
        return Escape;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier);
    if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<std::uint16_t>(key - Qt::Key_A + 1);
    }
    if (alt && !control) {
        return std::nullopt; // access keys and menu shortcuts type nothing
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const char16_t first = text.at(0).unicode();
    if (first < 32 || first == 127) {
        return std::nullopt; // Tab, Delete and other control characters edit or move only
    }
    return static_cast<std::uint16_t>(first);
}

bool IsStrayAltCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool alt = modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier);
    if (!alt || modifiers.testFlag(Qt::ControlModifier) || event.text().isEmpty()) {
        return false;
    }
    const char16_t first = event.text().at(0).unicode();
    return first >= 32 && first != 127;
}

bool IsZoneSign(std::uint16_t code, const QString& kept, int position) {
    return code == u'-' && position == 0 && !kept.contains(QLatin1Char('-'));
}

} // namespace KeyCodes
