// Surface: copying pictures onto the surface.
//
// Sizes and the source rectangle are given in the surface's scale units, the
// way the classic statement takes them: the source rectangle is measured on
// the picture as if it lay on this surface (a picture pixel is a surface
// pixel), so x2 = 30 in a pixel scale starts at the picture's 31st column,
// and in twips at its third. Omitted source values take the whole picture
// (from the given corner on); an omitted destination size is the source's
// size. Under a flipped user scale the picture is placed by its top-left
// corner but never mirrored. A plain copy lets the transparent parts of a
// picture (a PNG's alpha) show what lies beneath; the other raster operations
// use the picture's colours only.
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "raster_op.h"
#include "surface_state.h"

#include <cmath>

namespace kwpnd {

namespace {
void requireArgument(bool ok)
{
    if (!ok)
        throw Error(ErrorNumber::InvalidProcedureCall);
}

// A size may be omitted; a given one must not be negative (a size that is no
// number is an overflow, found where it becomes pixels).
void requireSize(const std::optional<float>& size) { requireArgument(!size || !(*size < 0)); }

// A span of `length` pixels from `start`, both edges snapped to whole device
// pixels; an edge without a device pixel names the number it came from.
struct Span {
    double from;
    double to;
};

Span span(double start, double length, double givenStart, double givenLength)
{
    return {double(toDeviceInt(start, givenStart)), double(toDeviceInt(start + length, givenLength))};
}

// A rectangle of doubles whose edges are snapped to whole pixels.
QRectF snapped(double left, double top, double width, double height)
{
    const double l = snapToPixel(left);
    const double t = snapToPixel(top);
    return QRectF(QPointF(l, t), QPointF(snapToPixel(left + width), snapToPixel(top + height)));
}
}  // namespace

void Surface::PaintPicture(const kwpnd::Picture& picture, float x1, float y1, std::optional<float> width1,
                           std::optional<float> height1, std::optional<float> x2, std::optional<float> y2,
                           std::optional<float> width2, std::optional<float> height2,
                           std::optional<std::int32_t> opcode)
{
    if (picture.isEmpty())
        throw Error(ErrorNumber::ObjectNotSet);
    requireFinite({x1, y1, x2.value_or(0), y2.value_or(0), width1.value_or(0), height1.value_or(0), width2.value_or(0),
                   height2.value_or(0)});
    requireSize(width1);
    requireSize(height1);
    requireSize(width2);
    requireSize(height2);
    if (!d->hasArea())
        return;

    const double kx = std::abs(d->pixelsPerUnitX());
    const double ky = std::abs(d->pixelsPerUnitY());
    const QSize natural = picture.pixelSize();

    // Source, in the picture's pixels.
    const double sx = x2.value_or(0) * kx;
    const double sy = y2.value_or(0) * ky;
    const Span across =
        span(sx, width2 ? *width2 * kx : natural.width() - sx, x2.value_or(0), width2.value_or(natural.width()));
    const Span down =
        span(sy, height2 ? *height2 * ky : natural.height() - sy, y2.value_or(0), height2.value_or(natural.height()));
    const QRectF source(QPointF(across.from, down.from), QPointF(across.to, down.to));
    if (source.width() <= 0 || source.height() <= 0)
        return;

    // Destination, in the surface's pixels.
    const QPointF at = d->devicePoint(x1, y1);
    const double tw = width1 ? toDeviceInt(*width1 * kx, *width1) : source.width();
    const double th = height1 ? toDeviceInt(*height1 * ky, *height1) : source.height();
    if (tw <= 0 || th <= 0)
        return;  // a zero size draws nothing
    QRectF target(at, QSizeF(tw, th));

    // Only the part of the source that lies on the picture is copied, to the
    // matching part of the destination.
    const QRectF onPicture = source & QRectF(QPointF(0, 0), QSizeF(natural));
    if (onPicture.isEmpty())
        return;
    const double fx = tw / source.width();
    const double fy = th / source.height();
    target = snapped(target.x() + (onPicture.x() - source.x()) * fx, target.y() + (onPicture.y() - source.y()) * fy,
                     onPicture.width() * fx, onPicture.height() * fy);
    if (target.isEmpty() || !target.intersects(d->drawingBounds(0)))
        return;
    // A picture stretched far beyond the surface while covering part of it
    // is more than the rasteriser is asked to place.
    if (target.width() > kFarPixels || std::abs(target.x()) > kFarPixels)
        throw deviceOverflow(width1.value_or(x1));
    if (target.height() > kFarPixels || std::abs(target.y()) > kFarPixels)
        throw deviceOverflow(height1.value_or(y1));

    const std::uint8_t operation = rasterOperation(opcode.value_or(SRCCOPY));
    if (operation == rasterOperation(SRCCOPY))
        d->draw(PictureOp{target, picture, onPicture});
    else
        d->drawRasterOp(target.toRect(), picture, onPicture.toRect(), operation);
}

}  // namespace kwpnd
