#include "kwpnd/barcode.h"

#include "kwpnd/error.h"
#include "label_symbols.h"

namespace kwpnd {

void drawBarcodeSymbol(Surface& surface, const QString& symbology, const QString& data, std::int16_t barHeight)
{
    if (!drawLabelSymbol(symbology, LabelSymbol{data, data, barHeight}, surface))
        throw Error::detailed(ErrorNumber::InvalidProcedureCall, QStringLiteral("no symbology '%1'").arg(symbology));
}

}  // namespace kwpnd
