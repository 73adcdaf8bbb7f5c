#include "single_precision.h"

#include <cmath>
#include <limits>

namespace kwpnd {

float toSingle(double value)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    // A double beyond the largest single by half a unit in its last place or
    // more rounds to infinity; below that, to the largest single.
    constexpr double kHalfLastPlace = 0x1p103;
    if (std::isnan(value) || std::abs(value) <= kMax)
        return static_cast<float>(value);
    const float far = std::abs(value) < kMax + kHalfLastPlace ? std::numeric_limits<float>::max()
                                                              : std::numeric_limits<float>::infinity();
    return value < 0 ? -far : far;
}

}  // namespace kwpnd
