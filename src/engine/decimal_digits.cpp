#include "decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace kwpnd {

DecimalDigits makeDecimalDigits(bool negative, std::string digits, int exponent)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    const auto last = digits.find_last_not_of('0');
    DecimalDigits result;
    result.negative = negative;
    result.digits = digits.substr(first, last - first + 1);
    result.exponent = exponent - static_cast<int>(first);
    return result;
}

DecimalDigits decimalDigits(double value, int significant)
{
    if (value == 0.0 || !std::isfinite(value))
        return {};
    // to_chars rounds the exact binary value correctly: "d.ddde+XX".
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, significant - 1);
    const std::string text(buffer, written.ptr);
    const auto e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::atoi(text.c_str() + e + 1);
    return makeDecimalDigits(value < 0, digits, exponent + 1);
}

namespace {

// Keeps the first `keep` digits and rounds on the ones dropped.
DecimalDigits roundedAt(const DecimalDigits& value, int keep, Tie tie)
{
    const int size = static_cast<int>(value.digits.size());
    if (keep >= size)
        return value;
    if (keep < 0)
        return {};  // below half a unit of the last kept place
    const char dropped = value.digits[keep];
    const bool exactHalf = dropped == '5' && keep + 1 == size;  // trailing zeros are stripped
    bool up = dropped > '5' || (dropped == '5' && !exactHalf);
    if (exactHalf) {
        const bool lastKeptOdd = keep > 0 && (value.digits[keep - 1] - '0') % 2 == 1;
        up = tie == Tie::AwayFromZero || lastKeptOdd;
    }
    std::string kept = value.digits.substr(0, keep);
    int exponent = value.exponent;
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            ++exponent;
        }
    }
    return makeDecimalDigits(value.negative, kept, exponent);
}

}  // namespace

DecimalDigits roundedToDecimals(const DecimalDigits& value, int decimals, Tie tie)
{
    if (value.isZero())
        return value;
    return roundedAt(value, value.exponent + decimals, tie);
}

DecimalDigits roundedToSignificant(const DecimalDigits& value, int count, Tie tie)
{
    return roundedAt(value, count, tie);
}

std::string integerPartDigits(const DecimalDigits& value)
{
    if (value.exponent <= 0 || value.isZero())
        return {};
    std::string result = value.digits.substr(0, value.exponent);
    result.resize(value.exponent, '0');
    return result;
}

std::string fractionDigits(const DecimalDigits& value, int count)
{
    std::string result(count, '0');
    const int size = static_cast<int>(value.digits.size());
    for (int k = 0; k < count; ++k) {
        const long index = static_cast<long>(value.exponent) + k;
        if (index >= 0 && index < size)
            result[k] = value.digits[index];
    }
    return result;
}

DoubleConversion toDouble(const DecimalDigits& value)
{
    if (value.isZero())
        return {};
    const std::string text = "0." + value.digits + "e" + std::to_string(value.exponent);
    double magnitude = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (value.exponent <= 0)
            return {};  // too small: zero
        return {value.negative ? -HUGE_VAL : HUGE_VAL, true};
    }
    return {value.negative ? -magnitude : magnitude, false};
}

}  // namespace kwpnd
