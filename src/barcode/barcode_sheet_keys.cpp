#include "barcode_sheet_keys.h"

#include "label_sheet.h"

namespace kwpnd {

namespace {
#define KWPND_TEXT(member) [](FieldRecord& r, const QString& t) { sheetParameters(r).member = t; }
#define KWPND_CONVERT(member, conversion) \
    [](FieldRecord& r, const QString& t) { sheetParameters(r).member = conversion(t); }

// Integer keys are the rounded value of the text's leading number; the sizes,
// positions and scales must be numbers as a whole.
const FieldKindKey kBarcodeSheetKeys[] = {
    {"BarCodeSymbol", KWPND_TEXT(BarCodeSymbol)},
    {"BarCodeHeight", KWPND_CONVERT(BarCodeHeight, toInteger)},
    {"BarCodeLabelAuto", KWPND_CONVERT(BarCodeLabelAuto, toInteger)},
    {"BarCodeSequential", KWPND_CONVERT(BarCodeSequential, toInteger)},
    {"BarCodeHeader", KWPND_CONVERT(BarCodeHeader, toInteger)},
    {"BarCodeFooter", KWPND_CONVERT(BarCodeFooter, toInteger)},
    {"BarCodeFooterCombine", KWPND_CONVERT(BarCodeFooterCombine, toInteger)},
    {"BarCodeBottom", KWPND_CONVERT(BarCodeBottom, toInteger)},
    {"BarCodeHeaderX", KWPND_CONVERT(BarCodeHeaderX, toInteger)},
    {"BarCodeHeaderY", KWPND_CONVERT(BarCodeHeaderY, toInteger)},
    {"BarCodeFooterX", KWPND_CONVERT(BarCodeFooterX, toInteger)},
    {"BarCodeFooterY", KWPND_CONVERT(BarCodeFooterY, toInteger)},
    {"BarCodeBackcolor", KWPND_TEXT(BarCodeBackcolor)},
    {"BarCodeLabelBackcolor", KWPND_TEXT(BarCodeLabelBackcolor)},
    {"BarCodeLabelDiff", KWPND_CONVERT(BarCodeLabelDiff, toNumber)},
    {"BarCodeLabelDiffX", KWPND_CONVERT(BarCodeLabelDiffX, toNumber)},
    {"BarCodeLabelDiffY", KWPND_CONVERT(BarCodeLabelDiffY, toNumber)},
    {"BarCodeLabelWidth", KWPND_CONVERT(BarCodeLabelWidth, toStrictDouble)},
    {"BarCodeLabelHeight", KWPND_CONVERT(BarCodeLabelHeight, toStrictDouble)},
    {"BarCodeLabelscale", KWPND_CONVERT(BarCodeLabelscale, toStrictDouble)},
    {"BarCodeObjectWidth", KWPND_CONVERT(BarCodeObjectWidth, toStrictDouble)},
    {"BarCodeObjectHeight", KWPND_CONVERT(BarCodeObjectHeight, toStrictDouble)},
    {"BarCodeObjectX", KWPND_CONVERT(BarCodeObjectX, toStrictDouble)},
    {"BarCodeObjectY", KWPND_CONVERT(BarCodeObjectY, toStrictDouble)},
    {"BarCodeObjectscale", KWPND_CONVERT(BarCodeObjectscale, toStrictDouble)},
};

#undef KWPND_TEXT
#undef KWPND_CONVERT
}  // namespace

std::span<const FieldKindKey> barcodeSheetKeys() { return kBarcodeSheetKeys; }

BarcodeSheetParameters& sheetParameters(FieldRecord& record) { return barcodeSheetState(record).parameters; }

const BarcodeSheetParameters& sheetParameters(const FieldRecord& record)
{
    static const BarcodeSheetParameters none;
    const BarcodeSheetState* state = kindState<BarcodeSheetState>(record, kBarcodeSheetType);
    return state ? state->parameters : none;
}

}  // namespace kwpnd
