#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace platform {

struct SaveFileRequest {
    QString title;         // window title
    QString filterName;    // the one filter as shown, e.g. "PDF files (*.pdf)"
    QString suggestedName; // the file name offered at first
    QString defaultSuffix; // appended to a typed name without one
};

// The save-as dialog: asks before replacing an existing file. Returns no path on Cancel.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    virtual std::optional<QString> chooseSaveFile(QWidget* parent,
                                                  const SaveFileRequest& request) = 0;
};

} // namespace platform
