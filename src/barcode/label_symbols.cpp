#include "label_symbols.h"

#include "code39.h"
#include "ean13.h"
#include "evalbar.h"
#include "kwpnd/barcode_upc.h"
#include "kwpnd/surface.h"
#include "sheet_limits.h"

#include <algorithm>
#include <cmath>

namespace kwpnd {

std::int16_t evalbarModule(const Surface& surface, std::int16_t module)
{
    const double pixelsPerUnit = surface.toPixels(1, 0).x() - surface.toPixels(0, 0).x();
    if (!(pixelsPerUnit > 0 && pixelsPerUnit < 1))
        return module;
    const double unitsPerPixel = 1 / pixelsPerUnit;
    const double wholeUnits = std::round(unitsPerPixel);
    if (std::abs(unitsPerPixel - wholeUnits) > 1e-6)
        return module;  // a unit that does not divide a pixel: no module lands on the grid
    const double pixels = std::max(1.0, std::round(module * pixelsPerUnit));
    return std::int16_t(std::lround(pixels * wholeUnits));
}

namespace {
struct Symbology {
    const char* name;
    void (*draw)(const LabelSymbol& symbol, Surface& surface);
};

// The encoder sizes its surface from the bar height: too large a height is
// refused before the surface grows.
void drawCode39(const LabelSymbol& s, Surface& surface)
{
    checkCode39Size(s.barHeight, s.number);
    DrawCode39(s.number, surface, s.caption, false, 0, s.barHeight);
}

void drawEAN13(const LabelSymbol& s, Surface& surface) { DrawEAN13(s.number, surface); }

// Bars from y 50 to 550, starting at x 10, modules of 20 units (or the
// nearest whole number of pixels, see evalbarModule); the number is also the
// footer.
void drawEvalbar(const LabelSymbol& s, Surface& surface)
{
    std::int16_t x = 10;
    DrawEvalbar(s.number, QString(), s.number, surface, 50, 550, x, evalbarModule(surface, 20));
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
