#include "scale.h"

#include "kwpnd/surface.h"

#include <array>

namespace kwpnd {

namespace {
// Indexed by scale mode; the user scale (0) has no fixed unit.
constexpr std::array<TwipsPerUnit, 8> kTwipsPerUnit = {{
    {0, 0},                            // smUser
    {1, 1},                            // smTwip
    {20, 20},                          // smPoint
    {TwipsPerPixelX, TwipsPerPixelY},  // smPixel
    {120, 240},                        // smCharacter
    {1440, 1440},                      // smInche
    {1440 / 25.4, 1440 / 25.4},        // smMilimeter
    {1440 / 2.54, 1440 / 2.54},        // smCentimeter
}};
}  // namespace

bool isScaleMode(int mode) { return mode >= smUser && mode <= smCentimeter; }

std::optional<TwipsPerUnit> twipsPerUnit(int mode)
{
    if (mode <= smUser || mode > smCentimeter)
        return std::nullopt;
    return kTwipsPerUnit[static_cast<std::size_t>(mode)];
}

}  // namespace kwpnd
