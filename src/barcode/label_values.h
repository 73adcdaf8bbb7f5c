#pragma once
// Conversions of the label sheet's colour and scale keys, made when a label
// is composed (a bad value fails that label, not the reading of the keys).

#include "kwpnd/surface.h"

#include <QString>
#include <cstdint>

namespace kwpnd {

// "red,green,blue" as red + 256·green + 65536·blue. Each of the first three
// parts must be a number as a whole (rounded to a 16-bit integer, else 13 or
// 6); fewer than three parts is error 9; parts after the third are ignored.
Colour colourFromTriple(const QString& text);

// A scale-mode key: rounded to a 16-bit integer (6 beyond). Whether it names
// a scale mode is for the surface to say.
std::int16_t scaleModeOf(double value);

}  // namespace kwpnd
