#pragma once
// Units of the standard scale modes: how many twips one unit spans.

#include <cstdint>
#include <optional>

namespace kwpnd {

struct TwipsPerUnit {
    double x;
    double y;
};

// Twips per unit of a standard scale mode (1..7); nothing for the user
// scale (0) and for numbers that name no mode.
std::optional<TwipsPerUnit> twipsPerUnit(int mode);

bool isScaleMode(int mode);

}  // namespace kwpnd
