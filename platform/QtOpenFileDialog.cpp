#include "MessageBox.h"
#include "ModalWindows.h"
#include "Production.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {

QString readOnlyRefusal(const QString& path) {
    const QFileInfo file(path);
    if (!file.permissions().testFlag(QFileDevice::WriteOwner)) {
        return QCoreApplication::translate("platform",
                                           "This file is set to read-only. Choose another file.");
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.permissions().testFlag(QFileDevice::WriteOwner)) {
        return QCoreApplication::translate(
            "platform", "This file is in a write-protected folder. Choose another file.");
    }
    return {};
}

namespace {

// The program's own file dialog, so that it can refuse a read-only choice and stay open.
class RefusingFileDialog final : public QFileDialog {
public:
    RefusingFileDialog(QWidget* parent, const OpenFileRequest& request) : QFileDialog(parent) {
        setObjectName(QStringLiteral("openFileDialog"));
        setAccessibleName(request.title);
        setWindowTitle(request.title);
        setOption(QFileDialog::DontUseNativeDialog, true);
        setFileMode(QFileDialog::ExistingFile);
        setAcceptMode(QFileDialog::AcceptOpen);
        setNameFilter(request.filterName.contains(request.pattern)
                          ? request.filterName
                          : request.filterName + QStringLiteral(" (") + request.pattern +
                                QLatin1Char(')'));
        setDefaultSuffix(request.defaultSuffix);
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1 && QFileInfo(chosen.front()).isFile()) {
            const QString refusal = readOnlyRefusal(chosen.front());
            if (!refusal.isEmpty()) {
                QMessageBox box(QMessageBox::Warning, windowTitle(),
                                chosen.front() + QLatin1Char('\n') + refusal, QMessageBox::Ok,
                                this);
                box.setObjectName(QStringLiteral("messageBox"));
                runMessageBox(box);
                return;
            }
        }
        // Folders (entered, not chosen) and missing names are the dialog's own business.
        QFileDialog::accept();
    }
};

class QtOpenFileDialog final : public OpenFileDialog {
public:
    std::optional<QString> chooseFile(QWidget* parent, const OpenFileRequest& request) override {
        RefusingFileDialog dialog(parent, request);
        return runFileDialog(dialog);
    }
};

} // namespace

OpenFileDialog& productionOpenFileDialog() {
    static QtOpenFileDialog layer;
    return layer;
}

} // namespace platform
