#pragma once
// Small helpers for the surface tests.
#include "kwpnd/surface.h"
#include "support/test_support.h"

#include <QImage>
#include <memory>

namespace kwpnd::test {

inline constexpr QRgb kWhite = 0xFFFFFF;
inline constexpr QRgb kBlack = 0x000000;

// A white surface of w × h pixels in the pixel scale, so that coordinates are
// pixels.
inline std::unique_ptr<Surface> pixelSurface(int w, int h)
{
    auto s = std::make_unique<Surface>(w * 15.0, h * 15.0);
    s->ScaleMode(smPixel);
    return s;
}

inline QRgb pixelAt(const Surface& s, int x, int y) { return s.retainedImage().pixel(x, y) & 0xFFFFFF; }

// Colour value (r + 256·g + 65536·b) of a Qt RGB value.
inline Colour colourOf(QRgb rgb) { return Colour(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16)); }

}  // namespace kwpnd::test
