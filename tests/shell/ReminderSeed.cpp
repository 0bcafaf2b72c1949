// Puts an update-reminder record of a given age into the user's settings, so that a trial
// run of the program meets the reminder's question: reminder_seed <application> <days ago>
#include "shell/UpdateReminder.h"

#include "aids/Scrambler.h"
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        return 2;
    }
    bool ok = false;
    const int daysAgo = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (!ok) {
        return 2;
    }
    const QDate recorded = QDate::currentDate().addDays(-daysAgo);
    platform::QtSettingsStore store;
    const bool written =
        store.write(QString::fromLocal8Bit(argv[1]), UpdateReminder::SettingsSection(),
                    UpdateReminder::SettingsKey(),
                    Scrambler::ScrambleText(UpdateReminder::WriteDate(recorded, QLocale())));
    return written ? 0 : 1;
}
