#pragma once
// Positions, widths and heights of the encoders are 16-bit integers, as in
// the label files they come from: a value that leaves the 16-bit range is an
// overflow rather than a silent wrap.

#include "kwpnd/error.h"

#include <cstdint>
#include <limits>

namespace kwpnd {

inline std::int16_t integer16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw Error(ErrorNumber::Overflow);
    return static_cast<std::int16_t>(value);
}

}  // namespace kwpnd
