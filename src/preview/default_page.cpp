#include "default_page.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace kwpnd {

QSizeF defaultPrinterPageTwips()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize size = printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize();
    // Millimetres keep the exact size (points are rounded to whole ones).
    const QSizeF mm = (size.isValid() ? size : QPageSize(QPageSize::A4)).size(QPageSize::Millimeter);
    return mm * (1440.0 / 25.4);
}

}  // namespace kwpnd
