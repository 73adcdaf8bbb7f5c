#pragma once
// The parameters of a barcode label sheet, read from the field's own section
// of the layout file whenever a field of type "BarcodeSheet" is generated
// (the kind's key table). They are kept in the working record between fields
// (the per-field reset leaves them alone), so a key that fails to convert
// keeps the value of the sheet before.

#include "engine_api.h"

#include <QString>
#include <cstdint>
#include <span>

namespace kwpnd {

inline const QString kBarcodeSheetType = QStringLiteral("BarcodeSheet");

struct BarcodeSheetParameters {
    QString BarCodeSymbol;           // "code39", "ean13", "evalbar", "upc11", any case
    std::int16_t BarCodeHeight = 0;  // bar height handed to the Code 39 encoder
    std::int16_t BarCodeLabelAuto = 0;
    std::int16_t BarCodeSequential = 0;
    std::int16_t BarCodeHeader = 0;
    std::int16_t BarCodeFooter = 0;
    std::int16_t BarCodeFooterCombine = 0;
    std::int16_t BarCodeBottom = 0;
    std::int16_t BarCodeHeaderX = 0, BarCodeHeaderY = 0;
    std::int16_t BarCodeFooterX = 0, BarCodeFooterY = 0;
    QString BarCodeBackcolor;  // "red,green,blue", converted when a label is composed
    QString BarCodeLabelBackcolor;
    double BarCodeLabelDiff = 0, BarCodeLabelDiffX = 0, BarCodeLabelDiffY = 0;
    double BarCodeLabelWidth = 0, BarCodeLabelHeight = 0;
    double BarCodeLabelscale = 0;  // a scale mode, rounded when used
    double BarCodeObjectWidth = 0, BarCodeObjectHeight = 0;
    double BarCodeObjectX = 0, BarCodeObjectY = 0;
    double BarCodeObjectscale = 0;
};

// The barcode sheet keys, in reading order.
std::span<const FieldKindKey> barcodeSheetKeys();

// The parameters of the last "BarcodeSheet" field of `record` (made on first
// use); the read-only form gives defaults while there was none.
BarcodeSheetParameters& sheetParameters(FieldRecord& record);
const BarcodeSheetParameters& sheetParameters(const FieldRecord& record);

}  // namespace kwpnd
