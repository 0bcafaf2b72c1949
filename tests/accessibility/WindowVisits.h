#pragma once

// Opens each of the program's windows the way the program opens it, shows it and hands it
// to a check while it is on the screen.

#include "ui/frmMain.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class OfferArea;

namespace a11ytest {

// The scale factor of this run: VANTREL_TEST_SCALE, 1 when unset, 0 when unreadable.
double runScale();

// Shows a window, waits until it is active and lets its layouts settle.
void settle(QWidget& window);

// The main window fitted by the shell, as the program starts it, shown and active.
class ShellWindow {
public:
    ShellWindow();
    ~ShellWindow();
    ShellWindow(const ShellWindow&) = delete;
    ShellWindow& operator=(const ShellWindow&) = delete;

    frmMain& main() const { return *main_; }
    OfferArea& offers() const { return *offers_; }
    // Which reading calculate enters: a plain one, or one ten minutes before the Moon changes
    // nakshatra, whose panel adds the change and caution lines.
    enum class Moment { Plain, NearChange };
    // Fills the inputs of a valid reading and runs the calculate command.
    void calculate(Moment moment = Moment::Plain) const;

    template <typename Widget = QWidget> Widget* control(const char* name) const {
        return main_->findChild<Widget*>(QLatin1String(name));
    }

private:
    // Null once the window has closed and the shell has deleted it.
    QPointer<frmMain> main_;
    OfferArea* offers_;
};

using Visit = std::function<void(QWidget& window)>;

// Runs `visit` on the next modal window as soon as it is shown (from inside its own event
// loop), then closes that window. `opened` is set when a modal window was met.
void visitNextModal(const Visit& visit, bool* opened);

// Runs `opener` (which opens a modal window and returns when it has closed) and visits that
// window; a missing window is a test failure.
void visitModal(const std::function<void()>& opener, const Visit& visit, const char* what);

struct ProgramWindow {
    const char* name;
    std::function<void(const Visit&)> open;
};

// Every window of the program in each of its states worth a look: the main window with
// either panel and either offer, the time-zone picker, the about box, the refer-a-friend
// window with each of its four texts, and a message box of each kind. The caller puts the
// recording fakes in place; the message boxes are the program's own.
std::vector<ProgramWindow> programWindows();

// A widget's name for failure messages: its object name, else its class.
std::string describe(const QObject* object);

} // namespace a11ytest
