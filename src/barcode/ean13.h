#pragma once
// EAN-13 at fixed coordinates in the surface's current scale: 95 modules on a
// 15-unit grid from x = 135 to x = 1545 (one pixel per module at a twip
// scale), the digits printed under the bars. The surface is neither erased,
// resized nor rescaled, and its font and ForeColor are used as they are.

#include "kwpnd/surface.h"

#include <QString>

namespace kwpnd {

// The twelve digits (the first 12 characters, or the text padded on the left
// with "0") followed by their check digit. A character that is not a digit
// is a type mismatch (13).
QString EAN13CheckDigit(const QString& digits);

// The colour of module 1-7 of `digit` at position 1-12 of a symbol whose
// leading digit is `leadingDigit`: 0 for a bar module, `spaceColour` for a
// space module. Positions 1-6 take set A or B as the leading digit says,
// positions 7-12 set C.
Colour EAN13ModuleColour(int leadingDigit, int position, int digit, int module, Colour spaceColour = 0xFFFFFF);

// Draws the symbol of `digits`. A text that is not a number draws nothing;
// a number that is not plain digits ("12.5", "+12") is a type mismatch (13).
// Space modules are painted in the surface's BackColor.
void DrawEAN13(const QString& digits, Surface& surface);

}  // namespace kwpnd
