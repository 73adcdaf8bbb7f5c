#pragma once
// Colour values (red + 256·green + 65536·blue, or a system colour) as Qt colours.

#include "kwpnd/surface.h"

#include <QColor>

namespace kwpnd {

// The colour a value stands for. A value with the top bit set names system
// colour n (its low byte); an unknown system colour is error 380. Any other
// value uses its low three bytes.
QColor toQColor(Colour value);

}  // namespace kwpnd
