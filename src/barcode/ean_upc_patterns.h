#pragma once
// The EAN/UPC symbol character tables, held once for every EAN-13 and UPC-A
// encoder: the seven modules of each digit in number sets A, B and C, and the
// choice of set A or B for the left half of an EAN-13 symbol by its leading
// digit.

namespace kwpnd {

// A is the odd-parity left-half set (L), B the even-parity left-half set (G),
// C the right-half set (R).
enum class NumberSet { A, B, C };

// The seven modules of `digit` (0-9) in `set`, left to right, '1' a bar
// module and '0' a space module. Set A and B patterns start with a space and
// end with a bar; set C patterns start with a bar and end with a space.
const char* numberSetModules(NumberSet set, int digit);

// The set (A or B) of the left-half digit at `position` (1-6) of an EAN-13
// symbol whose leading digit is `leadingDigit` (0-9). Leading digit 0 gives
// set A throughout, which is the UPC-A left half.
NumberSet ean13LeftHalfSet(int leadingDigit, int position);

}  // namespace kwpnd
