#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace platform {

struct OpenFileRequest {
    QString title;         // window title
    QString filterName;    // the one filter as shown, e.g. "Readings (*.ext)"
    QString pattern;       // its pattern, e.g. "*.ext"
    QString defaultSuffix; // appended to a typed name without one
};

// The open-file dialog: only existing files; a read-only file, or one in a write-protected
// folder, is refused by the dialog itself, which then stays open. Returns no path on Cancel.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    virtual std::optional<QString> chooseFile(QWidget* parent, const OpenFileRequest& request) = 0;
};

// The notice with which the open dialog refuses a chosen file, or the empty text when it
// takes it. A file the dialog may return for reading must be writable all the same: it is
// refused when its owner write bit is clear, or that of its folder. The bits count, not
// whether the current user could write anyway.
QString readOnlyRefusal(const QString& path);

} // namespace platform
