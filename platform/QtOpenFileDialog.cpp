// PROVISIONAL: replaced by the saved-reading work (read-only refusal, tests).
#include "Production.h"

#include <QFileDialog>

namespace platform {
namespace {
class QtOpenFileDialog final : public OpenFileDialog {
public:
    std::optional<QString> chooseFile(QWidget* parent, const OpenFileRequest& request) override {
        const QString path = QFileDialog::getOpenFileName(
            parent, request.title, QString(),
            request.filterName);
        if (path.isEmpty()) {
            return std::nullopt;
        }
        return path;
    }
};
} // namespace
OpenFileDialog& productionOpenFileDialog() {
    static QtOpenFileDialog layer;
    return layer;
}
} // namespace platform
