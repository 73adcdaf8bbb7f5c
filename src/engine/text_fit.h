#pragma once
// Text fitting: fills a whole surface with a text at the largest font size
// (6 to 72 points) at which the word-wrapped text fits, aligned left (0),
// centred (1), right (2) or justified (3), optionally over a shadow copy
// offset in one of eight directions (shadow 0..8, 4 = none).

#include "kwpnd/surface.h"

#include <QString>
#include <cstdint>

namespace kwpnd {

// Shadow directions: 0 up-left ... 4 none ... 8 down-right.
inline constexpr bool isShadowDirection(std::int32_t shadow) { return shadow >= 0 && shadow <= 8; }

// The shadow lies u device pixels off the text (u grows with the font size),
// whatever the surface's scale mode. A shadow outside 0..8 counts as none.
// True when the text was written; `shadow` is then set to 4. Any failure
// ends the routine with false; what was written so far stays.
bool FitText(Surface& surface, const QString& text, std::int32_t alignment, float margin, std::int32_t& shadow,
             Colour shadowColour);

// Number of case-sensitive matches of `pattern` in `text`, each search going
// on one character after the previous match's first character. Above 32767
// matches: error 6.
std::int16_t CountOccurrences(const QString& text, const QString& pattern);

}  // namespace kwpnd
