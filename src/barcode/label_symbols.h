#pragma once
// The symbologies a label can carry, by name, each drawn on the barcode
// surface with the arguments the label composer gives it.

#include <QString>
#include <cstdint>

namespace kwpnd {

class Surface;

struct LabelSymbol {
    QString number;          // the label's number or text
    QString caption;         // Code 39: the text under the bars
    std::int16_t barHeight;  // Code 39: the base height in pixels
};

// Draws `symbol` with the symbology `name` ("code39", "ean13", "evalbar" or
// "upc11", in any letter case) on `surface`; false, and nothing drawn, for
// any other name.
bool drawLabelSymbol(const QString& name, const LabelSymbol& symbol, Surface& surface);

// The Evalbar module a label draws with, in the surface's units. Where a
// pixel is a whole number of units (a twip scale: 15), `module` units are
// rounded to the nearest whole number of pixels, at least one: 20 twips
// become 15, one pixel. A module of 1.33 pixels would make narrow and wide
// elements one, two or three pixels wide at random and no decoder could tell
// them apart. Units of a pixel or more keep `module`.
std::int16_t evalbarModule(const Surface& surface, std::int16_t module);

}  // namespace kwpnd
