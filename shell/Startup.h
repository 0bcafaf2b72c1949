#pragma once

#include "modHelp.h"

#include <QPointer>

#include <functional>

class OfferArea;
class QWidget;

// The one-time start-up checks that follow the first complete open of a saved reading:
// another instance running ends this one; otherwise the random numbers are seeded, the
// update reminder runs and the offer pick chooses the offer in front.
class StartupChecks {
public:
    struct Steps {
        std::function<void()> reminder; // ShowUpdateReminder when empty
        modHelp::RandomSource draw;     // the program's random numbers when empty
    };

    StartupChecks() = default;
    explicit StartupChecks(Steps steps) : steps_(std::move(steps)) {}

    // Where the offer pick acts, and the owner of the instance message.
    void attach(OfferArea* offers, QWidget* owner);

    // A copy started with a reading it could not hand over is not ended for running beside
    // another copy: ending it would drop the reading.
    void keepThisInstance() { keep_ = true; }

    // Runs the checks the first time; later calls return at once.
    void run();
    bool done() const { return done_; }

private:
    Steps steps_;
    QPointer<OfferArea> offers_;
    QPointer<QWidget> owner_;
    bool done_ = false;
    bool keep_ = false;
};

// The process's own checks.
StartupChecks& ProcessStartupChecks();
void RunStartupChecks();

// Runs `step` once, from the event loop, after `window` has been painted for the first time:
// work that showing the first window does not need waits until it is on the screen.
// Nothing runs if the window is destroyed first; a step that throws ends only itself.
void RunAfterFirstPaint(QWidget& window, std::function<void()> step);
