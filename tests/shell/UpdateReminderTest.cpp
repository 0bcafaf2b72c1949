#include "shell/UpdateReminder.h"
#include "shell/modHelp.h"

#include "aids/Scrambler.h"
#include "tests/support/Fakes.h"

#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace UpdateReminder;

namespace {

const QDate today(2026, 12, 9);
const QString app = QStringLiteral("qv-vantrel");

struct Reminder {
    fakes::AllFakes fakes;
    QLocale locale{QLocale::English, QLocale::UnitedStates};

    Context context() const { return {app, today, locale}; }
    void record(const QString& plain) {
        fakes.settings.write(app, SettingsSection(), SettingsKey(), Scrambler::ScrambleText(plain));
        fakes.settings.writes = 0;
    }
    void recordDate(const QDate& date) { record(WriteDate(date, locale)); }
    QString stored() {
        return Scrambler::UnscrambleText(
            fakes.settings.read(app, SettingsSection(), SettingsKey()).value_or(QString()));
    }
    QDate storedDate() { return ReadDate(stored(), locale, today); }
};

TEST(UpdateReminder, FirstRunWritesTodaySilently) {
    Reminder r;
    ShowUpdateReminder(r.context());
    EXPECT_TRUE(r.fakes.messages.shown.empty());
    EXPECT_EQ(r.fakes.settings.writes, 1);
    EXPECT_EQ(r.storedDate(), today);
    // Key and value are stored scrambled, under the executable's name and "Settings".
    const QString address =
        app + QStringLiteral("\nSettings\n") + Scrambler::ScrambleText(QStringLiteral("Duration"));
    ASSERT_TRUE(r.fakes.settings.values.contains(address));
    EXPECT_EQ(r.fakes.settings.values.value(address),
              Scrambler::ScrambleText(QStringLiteral("12/9/2026")));
}

struct AgeCase {
    const char* reason;
    int daysFromToday; // the record lies this many days after today
    bool asks;
};

TEST(UpdateReminder, AsksOnlyFifteenOrMoreDaysAway) {
    const AgeCase cases[] = {
        {"same day", 0, false},       {"14 days old", -14, false},
        {"15 days old", -15, true},   {"a year old", -365, true},
        {"14 days ahead", 14, false}, {"15 days ahead (clock set back)", 15, true},
        {"20 days ahead", 20, true},
    };
    for (const auto& c : cases) {
        Reminder r;
        const QDate recorded = today.addDays(c.daysFromToday);
        r.recordDate(recorded);
        ShowUpdateReminder(r.context());
        ASSERT_EQ(r.fakes.messages.shown.size(), c.asks ? 1U : 0U) << c.reason;
        if (c.asks) {
            const auto& question = r.fakes.messages.shown.front();
            EXPECT_TRUE(question.question) << c.reason;
            EXPECT_EQ(question.icon, platform::MessageIcon::Information) << c.reason;
            EXPECT_EQ(question.text,
                      QStringLiteral("There maybe an update to this software available\rDo you "
                                     "want to check for an update?"))
                << c.reason;
            EXPECT_EQ(r.storedDate(), today) << c.reason << ": record replaced by today";
        } else {
            EXPECT_EQ(r.fakes.settings.writes, 0) << c.reason << ": record not moved forward";
            EXPECT_EQ(r.storedDate(), recorded) << c.reason;
        }
    }
}

TEST(UpdateReminder, AnswerYesOpensTheDownloadPageAnswerNoDoesNot) {
    for (const bool yes : {true, false}) {
        Reminder r;
        r.fakes.messages.answerYes = yes;
        r.recordDate(today.addDays(-30));
        ShowUpdateReminder(r.context());
        EXPECT_EQ(r.fakes.settings.writes, 1) << "either answer writes today";
        EXPECT_EQ(r.storedDate(), today);
        EXPECT_EQ(r.fakes.urls.opened,
                  yes ? QStringList{modHelp::LinkAddress(modHelp::LinkUpdate)} : QStringList{})
            << (yes ? "Yes" : "No");
    }
}

TEST(UpdateReminder, UnreadableRecordStopsSilently) {
    for (const QString& text : {QStringLiteral("not a date"), QStringLiteral("31/31/2026"),
                                QStringLiteral("   "), QStringLiteral("2026")}) {
        Reminder r;
        r.record(text);
        ShowUpdateReminder(r.context());
        EXPECT_TRUE(r.fakes.messages.shown.empty()) << text.toStdString();
        EXPECT_EQ(r.fakes.settings.writes, 0) << text.toStdString();
        EXPECT_TRUE(r.fakes.urls.opened.isEmpty()) << text.toStdString();
    }
}

struct StoreFailureCase {
    const char* reason;
    bool unreadable;
    bool unwritable;
    bool recorded; // a month-old record is stored
    bool asks;
};

TEST(UpdateReminder, SettingsThatFailEndTheReminderQuietly) {
    const StoreFailureCase cases[] = {
        {"unreadable store: nothing asked, nothing written over it", true, false, true, false},
        {"unreadable store without a record: no first record either", true, false, false, false},
        {"unwritable store: the question and its answer still count", false, true, true, true},
        {"unwritable store, first run: nothing to show", false, true, false, false},
    };
    for (const auto& c : cases) {
        Reminder r;
        if (c.recorded) {
            r.recordDate(today.addDays(-30));
        }
        r.fakes.settings.unreadable = c.unreadable;
        r.fakes.settings.unwritable = c.unwritable;
        r.fakes.messages.answerYes = true;
        const auto before = r.fakes.settings.values;
        ShowUpdateReminder(r.context());
        EXPECT_EQ(r.fakes.messages.shown.size(), c.asks ? 1U : 0U) << c.reason;
        EXPECT_EQ(r.fakes.urls.opened.size(), c.asks ? 1 : 0) << c.reason;
        EXPECT_EQ(r.fakes.settings.values, before) << c.reason;
        if (c.unreadable) {
            EXPECT_EQ(r.fakes.settings.writes, 0) << c.reason;
        }
    }
}

TEST(UpdateReminder, TwoDigitYearReadsIntoTheCenturyAroundToday) {
    // A record in the short format of older writers: Qt alone would read 1926.
    Reminder r;
    r.record(QStringLiteral("12/1/26"));
    ShowUpdateReminder(r.context());
    EXPECT_TRUE(r.fakes.messages.shown.empty()) << "2026-12-01 is 8 days old, not 100 years";
}

// A two-digit year lands within fifty years of today: up to fifty years ahead, and more than
// fifty years back.
TEST(UpdateReminder, TwoDigitYearPivotOnBothSides) {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const struct {
        const char* reason;
        const char* text;
        QDate today;
        QDate expected;
    } rows[] = {
        {"this year", "12/1/26", today, QDate(2026, 12, 1)},
        {"fifty years ahead is still ahead", "12/1/76", today, QDate(2076, 12, 1)},
        {"fifty-one years ahead goes back a century", "12/1/77", today, QDate(1977, 12, 1)},
        {"well back", "12/1/80", today, QDate(1980, 12, 1)},
        {"well ahead", "12/1/70", today, QDate(2070, 12, 1)},
        {"late in a century: forty-nine years back stays back", "1/1/41", QDate(2090, 6, 1),
         QDate(2041, 1, 1)},
        {"late in a century: fifty years back goes ahead a century", "1/1/40", QDate(2090, 6, 1),
         QDate(2140, 1, 1)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReadDate(QString::fromLatin1(row.text), locale, row.today), row.expected)
            << row.reason;
    }
}

struct LocaleCase {
    const char* name;
};

TEST(DateRecord, ReadsBackAsTheDateWrittenInEveryLocale) {
    const LocaleCase locales[] = {{"en_US"}, {"en_GB"}, {"de_DE"}, {"fr_FR"}, {"ja_JP"},
                                  {"hi_IN"}, {"zh_CN"}, {"ko_KR"}, {"ru_RU"}, {"ar_EG"},
                                  {"fa_IR"}, {"bg_BG"}, {"nl_NL"}, {"C"}};
    const QDate dates[] = {today, QDate(1999, 12, 31), QDate(2000, 1, 1), QDate(2088, 8, 8),
                           QDate(2024, 2, 29)};
    for (const auto& l : locales) {
        const QLocale locale(QString::fromLatin1(l.name));
        EXPECT_TRUE(DateFormat(locale).contains(QStringLiteral("yyyy"))) << l.name;
        for (const QDate& date : dates) {
            const QString text = WriteDate(date, locale);
            // The record passes the single-byte scrambler unharmed.
            EXPECT_EQ(Scrambler::UnscrambleText(Scrambler::ScrambleText(text)), text)
                << l.name << " " << text.toStdString();
            EXPECT_EQ(ReadDate(text, locale, today), date) << l.name << " " << text.toStdString();
        }
    }
}

TEST(DateRecord, WholeReminderRoundTripsUnderTheDefaultLocale) {
    const QLocale saved;
    for (const char* name : {"de_DE", "ja_JP", "hi_IN", "fr_FR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        Reminder r;
        r.locale = QLocale();
        ShowUpdateReminder(r.context()); // writes today
        ShowUpdateReminder(r.context()); // reads it back: same day, no question
        EXPECT_TRUE(r.fakes.messages.shown.empty()) << name;
        EXPECT_EQ(r.fakes.settings.writes, 1) << name;
    }
    QLocale::setDefault(saved);
}

TEST(UpdateReminder, ContextNamesTheExecutable) {
    const Context current = CurrentContext();
    EXPECT_EQ(current.application, QStringLiteral("test_shell"));
    EXPECT_EQ(current.today, QDate::currentDate());
}

enum class Obstacle { FifoAsFile, FolderAsFile, FolderAsLock };

struct SettingsFileCase {
    const char* reason;
    Obstacle obstacle;
    bool recorded; // a month-old record is stored first (the question is due)
    bool asks;
};

// The reminder over the real settings store, with the settings file or its lock replaced by
// something that used to hang it: it ends within about a second, and loses nothing.
TEST(UpdateReminder, EndsPromptlyWhateverStandsInPlaceOfItsSettings) {
    const SettingsFileCase cases[] = {
        {"a FIFO in place of the settings file", Obstacle::FifoAsFile, false, false},
        {"a folder in place of the settings file", Obstacle::FolderAsFile, false, false},
        {"a folder in place of the lock: asked, nothing written", Obstacle::FolderAsLock, true,
         true},
        {"a folder in place of the lock, first run: nothing written", Obstacle::FolderAsLock, false,
         false},
    };
    for (const auto& c : cases) {
        QTemporaryDir folder;
        platform::QtSettingsStore store(folder.path());
        Reminder r;
        const platform::ScopedServices real{platform::Services{.settings = &store}};
        const QString file = store.recordFile(app);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
        const QString old = Scrambler::ScrambleText(WriteDate(today.addDays(-30), r.locale));
        if (c.recorded) {
            ASSERT_TRUE(store.write(app, SettingsSection(), SettingsKey(), old));
        }
        switch (c.obstacle) {
        case Obstacle::FifoAsFile:
#ifdef Q_OS_UNIX
            ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
#endif
            break;
        case Obstacle::FolderAsFile:
            ASSERT_TRUE(QDir().mkdir(file));
            break;
        case Obstacle::FolderAsLock:
            ASSERT_TRUE(QDir().mkdir(file + QStringLiteral(".lock")));
            break;
        }
        QElapsedTimer clock;
        clock.start();
        ShowUpdateReminder(r.context());
        EXPECT_LT(clock.elapsed(), 1500) << c.reason;
        EXPECT_EQ(r.fakes.messages.shown.size(), c.asks ? 1U : 0U) << c.reason;
        if (c.recorded) {
            EXPECT_EQ(store.read(app, SettingsSection(), SettingsKey()), old) << c.reason;
        }
        EXPECT_EQ(QFileInfo(file).isDir(), c.obstacle == Obstacle::FolderAsFile) << c.reason;
        EXPECT_EQ(QFileInfo(file).isFile(), c.recorded) << c.reason << ": nothing new written";
    }
}

} // namespace
