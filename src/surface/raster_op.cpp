#include "raster_op.h"

#include <vector>

namespace kwpnd {

std::uint32_t combine(std::uint8_t operation, std::uint32_t pattern, std::uint32_t source, std::uint32_t destination)
{
    // Each of the eight (P, S, D) combinations selects the colour bits where it
    // holds; the operation byte says which of them yield a one.
    std::uint32_t result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (!(operation & (1u << index)))
            continue;
        const std::uint32_t p = (index & 4) ? pattern : ~pattern;
        const std::uint32_t s = (index & 2) ? source : ~source;
        const std::uint32_t d = (index & 1) ? destination : ~destination;
        result |= p & s & d;
    }
    return result & 0xFFFFFF;
}

void applyRasterOp(QImage& target, const QRect& targetRect, const QImage& source, const QRect& sourceRect,
                   std::uint8_t operation)
{
    const QRect area = targetRect & target.rect();
    if (area.isEmpty() || sourceRect.isEmpty() || targetRect.isEmpty())
        return;
    const QImage src = source.convertToFormat(QImage::Format_RGB32);

    // Nearest source column for each target column (sampled at pixel centres).
    std::vector<int> column(static_cast<std::size_t>(area.width()));
    for (int x = area.left(); x <= area.right(); ++x) {
        const double at = (x - targetRect.left() + 0.5) * sourceRect.width() / targetRect.width();
        column[static_cast<std::size_t>(x - area.left())] =
            sourceRect.left() + std::min(sourceRect.width() - 1, static_cast<int>(at));
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const double at = (y - targetRect.top() + 0.5) * sourceRect.height() / targetRect.height();
        const int sy = sourceRect.top() + std::min(sourceRect.height() - 1, static_cast<int>(at));
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb s = in[column[static_cast<std::size_t>(x - area.left())]];
            out[x] = 0xFF000000u | combine(operation, kRasterOpPattern, s, out[x]);
        }
    }
}

}  // namespace kwpnd
