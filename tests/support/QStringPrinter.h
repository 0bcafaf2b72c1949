#pragma once

// Lets GoogleTest show a QString in a failure message as its text.

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
