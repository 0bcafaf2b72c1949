#include "ModalWindows.h"

#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QPointer>

#include <utility>

namespace platform {

namespace {
int runningModals = 0;

// The objects whose deletion waits for the modal windows; a pointer turns null when
// something else deletes its object first.
QList<QPointer<QObject>>& waiting() {
    static QList<QPointer<QObject>> objects;
    return objects;
}

void releaseWaiting() {
    const QList<QPointer<QObject>> objects = std::exchange(waiting(), {});
    for (const QPointer<QObject>& object : objects) {
        if (!object.isNull()) {
            object->deleteLater();
        }
    }
}
} // namespace

int runModal(QDialog& dialog) {
    // Counted down however the loop ends; the last one lets the waiting deletions go.
    struct Running {
        Running() { ++runningModals; }
        ~Running() {
            if (--runningModals == 0) {
                releaseWaiting();
            }
        }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;
    } running;
    return dialog.exec();
}

void deleteWhenModalsEnd(QObject* object) {
    if (object == nullptr) {
        return;
    }
    if (runningModals == 0) {
        // Posted, not done: the caller may be a handler of the object itself.
        object->deleteLater();
        return;
    }
    if (!waiting().contains(object)) {
        waiting().append(object);
    }
}

bool modalRunning() {
    return runningModals > 0;
}

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    if (runModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.size() != 1 || chosen.front().isEmpty()) {
        return std::nullopt;
    }
    return chosen.front();
}

} // namespace platform
