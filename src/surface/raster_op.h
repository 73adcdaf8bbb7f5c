#pragma once
// Ternary raster operations: the 256 ways of combining a pattern (P), a
// source (S) and a destination (D) bit by bit.
//
// The operation byte is bits 16..23 of the classic 32-bit code; a result bit
// is the byte's bit at index (P << 2) | (S << 1) | D, applied to each of the
// 24 colour bits. The pattern is a solid white brush (all ones), the brush a
// fresh device context holds.

#include <QImage>
#include <QRect>
#include <cstdint>

namespace kwpnd {

inline constexpr std::uint32_t kRasterOpPattern = 0xFFFFFF;

inline constexpr std::uint8_t rasterOperation(std::int32_t code)
{
    return static_cast<std::uint8_t>((static_cast<std::uint32_t>(code) >> 16) & 0xFF);
}

// One pixel's 24 colour bits combined by `operation`.
std::uint32_t combine(std::uint8_t operation, std::uint32_t pattern, std::uint32_t source, std::uint32_t destination);

// Combines `source` (the `sourceRect` part of it, stretched to `targetRect`
// nearest-neighbour) into `target` (Format_RGB32) within `targetRect`, clipped
// to the target image.
void applyRasterOp(QImage& target, const QRect& targetRect, const QImage& source, const QRect& sourceRect,
                   std::uint8_t operation);

}  // namespace kwpnd
