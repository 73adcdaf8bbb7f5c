#include "device_integer.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace kwpnd {

namespace {
// The shortest digits that read back as `value`, and the decimal exponent of
// the first of them: 3.3E10 gives "33" and 10.
template <typename T>
std::pair<QString, int> shortestDigits(T value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    const QString scientific = QString::fromLatin1(text, result.ptr - text);  // "-3.3e+10"
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(e);
    digits.remove(QLatin1Char('-'));
    digits.remove(QLatin1Char('.'));
    return {digits, scientific.mid(e + 1).toInt()};
}

// Plain decimal form of the digits when the exponent is moderate, else the
// mantissa with an exponent ("1.5E+20").
QString decimalText(bool negative, const QString& digits, int exponent)
{
    QString text = negative ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += QLatin1Char('.') + digits.mid(1);
        return text +
               QStringLiteral("E%1%2").arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+')).arg(std::abs(exponent));
    }
    if (exponent < 0)
        return text + QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    const int whole = exponent + 1;
    if (digits.size() <= qsizetype(whole))
        return text + digits + QString(whole - digits.size(), QLatin1Char('0'));
    return text + digits.left(whole) + QLatin1Char('.') + digits.mid(whole);
}
}  // namespace

QString numberForMessage(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0)
        return QStringLiteral("0");
    // As a float when the number came from one (the surface's coordinates
    // are floats), so that 3.3E10 reads "33000000000" and not as the float's
    // exact binary value.
    const auto single = static_cast<float>(value);
    const auto [digits, exponent] =
        static_cast<double>(single) == value ? shortestDigits(single) : shortestDigits(value);
    return decimalText(value < 0, digits, exponent);
}

Error deviceOverflow(double given)
{
    return Error::detailed(ErrorNumber::Overflow,
                           QStringLiteral("%1 is beyond the range of device coordinates").arg(numberForMessage(given)));
}

int toDeviceInt(double pixels, double given)
{
    const double whole = std::floor(pixels + 0.5);
    // Both bounds are exact doubles; NaN fails the test as well.
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max())) {
        // A number that maps to no number at all: the scale has no extent.
        if (std::isfinite(given) && !std::isfinite(pixels))
            throw Error::detailed(ErrorNumber::Overflow,
                                  QStringLiteral("%1 has no device coordinate under a scale of zero extent")
                                      .arg(numberForMessage(given)));
        throw deviceOverflow(given);
    }
    return static_cast<int>(whole);
}

}  // namespace kwpnd
