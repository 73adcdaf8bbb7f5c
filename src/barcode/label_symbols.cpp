#include "label_symbols.h"

#include "barcode/code39.h"
#include "barcode/ean13.h"
#include "barcode/evalbar.h"
#include "kwpnd/barcode_upc.h"
#include "kwpnd/surface.h"

namespace kwpnd {

namespace {
struct Symbology {
    const char* name;
    void (*draw)(const LabelSymbol& symbol, Surface& surface);
};

void drawCode39(const LabelSymbol& s, Surface& surface)
{
    DrawCode39(s.number, surface, s.caption, false, 0, s.barHeight);
}

void drawEAN13(const LabelSymbol& s, Surface& surface) { DrawEAN13(s.number, surface); }

// Bars from y 50 to 550, starting at x 10, modules of 20 units; the number
// is also the footer.
void drawEvalbar(const LabelSymbol& s, Surface& surface)
{
    std::int16_t x = 10;
    DrawEvalbar(s.number, QString(), s.number, surface, 50, 550, x, 20);
}

void drawUPC(const LabelSymbol& s, Surface& surface)
{
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodeData(s.number);
    upc.BarCodePicObj(&surface);
    upc.DrawBarcode();
}

const Symbology kSymbologies[] = {
    {"code39", drawCode39},
    {"ean13", drawEAN13},
    {"evalbar", drawEvalbar},
    {"upc11", drawUPC},
};
}  // namespace

bool drawLabelSymbol(const QString& name, const LabelSymbol& symbol, Surface& surface)
{
    const QString lower = name.toLower();
    for (const Symbology& s : kSymbologies) {
        if (lower == QLatin1String(s.name)) {
            s.draw(symbol, surface);
            return true;
        }
    }
    return false;
}

}  // namespace kwpnd
