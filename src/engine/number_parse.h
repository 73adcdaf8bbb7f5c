#pragma once
// Reading number literals out of text: the lenient leading-number reader and
// the whole-text reader behind the strict conversions. Private to the engine.

#include "decimal_digits.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kwpnd {

// A literal as written: a decimal number, or the bits of an &H hexadecimal or
// &O octal literal.
struct NumberLiteral {
    enum class Base { Decimal, Hexadecimal, Octal };
    Base base = Base::Decimal;
    DecimalDigits decimal;    // when Decimal: the exact value as written
    std::uint64_t bits = 0;   // when &H or &O: the unsigned value (see readWholeNumber)
    bool longSuffix = false;  // &H/&O followed by '&': always a 32-bit literal

    bool isDecimal() const { return base == Base::Decimal; }
};

// The longest leading literal of `text` once every blank, tab and line feed is
// removed: a decimal number (sign, digits, one point, exponent E or D) or an
// &H/&O literal whose digits are read while the value fits in 32 bits.
// nullopt when no literal starts the text.
std::optional<NumberLiteral> readLeadingNumber(const QString& text);

enum class Radixes { DecimalAndHex, DecimalHexAndOctal };

// The whole text as one literal, blanks and tabs around it allowed; nullopt
// when it is anything else. An &H/&O literal wider than 32 bits comes back with
// bits above 0xFFFFFFFF, which the caller reports as an overflow.
std::optional<NumberLiteral> readWholeNumber(const QString& text, Radixes radixes);

// &H/&O bits as a 32-bit two's complement value (&HFFFFFFFF is -1).
std::int32_t longFromBits(std::uint64_t bits);

// &H/&O bits the way the leading-number reader types them: up to &HFFFF a
// 16-bit two's complement value (&HFFFF is -1), beyond that 32-bit.
std::int32_t shortestFromBits(std::uint64_t bits);

// The value of a whole numeric text as a double (&H/&O as 32-bit values);
// nullopt when the text is not numeric or does not fit.
std::optional<double> numericTextValue(const QString& text);

}  // namespace kwpnd
