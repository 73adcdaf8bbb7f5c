#include "default_page.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace kwpnd {

QSizeF defaultPrinterPageTwips()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize size = printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize();
    const QSizeF points = (size.isValid() ? size : QPageSize(QPageSize::A4)).size(QPageSize::Point);
    return points * 20.0;  // 20 twips per point
}

}  // namespace kwpnd
