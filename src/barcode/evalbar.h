#pragma once
// Evalbar: the second Code 39 renderer. Every bar and gap is a run of
// one-unit vertical segments in the surface's own scale, so the module width
// is given in surface units; a header line is printed above the symbol and a
// footer line below it. The surface is erased first but neither resized nor
// rescaled.

#include <QString>
#include <cstdint>

namespace kwpnd {

class Surface;

// The index of a one-character text in the Evalbar table: 0-9 the digits,
// 10-35 the letters, then "-", ".", blank, "$", "/", "+", "%" and "*" (36-43).
// Anything else is 0, so it is drawn as the digit 0.
int EvalbarIndex(const QString& character);

// The table entry of an index: nine "0"/"1" elements, bar first, "1" wide.
const char* evalbarPattern(int index);

// Draws "*data*" (upper-cased) from x on, each segment from `top` to
// `bottom`, advancing x by one unit per segment: a narrow element is `module`
// segments, a wide one twice as many, and one narrow gap follows every
// character. Header at (0, 0) before, footer at the left edge after (where
// the last segment left the current position, y = bottom). A width or an x
// beyond 16 bits is an overflow (6).
void DrawEvalbar(const QString& data, const QString& header, const QString& footer, Surface& surface, std::int16_t top,
                 std::int16_t bottom, std::int16_t& x, std::int16_t module);

}  // namespace kwpnd
