#include "label_values.h"

#include "engine_api.h"
#include "kwpnd/error.h"

#include <limits>

namespace kwpnd {

Colour colourFromTriple(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() < 3)
        throw Error(ErrorNumber::SubscriptOutOfRange);
    const long long red = toStrictInteger(parts[0]);
    const long long green = toStrictInteger(parts[1]);
    const long long blue = toStrictInteger(parts[2]);
    const long long colour = red + 256 * green + 65536 * blue;
    if (colour < std::numeric_limits<Colour>::min() || colour > std::numeric_limits<Colour>::max())
        throw Error(ErrorNumber::Overflow);
    return Colour(colour);
}

std::int16_t scaleModeOf(double value) { return roundToInteger(value); }

}  // namespace kwpnd
