// Surface: lines, boxes, circles and erasing.
#include "colour.h"
#include "geometry.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "surface_state.h"

#include <cmath>
#include <numbers>

namespace kwpnd {

namespace {
constexpr double kFullTurn = 2 * std::numbers::pi;

bool isFar(const QLineF& s)
{
    return std::abs(s.x1()) > kFarPixels || std::abs(s.y1()) > kFarPixels || std::abs(s.x2()) > kFarPixels ||
           std::abs(s.y2()) > kFarPixels;
}

double degrees(double radians) { return radians * 180 / std::numbers::pi; }

// An angle of an arc: its size (radians), and whether a radius is drawn to
// it, which a negative angle asks for.
struct ArcEnd {
    double angle;
    bool radius;
};

ArcEnd arcEnd(double value)
{
    if (std::abs(value) > kFullTurn + 1e-6)
        throw Error(ErrorNumber::InvalidProcedureCall);
    return {std::abs(value), value < 0};
}
}  // namespace

void Surface::Cls()
{
    d->erase();
    d->currentX = 0;
    d->currentY = 0;
}

// Boxes include the pixel row and column of their far corner, so a box from
// x to x (zero units wide) is one pixel wide, and elements drawn side by side
// share their edge, the later one covering it. Coordinates that are not
// numbers (NaN, infinity) are an overflow, as converting them to device
// pixels would be.
void Surface::Line(float x1, float y1, float x2, float y2, std::optional<Colour> colour, LineMode mode)
{
    requireFinite({x1, y1, x2, y2});
    const QColor ink = colour ? toQColor(*colour) : d->fore;
    if (!d->hasArea()) {
        d->currentX = x2;
        d->currentY = y2;
        return;
    }
    QLineF segment(d->devicePoint(x1, y1), d->devicePoint(x2, y2));
    d->currentX = x2;
    d->currentY = y2;

    const Stroke stroke{ink, d->drawWidth};
    const QRectF bounds = d->drawingBounds(stroke.width);
    switch (mode) {
    case LineMode::Line:
        if (isFar(segment)) {
            if (!clipSegment(segment, bounds))
                return;
            segment = QLineF(snapToPixel(segment.x1()), snapToPixel(segment.y1()), snapToPixel(segment.x2()),
                             snapToPixel(segment.y2()));
        } else if (!touches(segment, bounds)) {
            return;
        }
        d->draw(SegmentOp{segment, stroke});
        return;
    case LineMode::Box: {
        const QRectF box = QRectF(segment.p1(), segment.p2()).normalized();
        if (!touches(QLineF(box.topLeft(), box.bottomRight()), bounds))
            return;
        d->draw(BoxOutlineOp{clampTo(box, bounds), stroke});
        return;
    }
    case LineMode::FilledBox: {
        const QRectF box = QRectF(segment.p1(), segment.p2()).normalized();
        const QRectF cells = box.adjusted(0, 0, 1, 1);
        if (!touches(QLineF(cells.topLeft(), cells.bottomRight()), bounds))
            return;
        d->draw(FillOp{clampTo(cells, bounds), ink});
        return;
    }
    }
}

// The radius is measured in horizontal units and belongs to the longer axis:
// with an aspect (vertical / horizontal) below 1 it is the horizontal radius,
// above 1 the vertical one. Negative angles draw a radius to that end of the
// arc, as the classic drawing statement does.
void Surface::Circle(float x, float y, float radius, std::optional<Colour> colour, std::optional<float> start,
                     std::optional<float> end, std::optional<float> aspect)
{
    requireFinite({x, y, radius, start.value_or(0), end.value_or(0), aspect.value_or(1)});
    const QColor ink = colour ? toQColor(*colour) : d->fore;
    const bool arc = start || end;
    const ArcEnd from = arcEnd(start.value_or(0));
    const ArcEnd to = arcEnd(end.value_or(kFullTurn));
    if (!d->hasArea()) {
        d->currentX = x;
        d->currentY = y;
        return;
    }
    const QPointF centre = d->devicePoint(x, y);
    const double r = std::abs(double(d->deviceLengthX(radius)));
    d->currentX = x;
    d->currentY = y;

    const double ratio = std::abs(aspect.value_or(1));
    const double rx = ratio > 1 ? r / ratio : r;
    const double ry = ratio > 1 ? r : r * ratio;
    const Stroke stroke{ink, d->drawWidth};
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    if (r > kFarPixels || !touches(QLineF(box.topLeft(), box.bottomRight()), d->drawingBounds(stroke.width)))
        return;

    QPainterPath path;
    if (!arc) {
        path.addEllipse(box);
    } else {
        double span = to.angle - from.angle;
        if (span <= 0)
            span += kFullTurn;  // counter-clockwise, through 0 when needed
        if (from.radius)
            path.moveTo(centre);
        else
            path.arcMoveTo(box, degrees(from.angle));
        path.arcTo(box, degrees(from.angle), degrees(span));
        if (to.radius)
            path.lineTo(centre);
    }
    d->draw(ArcOp{path, stroke});
}

}  // namespace kwpnd
