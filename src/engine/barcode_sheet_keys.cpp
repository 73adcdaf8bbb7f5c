#include "barcode_sheet_keys.h"

#include "conversions.h"
#include "error_handling.h"
#include "field_record.h"
#include "generation_driver.h"

namespace kwpnd {

namespace {
struct BarcodeSheetKey {
    const char* name;
    void (*store)(BarcodeSheetParameters& p, const QString& text);  // throws when the text does not convert
};

#define KWPND_TEXT(member) [](BarcodeSheetParameters& p, const QString& t) { p.member = t; }
#define KWPND_CONVERT(member, conversion) [](BarcodeSheetParameters& p, const QString& t) { p.member = conversion(t); }

// Integer keys are the rounded value of the text's leading number; the sizes,
// positions and scales must be numbers as a whole.
const BarcodeSheetKey kBarcodeSheetKeys[] = {
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

void readBarcodeSheetKeys(GenerationDriver& driver, FieldRecord& record, Dialogs& dialogs)
{
    for (const BarcodeSheetKey& key : kBarcodeSheetKeys) {
        reportAndContinue(dialogs, record.sectionName, [&] {
            key.store(record.barcode, driver.ReadLayoutValue(record.sectionName, QLatin1String(key.name)));
        });
    }
}

}  // namespace kwpnd
