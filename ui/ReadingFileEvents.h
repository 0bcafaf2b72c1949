#pragma once

#include <QObject>
#include <QPointer>

class frmMain;
class QMimeData;

// Saved readings that reach the main window from outside: a file dropped onto the window, and
// on macOS the file-open request of the desktop (a double-click in the Finder). Each opens
// the reading as an argument does. Text dragged into a box is left to the box.
class ReadingFileEvents final : public QObject {
public:
    // Watches the application's events for `window`, and lets the window take drops.
    explicit ReadingFileEvents(frmMain& window);

    // The one local file a drag carries, or the empty text for anything else.
    static QString DroppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<frmMain> window_;
};
