#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace platform {

struct SaveFileRequest {
    QString title;         // window title
    QString filterName;    // the one filter as shown, e.g. "Readings (*.ext)"
    QString pattern;       // its pattern, e.g. "*.ext"
    QString suggestedPath; // the folder and name offered at first
};

// The save-file dialog. It does not ask before replacing a file: the caller settles the
// final name first and asks then. Returns no path on Cancel.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    virtual std::optional<QString> chooseSaveFile(QWidget* parent,
                                                  const SaveFileRequest& request) = 0;
};

} // namespace platform
