#include "kwpnd/barcode.h"

#include "barcode/label_symbols.h"
#include "kwpnd/error.h"

namespace kwpnd {

void drawBarcodeSymbol(Surface& surface, const QString& symbology, const QString& data, std::int16_t barHeight)
{
    if (!drawLabelSymbol(symbology, LabelSymbol{data, data, barHeight}, surface))
        throw Error(ErrorNumber::InvalidProcedureCall,
                    QStringLiteral("Invalid procedure call or argument: no symbology '%1'").arg(symbology));
}

}  // namespace kwpnd
