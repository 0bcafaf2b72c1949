#include "Production.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace platform {

namespace {

class QtSaveFileDialog final : public SaveFileDialog {
public:
    std::optional<QString> chooseSaveFile(QWidget* parent,
                                          const SaveFileRequest& request) override {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("saveFileDialog"));
        dialog.setAccessibleName(request.title);
        dialog.setWindowTitle(request.title);
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(request.filterName);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        dialog.selectFile(request.suggestedName);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.size() != 1 || chosen.front().isEmpty()) {
            return std::nullopt;
        }
        return chosen.front();
    }
};

} // namespace

SaveFileDialog& productionSaveFileDialog() {
    static QtSaveFileDialog layer;
    return layer;
}

} // namespace platform
