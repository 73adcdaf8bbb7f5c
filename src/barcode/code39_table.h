#pragma once
// The Code 39 character table in the notation the bar renderer reads: one
// symbol per bar, "1" for a narrow gap and a narrow bar, "2" for a narrow gap
// and a wide bar, and a blank for one more narrow gap, which makes the gap it
// belongs to wide. The first narrow gap of a character is the gap between
// characters.

#include <QString>
#include <array>

namespace kwpnd {

// Indexed by character code 0 to 90. Codes 1 and 2 hold the start and stop
// pattern (that of "*"); characters without a pattern hold the empty string.
using Code39Table = std::array<QString, 91>;

const Code39Table& code39Table();

}  // namespace kwpnd
