#pragma once
// Device integers: where a number of a layout becomes a whole pixel.
//
// Positions and sizes reach the surface as numbers in scale units (twips,
// points, a user scale ...) and reach the rasteriser, the window system and
// the rotated-text call as whole device pixels. Every such conversion goes
// through toDeviceInt, so that a number beyond what a device coordinate can
// hold is an overflow (error 6 naming the number), never a wrapped or
// undefined integer.

#include "kwpnd/error.h"

#include <cmath>

namespace kwpnd {

// `pixels` rounded to the nearest whole pixel (a half rounds up, as pixel
// snapping does). When that is not a number or lies outside a 32-bit device
// coordinate: error 6 whose text names `given`, the number as the caller was
// given it (in its own units).
int toDeviceInt(double pixels, double given);

// The same for a number that already is in device pixels.
inline int toDeviceInt(double pixels) { return toDeviceInt(pixels, pixels); }

// A number used as a device coordinate as it stands (the rotated-text call):
// rounded to the nearest whole number, a half to even.
inline int evenRoundedDeviceInt(double v) { return toDeviceInt(std::nearbyint(v), v); }

// The overflow error for a number that has no device coordinate.
Error deviceOverflow(double given);

// `value` in the shortest decimal form that reads back as it (as a float
// when it is one): "3000000000", "0.5", "1.5E+20"; "NaN", "Infinity" and
// "-Infinity" for what is no number.
QString numberForMessage(double value);

}  // namespace kwpnd
