#include "conversions.h"

#include "decimal_digits.h"
#include "kwpnd/error.h"
#include "number_parse.h"

#include <cmath>
#include <limits>

namespace kwpnd {

namespace {

constexpr std::uint64_t kMaxBits = 0xFFFFFFFFu;
constexpr int kSignificantDigits = 15;

double checkedDouble(const DecimalDigits& value)
{
    const auto converted = toDouble(value);
    if (converted.overflow)
        throw Error(ErrorNumber::Overflow);
    return converted.value;
}

// Error 6 naming the number that does not fit in Int.
template <typename Int>
[[noreturn]] void refuseWhole(const QString& number)
{
    throw Error::detailed(
        ErrorNumber::Overflow,
        QStringLiteral("%1 is outside the range of a %2-bit integer").arg(number).arg(sizeof(Int) * 8));
}

NumberLiteral wholeLiteral(const QString& text, Radixes radixes)
{
    auto literal = readWholeNumber(text, radixes);
    if (!literal)
        throw Error(ErrorNumber::TypeMismatch);
    if (!literal->isDecimal() && literal->bits > kMaxBits)
        refuseWhole<std::int32_t>(text.trimmed());
    return *literal;
}

// A decimal literal rounded half to even on its exact digits, then range-checked.
template <typename Int>
Int wholeFromDecimal(const DecimalDigits& value, const QString& text)
{
    const DecimalDigits whole = roundedToDecimals(value, 0, Tie::ToEven);
    const std::string digits = integerPartDigits(whole);
    if (digits.size() > 12)
        refuseWhole<Int>(text.trimmed());
    long long magnitude = 0;
    for (char d : digits)
        magnitude = magnitude * 10 + (d - '0');
    const long long signedValue = whole.negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<Int>::min() || signedValue > std::numeric_limits<Int>::max())
        refuseWhole<Int>(text.trimmed());
    return static_cast<Int>(signedValue);
}

double roundHalfEvenWhole(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;  // exact for every double
    if (fraction < 0.5)
        return floor;
    if (fraction > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <typename Int>
Int roundToWhole(double value)
{
    if (!std::isfinite(value))
        refuseWhole<Int>(numberText(value));
    const double rounded = roundHalfEvenWhole(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        refuseWhole<Int>(numberText(value));
    return static_cast<Int>(rounded);
}

bool isWordSeparator(QChar c)
{
    static const QString separators = QStringLiteral(" \t\n\v\f\r") + QChar(0);
    return separators.contains(c);
}

QString properCase(const QString& text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar& c : result) {
        if (wordStart && !isWordSeparator(c))
            c = c.toUpper();
        wordStart = isWordSeparator(c);
    }
    return result;
}

}  // namespace

double toNumber(const QString& text)
{
    const auto literal = readLeadingNumber(text);
    if (!literal)
        return 0.0;
    if (!literal->isDecimal())
        return literal->longSuffix ? longFromBits(literal->bits) : shortestFromBits(literal->bits);
    return toDouble(literal->decimal).value;
}

std::int16_t toInteger(const QString& text) { return roundToInteger(toNumber(text)); }

std::int32_t toLong(const QString& text) { return roundToLong(toNumber(text)); }

std::int32_t toStrictLong(const QString& text)
{
    const NumberLiteral literal = wholeLiteral(text, Radixes::DecimalAndHex);
    if (!literal.isDecimal())
        return longFromBits(literal.bits);
    return wholeFromDecimal<std::int32_t>(literal.decimal, text);
}

double toMeasure(const QString& text)
{
    const NumberLiteral literal = wholeLiteral(text, Radixes::DecimalHexAndOctal);
    if (!literal.isDecimal())
        return longFromBits(literal.bits);
    return checkedDouble(roundedToDecimals(literal.decimal, 1, Tie::ToEven));
}

double toStrictDouble(const QString& text)
{
    const NumberLiteral literal = wholeLiteral(text, Radixes::DecimalHexAndOctal);
    if (!literal.isDecimal())
        return longFromBits(literal.bits);
    return checkedDouble(literal.decimal);
}

std::int16_t toStrictInteger(const QString& text)
{
    const NumberLiteral literal = wholeLiteral(text, Radixes::DecimalHexAndOctal);
    if (!literal.isDecimal())
        return roundToInteger(shortestFromBits(literal.bits));
    return wholeFromDecimal<std::int16_t>(literal.decimal, text);
}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    // From 1E15 on a double holds no more than halves, and its sixteenth and
    // later digits must not be lost to the fifteen-digit form.
    if (std::fabs(value) >= 1e15 && decimals >= 0)
        return roundHalfEvenWhole(value);
    const DecimalDigits shown = decimalDigits(value, kSignificantDigits);
    return toDouble(roundedToDecimals(shown, decimals, Tie::ToEven)).value;
}

std::int32_t roundToLong(double value) { return roundToWhole<std::int32_t>(value); }

std::int16_t roundToInteger(double value) { return roundToWhole<std::int16_t>(value); }

QString numberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    const DecimalDigits d = decimalDigits(value, kSignificantDigits);
    if (d.isZero())
        return QStringLiteral("0");
    QString text = d.negative ? QStringLiteral("-") : QString();
    const int exponent = d.exponent - 1;  // of the first significant digit
    const QString digits = QString::fromLatin1(d.digits);
    if (exponent >= 15 || exponent < -4) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += u'.' + digits.mid(1);
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        return text + QString::number(std::abs(exponent)).rightJustified(2, u'0');
    }
    if (d.exponent <= 0)
        return text + QStringLiteral("0.") + QString(-d.exponent, u'0') + digits;
    const QString integer = QString::fromLatin1(integerPartDigits(d));
    text += integer;
    if (digits.size() > integer.size())
        text += u'.' + digits.mid(integer.size());
    return text;
}

QString StrConv(const QString& text, int code)
{
    switch (code) {
    case 1:
        return text.toUpper();
    case 2:
        return text.toLower();
    case 3:
        return properCase(text);
    default:
        throw Error(ErrorNumber::InvalidProcedureCall);
    }
}

}  // namespace kwpnd
