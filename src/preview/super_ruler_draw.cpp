// SuperRuler: drawing the scale and the tracking line on the face.
#include "kwpnd/error.h"
#include "super_ruler_p.h"

#include <cmath>

namespace kwpnd {

namespace {
// Distance of a number from its major line, twips.
constexpr float kNumberOffset = 30;

bool isHalfTick(std::int64_t j, std::int64_t major, std::int32_t interval)
{
    return 2 * j == 2 * major + interval;  // j == major + interval / 2, exactly
}
}  // namespace

void SuperRuler::printNumber(float x, float y, std::int32_t number)
{
    d->face.CurrentX(x);
    d->face.CurrentY(y);
    // A number that is not negative keeps the sign's place as a blank.
    d->face.Print((number >= 0 ? QStringLiteral(" ") : QString()) + QString::number(number) + QLatin1Char(' '));
}

static std::int32_t majorNumber(std::int64_t position, std::int32_t interval, std::int32_t start)
{
    const std::int64_t n = position / interval + start;
    if (n < INT32_MIN || n > INT32_MAX)
        throw Error(ErrorNumber::Overflow);
    return static_cast<std::int32_t>(n);
}

void SuperRuler::drawHorizontal(int length, float thickness)
{
    const std::int32_t U = d->majorInterval, m = minorInterval();
    for (std::int64_t i = 0; i <= length; i += U) {
        d->face.Line(float(i), 0, float(i), thickness);
        printNumber(float(i) + kNumberOffset, 0, majorNumber(i, U, d->startValue));
        for (std::int64_t j = i + m; m > 0 && j <= i + U - m; j += m) {
            const float from = isHalfTick(j, i, U) ? thickness / 2 : thickness - thickness / 3;
            d->face.Line(float(j), from, float(j), thickness);
        }
    }
}

void SuperRuler::drawVertical(int length, float thickness)
{
    const std::int32_t U = d->majorInterval, m = minorInterval();
    for (std::int64_t i = 0; i <= length; i += U) {
        d->face.Line(0, float(i), thickness, float(i));
        printNumber(0, float(i) + kNumberOffset, majorNumber(i, U, d->startValue));
        for (std::int64_t j = i + m; m > 0 && j <= i + U - m; j += m) {
            const float from = isHalfTick(j, i, U) ? thickness / 2 : thickness - thickness / 3;
            d->face.Line(from, float(j), thickness, float(j));
        }
    }
}

void SuperRuler::DrawRuler()
{
    fitFace();  // a hidden control gets its resize event only when shown
    d->face.Cls();
    if (d->destroyRuler || d->majorInterval <= 0)
        return;
    // The length runs over the whole control, border included; the
    // thickness is the face's inner one.
    if (d->orientation == 0)
        drawHorizontal(static_cast<int>(std::lrint(width() * double(TwipsPerPixelX))), d->face.ScaleHeight());
    else if (d->orientation == 1)
        drawVertical(static_cast<int>(std::lrint(height() * double(TwipsPerPixelY))), d->face.ScaleWidth());
}

void SuperRuler::RenderTrackLine(float& X, float& Y)
{
    if (!d->mouseTrackingOn)
        return;
    DrawRuler();
    if (d->orientation == 0)
        d->face.Line(X, 0, X, d->face.ScaleHeight());
    else if (d->orientation == 1)
        d->face.Line(0, Y, d->face.ScaleWidth(), Y);
}

}  // namespace kwpnd
