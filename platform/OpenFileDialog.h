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

} // namespace platform
