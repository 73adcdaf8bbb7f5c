#pragma once
// The Code 39 character table, held once for both Code 39 renderers: each
// character as its nine elements, and the same patterns in the notation the
// bar renderer reads.

#include <QString>
#include <array>

namespace kwpnd {

// One character and its nine elements, bar, gap, bar ... bar, '1' a wide
// element and '0' a narrow one.
struct Code39Character {
    char16_t character;
    const char* elements;
};

// The 43 data characters in the table's order (0-9, A-Z, "-", ".", blank,
// "$", "/", "+", "%"), then the start and stop character "*" (index 43).
const std::array<Code39Character, 44>& code39Characters();

// The patterns in the bar renderer's notation: one symbol per bar, "1" for a
// narrow gap and a narrow bar, "2" for a narrow gap and a wide bar, and a
// blank for one more narrow gap, which makes the gap it belongs to wide. The
// first narrow gap of a character is the gap between characters.
// Indexed by character code 0 to 90. Codes 1 and 2 hold the start and stop
// pattern (that of "*"); characters without a pattern hold the empty string.
using Code39Table = std::array<QString, 91>;

const Code39Table& code39Table();

}  // namespace kwpnd
