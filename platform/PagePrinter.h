#pragma once

#include <QString>

#include <functional>

class QPainter;
class QRect;
class QWidget;

namespace platform {

enum class PrintOutcome { Printed, Cancelled, Failed };

// The printer: the print dialog, then one page. `paint` draws the page inside the printable
// area it is given, in device pixels.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    virtual PrintOutcome printPage(QWidget* parent, const QString& documentName,
                                   const std::function<void(QPainter&, const QRect&)>& paint) = 0;
};

} // namespace platform
