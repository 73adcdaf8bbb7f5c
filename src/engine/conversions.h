#pragma once
// Value conversions of layout and data file texts, the general number text,
// and case conversion. Numbers always use '.' as the decimal point, whatever
// the locale.
//
// Literals understood by the readers:
//   decimal      [+|-] digits [. digits] [E|D [+|-] digits]   ("1.5", "-.5", "2D3")
//   hexadecimal  &H followed by hex digits                     ("&HFF")
//   octal        &O followed by octal digits                   ("&O17")
// Widths of &H/&O literals:
//   - toNumber types them as the classic leading-number reader does: a value up
//     to &HFFFF is a 16-bit two's complement number (&HFFFF is -1, &H8000 is
//     -32768), a wider one a 32-bit two's complement number (&HFFFFFFFF is -1);
//     a trailing '&' ("&HFFFF&") makes it 32-bit (65535). Digits that would take
//     the value beyond 32 bits end the literal.
//   - the strict readers for 32-bit and double targets read them as 32-bit
//     two's complement numbers (&HFFFF is 65535, so a colour written &HFFFF is
//     yellow); toStrictInteger reads up to &HFFFF as 16-bit (&HFFFF is -1).
//     Wider than 32 bits is an overflow (Error 6).
// Every overflow of a whole number (Error 6) names the number in its detail:
// "70000 is outside the range of a 16-bit integer".

#include <QString>
#include <cstdint>

namespace kwpnd {

// "number": the leading number of `text`, ignoring blanks, tabs and line feeds
// wherever they occur (" 3 4 " is 34, "1e3x" is 1000); 0 when none. A decimal
// exponent beyond the range of a double gives plus or minus infinity. Never throws.
double toNumber(const QString& text);

// "integer": toNumber rounded half to even to 16 bits; outside: Error 6.
std::int16_t toInteger(const QString& text);

// "long": toNumber rounded half to even to 32 bits; outside: Error 6.
std::int32_t toLong(const QString& text);

// "strict long": the whole text (blanks around it allowed) must be a decimal
// number or an &H literal, else Error 13 (empty text too); rounded half to even
// on the exact decimal value; outside 32 bits: Error 6.
std::int32_t toStrictLong(const QString& text);

// "measure": the whole text must be numeric (decimal, &H or &O), else Error 13;
// rounded to one decimal place, a tie to the even tenth, decided on the decimal
// value as written ("12.25" is 12.2, "12.35" is 12.4). Beyond a double: Error 6.
double toMeasure(const QString& text);

// "strict double": the whole text must be numeric, else Error 13; beyond a
// double: Error 6.
double toStrictDouble(const QString& text);

// The whole text must be numeric (Error 13); rounded half to even on the exact
// decimal value to 16 bits (Error 6 outside).
std::int16_t toStrictInteger(const QString& text);

// `value` rounded to `decimals` places (negative: tens, hundreds...), a tie to
// the even digit. The tie is judged on the value's 15-significant-digit decimal
// form, the form numberText shows, so 12.25 gives 12.2 and 12.35 gives 12.4
// although neither is exact in binary. From 1E15 on, where a double has no
// room for more than halves, the tie is judged on the double itself.
// Infinities and NaN come back unchanged.
double roundHalfEven(double value, int decimals);

// Rounded half to even (on the binary value) to a whole number of 32 or 16
// bits; outside the range, infinite or NaN: Error 6.
std::int32_t roundToLong(double value);
std::int16_t roundToInteger(double value);

// The general decimal form of a number: at most 15 significant digits, no
// thousands separator, no trailing zeros, no point for a whole value, "-" for
// negatives ("0.3", "-2.5", "123456789012345"). With the decimal exponent e of
// the first significant digit, e >= 15 or e < -4 switches to exponent form:
// mantissa, "E", sign, at least two exponent digits ("1E+15", "1.5E+20",
// "1E-05"; 0.0001 stays "0.0001"). Infinities and NaN read "Infinity",
// "-Infinity" and "NaN".
QString numberText(double value);

// Case conversion: 1 upper case, 2 lower case, 3 the first letter of every
// word upper case and the rest lower case (words are separated by spaces,
// tabs, line breaks, form feeds and NUL); any other code: Error 5.
QString StrConv(const QString& text, int code);

}  // namespace kwpnd
