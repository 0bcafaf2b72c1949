#include "ReadingFileEvents.h"

#include "frmMain.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileOpenEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

ReadingFileEvents::ReadingFileEvents(frmMain& window) : QObject(&window), window_(&window) {
    window.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

QString ReadingFileEvents::DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    return urls.front().toLocalFile();
}

bool ReadingFileEvents::eventFilter(QObject* watched, QEvent* event) {
    if (window_.isNull()) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::FileOpen) {
        const QString path = static_cast<QFileOpenEvent*>(event)->file();
        if (!path.isEmpty()) {
            // Opened from the event loop: the desktop's request returns at once.
            QTimer::singleShot(0, window_.data(), [window = window_, path] {
                if (!window.isNull()) {
                    window->openReadingFile(path);
                }
            });
            return true;
        }
        return false;
    }
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_.data()) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedFile(drop->mimeData());
    if (path.isEmpty()) {
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // The drag's source waits until the drop returns: the reading opens afterwards.
        QTimer::singleShot(0, window_.data(), [window = window_, path] {
            if (!window.isNull()) {
                window->openReadingFile(path);
            }
        });
    }
    return true;
}
