#include "ModalWindows.h"
#include "Production.h"

#include <QFileDialog>

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
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(request.filterName.contains(request.pattern)
                                 ? request.filterName
                                 : request.filterName + QStringLiteral(" (") + request.pattern +
                                       QLatin1Char(')'));
        dialog.selectFile(request.suggestedPath);
        return runFileDialog(dialog);
    }
};

} // namespace

SaveFileDialog& productionSaveFileDialog() {
    static QtSaveFileDialog layer;
    return layer;
}

} // namespace platform
