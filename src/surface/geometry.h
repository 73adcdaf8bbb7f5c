#pragma once
// Small geometry helpers for keeping shapes within reach of the rasteriser.

#include <QLineF>
#include <QRectF>

namespace kwpnd {

// Whether the bounding box of the segment touches `area` (degenerate
// segments and areas included).
bool touches(const QLineF& segment, const QRectF& area);

// Cuts the segment to `area`; false when no part of it lies inside.
bool clipSegment(QLineF& segment, const QRectF& area);

// The rectangle with each edge moved into `area`'s span (a far edge stays
// just outside what is visible).
QRectF clampTo(const QRectF& rect, const QRectF& area);

}  // namespace kwpnd
