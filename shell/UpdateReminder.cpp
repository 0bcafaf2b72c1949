#include "UpdateReminder.h"

#include "modHelp.h"

#include "aids/Scrambler.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdlib>
#include <optional>

namespace UpdateReminder {

namespace {
// Days either side of the record within which nothing is asked.
constexpr qint64 quietDays = 14;

// Replaces every year field of a date pattern (outside quoted text) by `year`.
QString withYearField(const QString& pattern, const QString& year) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result.append(c);
            ++i;
            continue;
        }
        if (!quoted && c == QLatin1Char('y')) {
            while (i < pattern.size() && pattern.at(i) == QLatin1Char('y')) {
                ++i;
            }
            result.append(year);
            continue;
        }
        result.append(c);
        ++i;
    }
    return result;
}

// The record goes through the scrambler's single-byte code page; a text that does not
// survive it (digits or letters of another script) cannot be written as it stands.
bool survivesCodePage(const QString& text) {
    return Scrambler::UnscrambleText(Scrambler::ScrambleText(text)) == text;
}

QDate intoCenturyAround(const QDate& twoDigitDate, const QDate& today) {
    const int shortYear = twoDigitDate.year() % 100;
    int year = today.year() - today.year() % 100 + shortYear;
    if (year > today.year() + 50) {
        year -= 100;
    } else if (year <= today.year() - 50) {
        year += 100;
    }
    return QDate(year, twoDigitDate.month(), twoDigitDate.day());
}

const QString& isoFormat() {
    static const QString format = QStringLiteral("yyyy-MM-dd");
    return format;
}
} // namespace

QString DateFormat(const QLocale& locale) {
    return withYearField(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("yyyy"));
}

QString WriteDate(const QDate& date, const QLocale& locale) {
    const QString format = DateFormat(locale);
    const QString own = locale.toString(date, format);
    if (survivesCodePage(own) && locale.toDate(own, format) == date) {
        return own;
    }
    // Same pattern with Latin digits, else the ISO form: both read back below.
    const QString latin = QLocale::c().toString(date, format);
    if (survivesCodePage(latin) && QLocale::c().toDate(latin, format) == date) {
        return latin;
    }
    return date.toString(isoFormat());
}

QDate ReadDate(const QString& text, const QLocale& locale, const QDate& today) {
    if (text.trimmed().isEmpty()) {
        return {};
    }
    const QString fourDigits = DateFormat(locale);
    const QString twoDigits =
        withYearField(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("yy"));
    for (const QLocale& reader : {locale, QLocale::c()}) {
        // Two digits first: a four-digit field would also take "26" as the year 26.
        // Qt reads a two-digit year as 19xx; it moves to the century around today.
        if (const QDate date = reader.toDate(text, twoDigits); date.isValid()) {
            return intoCenturyAround(date, today);
        }
        if (const QDate date = reader.toDate(text, fourDigits); date.isValid()) {
            return date;
        }
    }
    return QDate::fromString(text, isoFormat());
}

Context CurrentContext() {
    return {QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
            // The record's date format is the system's, whatever language the program speaks.
            QDate::currentDate(), QLocale::system()};
}

const QString& SettingsSection() {
    static const QString section = QStringLiteral("Settings");
    return section;
}

QString SettingsKey() {
    return Scrambler::ScrambleText(QStringLiteral("Duration"));
}

QString QuestionText() {
    return QCoreApplication::translate("UpdateReminder",
                                       "There maybe an update to this software available\r"
                                       "Do you want to check for an update?");
}

} // namespace UpdateReminder

void ShowUpdateReminder(const UpdateReminder::Context& context) {
    using namespace UpdateReminder;
    platform::SettingsStore& store = *platform::services().settings;
    // A record that cannot be written stays as it was; an answer given still counts.
    const auto writeToday = [&] {
        store.write(context.application, SettingsSection(), SettingsKey(),
                    Scrambler::ScrambleText(WriteDate(context.today, context.locale)));
    };

    // A settings file that cannot be read without risk ends the reminder: nothing is asked
    // and nothing written over it.
    const std::optional<QString> stored =
        store.read(context.application, SettingsSection(), SettingsKey());
    if (!stored) {
        return;
    }
    const QString record = Scrambler::UnscrambleText(*stored);
    if (record.isEmpty()) {
        writeToday();
        return;
    }
    const QDate recorded = ReadDate(record, context.locale, context.today);
    if (!recorded.isValid()) {
        return; // an unreadable record stops the reminder silently
    }
    const qint64 days = context.today.daysTo(recorded);
    if (std::llabs(days) <= quietDays) {
        return;
    }
    const bool yes = platform::services().messages->ask(nullptr, QuestionText(),
                                                        platform::MessageIcon::Information);
    writeToday();
    if (yes) {
        modHelp::OpenLink(modHelp::LinkUpdate);
    }
}

void ShowUpdateReminder() {
    ShowUpdateReminder(UpdateReminder::CurrentContext());
}
