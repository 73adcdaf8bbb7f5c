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
#include "surface/raster_op.h"
#include "surface/surface_state.h"

#include <cmath>

namespace kwpnd {

namespace {
void requireArgument(bool ok)
{
    if (!ok)
        throw Error(ErrorNumber::InvalidProcedureCall);
}

void requireSize(const std::optional<float>& size)
{
    requireArgument(!size || (std::isfinite(*size) && *size >= 0));
}

// A rectangle of doubles whose edges are snapped to whole pixels.
QRectF snapped(double left, double top, double width, double height)
{
    const double l = snapToPixel(left);
    const double t = snapToPixel(top);
    return QRectF(QPointF(l, t), QPointF(snapToPixel(left + width), snapToPixel(top + height)));
}
}  // namespace

void Surface::PaintPicture(const kwpnd::Picture& picture, float x1, float y1,
                           std::optional<float> width1, std::optional<float> height1,
                           std::optional<float> x2, std::optional<float> y2,
                           std::optional<float> width2, std::optional<float> height2,
                           std::optional<std::int32_t> opcode)
{
    if (picture.isEmpty())
        throw Error(ErrorNumber::ObjectNotSet);
    requireArgument(std::isfinite(x1) && std::isfinite(y1));
    requireArgument(std::isfinite(x2.value_or(0)) && std::isfinite(y2.value_or(0)));
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
    const QRectF source = snapped(sx, sy, width2 ? *width2 * kx : natural.width() - sx,
                                  height2 ? *height2 * ky : natural.height() - sy);
    if (source.width() <= 0 || source.height() <= 0)
        return;

    // Destination, in the surface's pixels.
    const QPointF at = d->devicePoint(x1, y1);
    const double tw = width1 ? snapToPixel(*width1 * kx) : source.width();
    const double th = height1 ? snapToPixel(*height1 * ky) : source.height();
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
    target = snapped(target.x() + (onPicture.x() - source.x()) * fx,
                     target.y() + (onPicture.y() - source.y()) * fy, onPicture.width() * fx,
                     onPicture.height() * fy);
    if (target.isEmpty() || !target.intersects(d->drawingBounds(0)))
        return;
    if (target.width() > kFarPixels || target.height() > kFarPixels ||
        std::abs(target.x()) > kFarPixels || std::abs(target.y()) > kFarPixels)
        throw Error(ErrorNumber::Overflow);

    const std::uint8_t operation = rasterOperation(opcode.value_or(SRCCOPY));
    if (operation == rasterOperation(SRCCOPY))
        d->draw(PictureOp{target, picture, onPicture});
    else
        d->drawRasterOp(target.toRect(), picture, onPicture.toRect(), operation);
}

}  // namespace kwpnd
