#include "ean_upc_patterns.h"

#include <array>
#include <string_view>

namespace kwpnd {

namespace {
// ISO/IEC 15420 (EAN/UPC), the table of the encodation of the digits in number
// sets A, B and C, written as modules ("1" a bar).
const std::array<const char*, 10> kSetA = {
    "0001101", "0011001", "0010011", "0111101", "0100011", "0110001", "0101111", "0111011", "0110111", "0001011",
};
const std::array<const char*, 10> kSetB = {
    "0100111", "0110011", "0011011", "0100001", "0011101", "0111001", "0000101", "0010001", "0001001", "0010111",
};
const std::array<const char*, 10> kSetC = {
    "1110010", "1100110", "1101100", "1000010", "1011100", "1001110", "1010000", "1000100", "1001000", "1110100",
};

// ISO/IEC 15420 (EAN/UPC), the table of the number sets of the six left-half
// digits of EAN-13, by the leading digit that they encode implicitly.
const std::array<const char*, 10> kLeftHalfSets = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};

const std::array<const char*, 10>& setTable(NumberSet set)
{
    switch (set) {
    case NumberSet::A:
        return kSetA;
    case NumberSet::B:
        return kSetB;
    case NumberSet::C:
        break;
    }
    return kSetC;
}
}  // namespace

const char* numberSetModules(NumberSet set, int digit) { return setTable(set).at(std::size_t(digit)); }

NumberSet ean13LeftHalfSet(int leadingDigit, int position)
{
    const std::string_view sets = kLeftHalfSets.at(std::size_t(leadingDigit));
    return sets.at(std::size_t(position - 1)) == 'A' ? NumberSet::A : NumberSet::B;
}

}  // namespace kwpnd
