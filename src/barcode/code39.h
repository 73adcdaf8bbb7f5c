#pragma once
// Code 39 on a drawing surface: bars as filled boxes in pixels, a caption
// under them, and the surface resized so that the symbol just fits.

#include <QString>
#include <cstdint>

namespace kwpnd {

class Surface;

// Draws "*data*" (upper-cased; characters without a pattern are left out)
// with a module width of 1/40 of the surface height. `sizeMode` 0, 1 or 2
// first makes the surface 1.4, 2.4 or 3 × `barHeight` pixels high with an
// 8, 10 or 14 point font; other values keep height and font. The caption is
// centred on the width of the data text, or starts at the left edge.
// Errors reach the caller: 3 × barHeight beyond 16 bits, or a module width
// too large for a 16-bit position, is an overflow (6).
void DrawCode39(const QString& data, Surface& surface, const QString& caption, bool centreCaption,
                std::int16_t sizeMode, std::int16_t barHeight);

}  // namespace kwpnd
