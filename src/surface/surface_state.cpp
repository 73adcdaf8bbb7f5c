#include "surface_state.h"

#include "colour.h"
#include "kwpnd/error.h"
#include "raster_op.h"
#include "scale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kwpnd {

void requireFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            throw deviceOverflow(v);
}

int pixelsOf(double twips) { return static_cast<int>(std::floor(twips / TwipsPerPixelX + 0.5)); }

int checkedPixels(double twips) { return toDeviceInt(twips / TwipsPerPixelX, twips); }

QImage makeRaster(QSize size)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw Error(ErrorNumber::OutOfMemory);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    return image;
}

namespace {
// The pixels of `area` of one raster into the same place of another, both
// of 32-bit pixels and holding the area.
void copyPixels(const QImage& from, const QRect& area, QImage& to)
{
    if (from.isNull() || area.isEmpty())
        return;
    const std::size_t bytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(to.scanLine(y)) + area.left(),
                    reinterpret_cast<const QRgb*>(from.constScanLine(y)) + area.left(), bytes);
}
}  // namespace

double Surface::State::pixelsPerUnitX() const
{
    if (const auto unit = twipsPerUnit(scaleMode))
        return unit->x / TwipsPerPixelX;
    return pixelSize().width() / double(userWidth);
}

double Surface::State::pixelsPerUnitY() const
{
    if (const auto unit = twipsPerUnit(scaleMode))
        return unit->y / TwipsPerPixelY;
    return pixelSize().height() / double(userHeight);
}

QPointF Surface::State::toPixels(double x, double y) const
{
    return {(x - scaleLeft) * pixelsPerUnitX(), (y - scaleTop) * pixelsPerUnitY()};
}

QPoint Surface::State::devicePoint(double x, double y) const
{
    const QPointF p = toPixels(x, y);
    return {toDeviceInt(p.x(), x), toDeviceInt(p.y(), y)};
}

int Surface::State::deviceLengthX(double units) const { return toDeviceInt(units * pixelsPerUnitX(), units); }

int Surface::State::deviceLengthY(double units) const { return toDeviceInt(units * pixelsPerUnitY(), units); }

QRectF Surface::State::drawingBounds(int penWidth) const { return drawingBounds(penWidth, pixelSize()); }

QRectF Surface::State::drawingBounds(int penWidth, QSize size)
{
    const double margin = penWidth + 2;
    return QRectF(-margin, -margin, size.width() + 2 * margin, size.height() + 2 * margin);
}

const SurfaceFont& Surface::State::currentSurfaceFont() const
{
    if (!font)
        font = &fonts.find(fontName, fontSize, fontStyle);
    return *font;
}

OpPainter* Surface::State::canvas()
{
    if (rasterStale)
        settleRaster();
    if (live)
        return &*live;
    if (image.isNull())
        return nullptr;
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    live.emplace(painter, true, &image);
    return &*live;
}

void Surface::State::endPainting()
{
    if (!live)
        return;
    live->paintWaitingGlyphs();
    live.reset();
    painter.end();
}

void Surface::State::settleRaster()
{
    const QSize size = pixelSize();
    const bool remake = image.size() != size || image.isNull() != size.isEmpty();
    if (live) {
        live->dropWaitingGlyphs();  // painted again from the recording
        if (remake) {
            live.reset();
            painter.end();
        }  // else the painter stays open on the raster it paints again
    }
    if (remake)
        image = makeRaster(size);  // may throw: the raster stays stale
    rasterStale = false;
    if (OpPainter* ops = canvas()) {
        paintBackground();
        recording->paintOps(painter, *ops);
    }
}

void Surface::State::paintBackground()
{
    if (!recording->setBackColour(image))
        recording->paintBackground(painter, image.rect());
}

Recording& Surface::State::recordingToChange()
{
    if (recording.use_count() > 1)
        recording = std::make_shared<Recording>(*recording);
    return *recording;
}

void Surface::State::drawRasterOp(const QRect& target, const kwpnd::Picture& picture, const QRect& source,
                                  std::uint8_t operation)
{
    const QRect changedArea = target & QRect(QPoint(0, 0), pixelSize());
    if (changedArea.isEmpty())
        return;
    if (rasterStale)
        settleRaster();
    endPainting();  // the pixels are read and written directly
    applyRasterOp(image, target, picture.image(), source, operation);
    const QImage result = image.copy(changedArea);
    recordingToChange().add(
        PictureOp{QRectF(changedArea), kwpnd::Picture(result), QRectF(QPointF(0, 0), result.size())});
    markChanged();
}

void Surface::State::drawFills(std::span<const FillRunOp::Fill> fills)
{
    if (fills.empty())
        return;
    if (!paintsLater()) {
        OpPainter* ops = canvas();
        if (!ops)
            return;
        ops->paintFills(fills);
    }
    recordingToChange().addFills(fills);
    markChanged();
}

QRgb Surface::State::pixelOf(Colour colour)
{
    for (const ConvertedColour& c : converted)
        if (c.known && c.colour == colour)
            return c.pixel;
    ConvertedColour& c = converted[std::size_t(nextConverted)];
    c = {colour, toQColor(colour).rgba(), true};
    nextConverted ^= 1;
    return c.pixel;
}

void Surface::State::markChanged()
{
    if (changed)
        return;
    changed = true;
    if (listener)
        listener();
}

void Surface::State::erase()
{
    recording = std::make_shared<Recording>(pixelSize(), back, background);
    // Made again, at the next drawing or reading, from the new recording:
    // erasing twice in a row costs one fill.
    rasterStale = true;
    markChanged();
}

void Surface::State::rerender()
{
    if (rasterHeld) {
        rasterStale = true;
    } else if (OpPainter* ops = canvas()) {
        ops->dropWaitingGlyphs();  // painted again from the recording
        paintBackground();
        recording->paintOps(painter, *ops);
    }
    markChanged();
}

void Surface::State::resize(double newWidthTwips, double newHeightTwips)
{
    const QSize before = pixelSize();
    const QSize after(pixelsOf(newWidthTwips), pixelsOf(newHeightTwips));
    if (rasterStale && after != before) {
        // Nothing to keep from the raster: it is made at its final size.
        setOuterSize(newWidthTwips, newHeightTwips);
        recordingToChange().resize(after, QRect(QPoint(0, 0), before.boundedTo(after)));
        markChanged();
        return;
    }
    QImage next = after == before ? QImage() : makeRaster(after);  // may throw: nothing changed yet
    setOuterSize(newWidthTwips, newHeightTwips);
    if (after == before)
        return;

    endPainting();
    // Content survives where the old and the new area overlap.
    const QRect keep(QPoint(0, 0), before.boundedTo(after));
    recordingToChange().resize(after, keep);
    if (!next.isNull()) {
        const QRect copied = keep & QRect(QPoint(0, 0), image.size());
        if (recording->setBackColour(next, copied.size())) {
            copyPixels(image, copied, next);
        } else {
            QPainter p(&next);
            recording->paintBackground(p, next.rect());
            if (!image.isNull() && !keep.isEmpty())
                p.drawImage(QPoint(0, 0), image, keep);
        }
    }
    image = std::move(next);
    markChanged();
}

}  // namespace kwpnd
