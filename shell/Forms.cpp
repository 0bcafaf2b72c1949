#include "Forms.h"

#include "platform/RunStep.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace Forms {

namespace {
struct Entry {
    QPointer<QWidget> window;
    bool closed = false;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

Entry* find(const QObject* window) {
    for (Entry& entry : registry()) {
        if (entry.window == window) {
            return &entry;
        }
    }
    return nullptr;
}

void forgetDeleted() {
    auto& entries = registry();
    std::erase_if(entries, [](const Entry& entry) { return entry.window.isNull(); });
}

// Marks a window closed when its close event arrives, before its own close handling runs,
// so a walk started from inside that handling passes it over.
class CloseWatcher final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            if (Entry* entry = find(watched)) {
                entry->closed = true;
            }
        }
        return false;
    }
};

CloseWatcher& watcher() {
    static CloseWatcher instance;
    return instance;
}
} // namespace

void RegisterWindow(QWidget* window) {
    if (window == nullptr || find(window) != nullptr) {
        return;
    }
    forgetDeleted();
    registry().push_back({window, false});
    window->installEventFilter(&watcher());
}

QList<QWidget*> OpenWindows() {
    QList<QWidget*> open;
    for (const Entry& entry : registry()) {
        if (!entry.window.isNull() && !entry.closed) {
            open << entry.window.data();
        }
    }
    return open;
}

} // namespace Forms

void UnloadAllForms() {
    // Each round closes the oldest window still open; a nested walk may have closed others
    // meanwhile, so the list is taken afresh every time.
    for (;;) {
        const QList<QWidget*> open = Forms::OpenWindows();
        if (open.isEmpty()) {
            return;
        }
        QWidget* window = open.first();
        // The walk goes on with the next window whatever this one's close handling does.
        runStep([window] { window->close(); });
        // A window whose close never reached it (no event filter ran) is still counted
        // closed so that the walk cannot spin on it.
        if (auto* entry = Forms::find(window)) {
            entry->closed = true;
        }
    }
}
