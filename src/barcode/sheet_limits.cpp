#include "sheet_limits.h"

#include "engine_api.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"

#include <algorithm>
#include <cmath>

namespace kwpnd {

namespace {
[[noreturn]] void refuse(const QString& what) { throw Error::detailed(ErrorNumber::InvalidPropertyValue, what); }

double pixelsOfTwips(double twips) { return std::round(twips / TwipsPerPixelX); }
}  // namespace

void checkComposingSize(const char* widthKey, double widthTwips, const char* heightKey, double heightTwips)
{
    const QString keys =
        QStringLiteral("%1 %2, %3 %4")
            .arg(QLatin1String(widthKey), numberText(widthTwips), QLatin1String(heightKey), numberText(heightTwips));
    if (!(widthTwips >= 0 && heightTwips >= 0))
        refuse(keys + QStringLiteral(": a size cannot be negative"));
    const double width = pixelsOfTwips(widthTwips);
    const double height = pixelsOfTwips(heightTwips);
    if (width > Surface::kMaxPixelSide || height > Surface::kMaxPixelSide || width * height > kMaxComposingPixels)
        refuse(keys + QStringLiteral(" make a surface of %1 x %2 pixels; a label or barcode surface may have at "
                                     "most %3 pixels and %4 on a side")
                          .arg(numberText(width), numberText(height), numberText(double(kMaxComposingPixels)),
                               numberText(Surface::kMaxPixelSide)));
}

void checkCode39Size(std::int16_t barHeight, const QString& data)
{
    // What the encoder will do: 1.4 × barHeight pixels high, modules of a
    // fortieth of that, first widened to 16.5 modules per character.
    const double height = 1.4 * barHeight;
    const double module = std::max(1.0, std::nearbyint(height / 40));
    const double width = 16.5 * module * double(data.size() + 2);
    if (barHeight < 0)
        refuse(QStringLiteral("BarCodeHeight %1: a bar height cannot be negative").arg(barHeight));
    if (height > Surface::kMaxPixelSide || width * height > kMaxComposingPixels)
        refuse(QStringLiteral("BarCodeHeight %1 makes a Code 39 symbol of about %2 x %3 pixels for \"%4\"; a barcode "
                              "surface may have at most %5 pixels and %6 on a side")
                   .arg(barHeight)
                   .arg(numberText(std::round(width)), numberText(std::round(height)), data,
                        numberText(double(kMaxComposingPixels)), numberText(Surface::kMaxPixelSide)));
}

qint64 sheetCount(double count)
{
    if (!(count >= 1))
        return 0;
    return static_cast<qint64>(std::min(std::floor(count), 1e15));
}

}  // namespace kwpnd
