#include "ModalWindows.h"
#include "Production.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {

class QtPagePrinter final : public PagePrinter {
public:
    PrintOutcome printPage(QWidget* parent, const QString& documentName,
                           const std::function<void(QPainter&, const QRect&)>& paint) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(documentName);
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("printDialog"));
        dialog.setAccessibleName(documentName);
        // One page: no range, selection or copies to collate.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        if (runModal(dialog) != QDialog::Accepted) {
            return PrintOutcome::Cancelled;
        }
        QPainter painter;
        if (!painter.begin(&printer)) {
            return PrintOutcome::Failed;
        }
        paint(painter, QRect(0, 0, printer.width(), printer.height()));
        return painter.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
    }
};

} // namespace

PagePrinter& productionPagePrinter() {
    static QtPagePrinter layer;
    return layer;
}

} // namespace platform
