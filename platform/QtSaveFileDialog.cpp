#include "ModalWindows.h"
#include "Production.h"

#include <QFileDialog>
#include <QRegularExpression>

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
        // A name typed without an extension takes the one of the type chosen in the list.
        const auto extensionOf = [](const QString& filter) {
            static const QRegularExpression firstPattern(QStringLiteral(R"(\*\.([^\s);]+))"));
            return firstPattern.match(filter).captured(1);
        };
        dialog.setDefaultSuffix(extensionOf(dialog.selectedNameFilter()));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, extensionOf](const QString& filter) {
                             dialog.setDefaultSuffix(extensionOf(filter));
                         });
        return runFileDialog(dialog);
    }
};

} // namespace

SaveFileDialog& productionSaveFileDialog() {
    static QtSaveFileDialog layer;
    return layer;
}

} // namespace platform
