#pragma once
// Numbers as strings of decimal digits, so that rounding decides on the
// decimal value a person reads ("12.25") and not on the nearest binary double
// (12.2499999...). Private to the engine.

#include <string>

namespace kwpnd {

// value = (negative ? -1 : 1) × 0.d1d2d3... × 10^exponent
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, no leading or trailing zeros; empty is zero
    int exponent = 0;    // digits before the decimal point (may be zero or negative)

    bool isZero() const { return digits.empty(); }
};

// How a value exactly halfway between two candidates is rounded.
enum class Tie { ToEven, AwayFromZero };

// The decimal form of a finite double, correctly rounded to `significant` digits.
DecimalDigits decimalDigits(double value, int significant);

// Builds a normalised value from a digit string (leading and trailing zeros allowed).
DecimalDigits makeDecimalDigits(bool negative, std::string digits, int exponent);

// Rounded to `decimals` places after the point (negative: to tens, hundreds...).
DecimalDigits roundedToDecimals(const DecimalDigits& value, int decimals, Tie tie);

// Rounded to `count` significant digits.
DecimalDigits roundedToSignificant(const DecimalDigits& value, int count, Tie tie);

// Digits before the point, without leading zeros; empty when the value is below one.
std::string integerPartDigits(const DecimalDigits& value);

// Exactly `count` digits after the point (the value is not rounded here).
std::string fractionDigits(const DecimalDigits& value, int count);

struct DoubleConversion {
    double value = 0.0;
    bool overflow = false;  // beyond the range of a double
};

// The nearest double; values too small for a double become 0.
DoubleConversion toDouble(const DecimalDigits& value);

}  // namespace kwpnd
