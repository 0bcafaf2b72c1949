#include "Startup.h"

#include "OfferArea.h"
#include "Random.h"
#include "UpdateReminder.h"

#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "platform/Services.h"

void StartupChecks::attach(OfferArea* offers, QWidget* owner) {
    offers_ = offers;
    owner_ = owner;
}

void StartupChecks::run() {
    if (done_) {
        return;
    }
    done_ = true;

    const platform::Services& layers = platform::services();
    bool another = false;
    try {
        another = layers.instance->anotherInstanceRunning();
    } catch (...) {
        another = false; // a test that fails says nothing
    }
    if (another) {
        try {
            layers.messages->notify(owner_.data(), QStringLiteral("Application is already running"),
                                    platform::MessageIcon::Information);
        } catch (...) {
            // A message that cannot be shown does not keep this instance alive.
        }
        // Ends at once: no close handling runs, so no refer-a-friend window appears.
        layers.process->endNow(0);
        return; // should ending ever come back, nothing else of the start-up runs
    }

    Random::SeedFromClock();

    try {
        if (steps_.reminder) {
            steps_.reminder();
        } else {
            ShowUpdateReminder();
        }
    } catch (...) {
        // A failing reminder ends only itself; the offer pick still runs.
    }

    try {
        if (!offers_.isNull()) {
            modHelp::CoBrand_Randomize(*offers_, steps_.draw ? steps_.draw : Random::NextSingle);
        }
    } catch (...) {
    }
}

StartupChecks& ProcessStartupChecks() {
    static StartupChecks checks;
    return checks;
}

void RunStartupChecks() {
    ProcessStartupChecks().run();
}
