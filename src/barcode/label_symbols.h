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

}  // namespace kwpnd
