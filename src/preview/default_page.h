#pragma once
#include <QSizeF>

namespace kwpnd {

// Full page size of the default printer in twips; A4 when no printer exists.
QSizeF defaultPrinterPageTwips();

}  // namespace kwpnd
