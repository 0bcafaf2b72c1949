#include "Startup.h"

#include "OfferArea.h"
#include "Random.h"
#include "UpdateReminder.h"

#include "platform/InstanceGuard.h"
#include "platform/MessageBox.h"
#include "platform/ProcessControl.h"
#include "platform/RunStep.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
    bool another = false; // a test that fails says nothing
    if (!keep_) {
        runStep([&] { another = layers.instance->anotherInstanceRunning(); });
    }
    if (another) {
        // A message that cannot be shown does not keep this instance alive.
        runStep([&] {
            layers.messages->notify(
                owner_.data(),
                QCoreApplication::translate("StartupChecks", "Application is already running"),
                platform::MessageIcon::Information);
        });
        // Ends at once: no close handling runs, so no refer-a-friend window appears.
        layers.process->endNow(0);
        return; // should ending ever come back, nothing else of the start-up runs
    }

    Random::SeedFromClock();

    // A failing reminder ends only itself; the offer pick still runs.
    runStep([this] {
        if (steps_.reminder) {
            steps_.reminder();
        } else {
            ShowUpdateReminder();
        }
    });
    runStep([this] {
        if (!offers_.isNull()) {
            modHelp::CoBrand_Randomize(*offers_, steps_.draw ? steps_.draw : Random::NextSingle);
        }
    });
}

StartupChecks& ProcessStartupChecks() {
    static StartupChecks checks;
    return checks;
}

void RunStartupChecks() {
    ProcessStartupChecks().run();
}

namespace {
// Waits on its window for the first paint, then hands the step to the event loop.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> step)
        : QObject(&window), step_(std::move(step)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !queued_) {
            queued_ = true;
            watched->removeEventFilter(this);
            // Queued, so that the paint finishes and reaches the screen first.
            QTimer::singleShot(0, this, [this] {
                runStep(step_);
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> step_;
    bool queued_ = false;
};
} // namespace

void RunAfterFirstPaint(QWidget& window, std::function<void()> step) {
    new FirstPaintWatch(window, std::move(step));
}
