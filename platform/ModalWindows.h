#pragma once

#include <QString>

#include <optional>

class QDialog;
class QFileDialog;
class QObject;

namespace platform {

// A modal window runs an event loop of its own, inside the handler that opened it. Code
// run from that loop (a timer, a hand-over from another copy, a session ending) may close
// the window the handler belongs to; deleted there, it would take the modal window, a child
// of it, and the handler's own object away from under them. So the program's modal windows
// all run through runModal, and its windows are deleted through deleteWhenModalsEnd.

// Shows `dialog` modal and returns its result code when it closes.
int runModal(QDialog& dialog);

// Shows a file dialog modal through runModal: the one file chosen, or nothing on Cancel.
std::optional<QString> runFileDialog(QFileDialog& dialog);

// Deletes `object` from the event loop (deleteLater) once no modal window runs: at once when
// none does, else when the last one has closed. Asking twice deletes it once.
void deleteWhenModalsEnd(QObject* object);

// True while a modal window runs through runModal.
bool modalRunning();

} // namespace platform
