#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The languages the program speaks, and the one in force. Adding a language takes its
// translations/qv-vantrel_<code>.ts (listed in ui/CMakeLists.txt) and one row here.
namespace Language {

struct LanguageRow {
    const char* code;       // the language code of its .ts file and of QLocale
    const char* menuName;   // the object name of its entry in the Language menu
    const char* menuText;   // the entry's text, in the language itself: never translated
    const char* accessible; // the entry's accessible name
};

inline constexpr std::array<LanguageRow, 2> Languages{{
    {"en", "mnuLanguageEnglish", "English", "English"},
    {"hi", "mnuLanguageHindi", "हिन्दी (Hindi)", "हिन्दी (Hindi)"},
}};

// The first language of `uiLanguages` (as QLocale::uiLanguages gives them, "hi-IN", "en_GB")
// that the program speaks; English when none is.
QString FirstSpoken(const QStringList& uiLanguages);

// The language chosen in the Language menu and kept in the settings store; when none was
// chosen (or the store cannot be read), the system's first spoken language.
QString Preferred();

// Puts `code`'s translations and date formats in force; every window receives
// QEvent::LanguageChange. An unknown code gives English.
void Apply(const QString& code);

// Applies `code` and keeps it in the settings store for the next start.
void Choose(const QString& code);

// The code in force.
QString Current();

} // namespace Language
