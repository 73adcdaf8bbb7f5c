// Number, measure and integer conversions of file texts: the lenient readers
// never throw, the strict ones throw only kwpnd::Error, the 16- and 32-bit
// readers agree where both succeed, and the general number text of a value
// reads back as the same text.
//
// Input: the text to convert. Its first byte also picks the number of
// decimals (-15 to 15) for the rounding check.
#include "conversions.h"
#include "fuzz/fuzz_support.h"

#include <cmath>

namespace {
using namespace kwpnd;
using kwpnd::fuzz::check;
using kwpnd::fuzz::tolerated;

// numberText shows 15 significant digits, so its text, read again, must give
// a value with the very same text.
void checkNumberTextStable(double value, const QString& input)
{
    const QString text = numberText(value);
    if (!std::isfinite(value)) {
        check(text == u"Infinity" || text == u"-Infinity" || text == u"NaN", "odd text of a non-finite value", text);
        return;
    }
    double again = 0;
    check(tolerated([&] { again = toStrictDouble(text); }), "numberText is not numeric",
          input + QStringLiteral(" -> ") + text);
    check(numberText(again) == text, "numberText does not read back",
          input + QStringLiteral(" -> ") + text + QStringLiteral(" -> ") + numberText(again));
}

void checkRounding(double value, int decimals, const QString& input)
{
    const double once = roundHalfEven(value, decimals);
    if (!std::isfinite(value)) {
        check(std::isnan(value) ? std::isnan(once) : once == value, "a non-finite value changed in rounding", input);
        return;
    }
    const double twice = roundHalfEven(once, decimals);
    check(twice == once, "rounding is not stable",
          input + QStringLiteral(" decimals %1: %2 -> %3").arg(decimals).arg(once, 0, 'g', 17).arg(twice, 0, 'g', 17));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzz::inputText(data, size);
    const int decimals = size > 0 ? data[0] % 31 - 15 : 0;

    const double number = toNumber(text);  // never throws
    checkNumberTextStable(number, text);
    checkRounding(number, decimals, text);

    std::int16_t asInteger = 0;
    std::int32_t asLong = 0;
    const bool integerOk = tolerated([&] { asInteger = toInteger(text); });
    const bool longOk = tolerated([&] { asLong = toLong(text); });
    check(!integerOk || (longOk && asLong == asInteger), "toInteger and toLong disagree", text);
    tolerated([&] { roundToInteger(number); });
    tolerated([&] { roundToLong(number); });

    double strict = 0;
    if (tolerated([&] { strict = toStrictDouble(text); })) {
        check(std::isfinite(strict), "toStrictDouble gave a non-finite value", text);
        checkNumberTextStable(strict, text);
    }
    double measure = 0;
    if (tolerated([&] { measure = toMeasure(text); }))
        check(std::isfinite(measure), "toMeasure gave a non-finite value", text);
    tolerated([&] { toStrictLong(text); });
    tolerated([&] { toStrictInteger(text); });

    for (int code = 0; code <= 4; ++code) {
        const bool ok = tolerated([&] { StrConv(text, code); });
        check(ok == (code >= 1 && code <= 3), "StrConv accepts a code it should refuse (or the reverse)");
    }
    return 0;
}
