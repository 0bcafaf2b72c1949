#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The update reminder: at most once in fifteen days it asks whether to look for an update.
// The date of its last run is kept in the per-user settings store.
namespace UpdateReminder {

// The date record's text: the locale's short date format, its year always four digits so
// that the record reads back as the same date in every century.
QString DateFormat(const QLocale& locale);
QString WriteDate(const QDate& date, const QLocale& locale);
// Reads a record with the same rules; a two-digit year falls in the century around `today`.
// An invalid date when the text reads as no date.
QDate ReadDate(const QString& text, const QLocale& locale, const QDate& today);

// Where the record lives and what "today" is. The defaults: the executable's base name,
// today's date, the current default locale.
struct Context {
    QString application;
    QDate today;
    QLocale locale;
};
Context CurrentContext();

// The settings address of the record.
const QString& SettingsSection();
QString SettingsKey();

// The question, with a lone carriage return between its two sentences.
QString QuestionText();

} // namespace UpdateReminder

void ShowUpdateReminder();
void ShowUpdateReminder(const UpdateReminder::Context& context);
