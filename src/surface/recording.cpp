#include "recording.h"

#include "text_font.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace kwpnd {

namespace {
// Cells beyond this many pixels are left to the painter.
constexpr qreal kWholeCellLimit = 1 << 24;

bool isWhole(qreal v) { return std::abs(v - std::round(v)) < 1e-6; }
}  // namespace

bool isOneToOne(const QPainter& painter, const QRectF& target, QSize size)
{
    if (std::abs(target.width() - size.width()) > 1e-6 || std::abs(target.height() - size.height()) > 1e-6)
        return false;
    if (const QPaintDevice* device = painter.device(); device && device->devicePixelRatioF() != 1.0)
        return false;
    const QTransform t = painter.combinedTransform();
    if (t.type() > QTransform::TxTranslate)
        return false;
    const QPointF origin = t.map(target.topLeft());
    return isWhole(origin.x()) && isWhole(origin.y());
}

namespace {
// Whether two rectangles share some of their area.
bool overlaps(const QRectF& a, const QRectF& b)
{
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
}
}  // namespace

QRectF glyphReach(const QRectF& outlines, const QFont& font)
{
    // Glyphs are put on whole pixels vertically (half a pixel either way at
    // most) and on quarters of one horizontally, and a face emboldened for
    // want of a bold style grows by a 24th of its em.
    const qreal bold = font.pointSizeF() * kScreenDpi / 72 / 24;
    const qreal across = 0.25 + bold;
    const qreal down = 0.5 + bold;
    return outlines.adjusted(-across, -down, across, down);
}

// ---- OpPainter -------------------------------------------------------------

OpPainter::OpPainter(QPainter& painter, bool exact, QImage* raster) : painter_(painter), exact_(exact), raster_(raster)
{
    painter_.setBrush(Qt::NoBrush);
}

void OpPainter::paint(const DrawOp& op)
{
    std::visit(
        [this](const auto& o) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(o)>, KeepOnlyOp>)
                paint(o);
        },
        op);
}

void OpPainter::usePen(const Stroke& stroke, Qt::PenJoinStyle join)
{
    const QRgb colour = stroke.colour.rgba();
    auto matches = [&](const PenEntry& e) { return e.colour == colour && e.width == stroke.width && e.join == join; };
    if (current_ >= 0 && matches(pens_[current_]))
        return;
    for (int i = 0; i < kPens; ++i) {
        if (i != current_ && pens_[i].width != 0 && matches(pens_[i])) {
            painter_.setPen(pens_[i].pen);
            current_ = i;
            return;
        }
    }
    // A one-pixel segment covers both of its end pixels; wider pens end round.
    const Qt::PenCapStyle cap = stroke.width <= 1 ? Qt::SquareCap : Qt::RoundCap;
    PenEntry& entry = pens_[nextFree_];
    entry = {colour, stroke.width, join, QPen(QBrush(stroke.colour), stroke.width, Qt::SolidLine, cap, join)};
    painter_.setPen(entry.pen);
    current_ = nextFree_;
    nextFree_ = (nextFree_ + 1) % kPens;
}

// The raster puts an odd-width stroke through the cell right of and below its
// point, an even-width one symmetrically around it.
qreal OpPainter::strokeShift(const Stroke& stroke) const { return exact_ || stroke.width % 2 == 0 ? 0.0 : 0.5; }

void OpPainter::paint(const SegmentOp& op)
{
    paintWaitingGlyphs();
    usePen(op.stroke, Qt::RoundJoin);
    const qreal shift = strokeShift(op.stroke);
    const QLineF line = op.line.translated(shift, shift);
    if (line.p1() == line.p2())
        painter_.drawPoint(line.p1());
    else
        painter_.drawLine(line);
}

void OpPainter::paint(const BoxOutlineOp& op)
{
    paintWaitingGlyphs();
    usePen(op.stroke, Qt::MiterJoin);
    const qreal shift = strokeShift(op.stroke);
    const QRectF rect = op.rect.translated(shift, shift);
    if (rect.width() == 0 || rect.height() == 0)
        painter_.drawLine(QLineF(rect.topLeft(), rect.bottomRight()));
    else
        painter_.drawRect(rect);
}

bool OpPainter::writesCellsDirectly() const { return raster_ && raster_->format() == QImage::Format_RGB32; }

namespace {
// The rows of a raster of 32-bit pixels, written directly.
struct RasterRows {
    uchar* bits;
    qsizetype stride;

    explicit RasterRows(QImage& image) : bits(image.bits()), stride(image.bytesPerLine()) {}
    QRgb* at(int x, int y) const { return reinterpret_cast<QRgb*>(bits + y * stride) + x; }

    // Sets the cells of `area`, which lies within the raster, to a value.
    void set(const QRect& area, QRgb value) const
    {
        if (area.isEmpty())
            return;
        QRgb* line = at(area.left(), area.top());
        const int width = area.width();
        const qsizetype step = stride / qsizetype(sizeof(QRgb));
        for (int y = area.top(); y <= area.bottom(); ++y, line += step) {
            if (width == 1)
                *line = value;
            else
                std::fill(line, line + width, value);
        }
    }

    // Copies the cells of row `y` from `left` to `right` to the rows below
    // it, down to `bottom`.
    void copyDown(int y, int left, int right, int bottom) const
    {
        const uchar* source = reinterpret_cast<const uchar*>(at(left, y));
        const std::size_t bytes = std::size_t(right - left + 1) * sizeof(QRgb);
        uchar* line = reinterpret_cast<uchar*>(at(left, y + 1));
        if (bytes > 256) {
            for (int row = y + 1; row <= bottom; ++row, line += stride)
                std::memcpy(line, source, bytes);
            return;
        }
        // A short span: copies of a fixed size, which need no call.
        const std::size_t whole = bytes & ~std::size_t(15);
        for (int row = y + 1; row <= bottom; ++row, line += stride) {
            std::size_t k = 0;
            for (; k < whole; k += 16)
                std::memcpy(line + k, source + k, 16);
            switch (bytes - whole) {
            case 12:
                std::memcpy(line + k, source + k, 12);
                break;
            case 8:
                std::memcpy(line + k, source + k, 8);
                break;
            case 4:
                std::memcpy(line + k, source + k, 4);
                break;
            default:
                break;
            }
        }
    }
};

// The cells of `cells` within a raster of `size`.
QRect within(const QRect& cells, const QSize& size)
{
    const int left = std::max(cells.left(), 0);
    const int top = std::max(cells.top(), 0);
    const int right = std::min(cells.right(), size.width() - 1);
    const int bottom = std::min(cells.bottom(), size.height() - 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}
}  // namespace

void OpPainter::paint(const FillOp& op)
{
    if (!waiting_.batches.empty())
        paintWaitingGlyphsNear(op.cells);
    // An opaque colour over whole cells of the raster is those cells set to
    // it, as the painter would set them, without the painter's set-up.
    if (writesCellsDirectly() && op.colour.alpha() == 255 && std::abs(op.cells.left()) < kWholeCellLimit &&
        std::abs(op.cells.top()) < kWholeCellLimit && op.cells.width() < kWholeCellLimit &&
        op.cells.height() < kWholeCellLimit) {
        const QRect cells(int(op.cells.left()), int(op.cells.top()), int(op.cells.width()), int(op.cells.height()));
        if (QRectF(cells) != op.cells) {
            painter_.fillRect(op.cells, op.colour);
            return;
        }
        if (const QRect area = within(cells, raster_->size()); !area.isEmpty())
            RasterRows(*raster_).set(area, op.colour.rgba());
        return;
    }
    painter_.fillRect(op.cells, op.colour);
}

// Fills that cover the same rows and together an unbroken span of columns
// leave every one of those rows alike: the first row is filled, and the
// others are copies of it.
void OpPainter::paintFills(std::span<const FillRunOp::Fill> fills)
{
    if (!waiting_.batches.empty())
        for (const FillRunOp::Fill& f : fills)
            paintWaitingGlyphsNear(QRectF(f.cells));
    const bool direct = writesCellsDirectly() && std::all_of(fills.begin(), fills.end(), [](const FillRunOp::Fill& f) {
                            return qAlpha(f.colour) == 255;
                        });
    if (!direct) {
        for (const FillRunOp::Fill& f : fills)
            painter_.fillRect(QRectF(f.cells), QColor::fromRgba(f.colour));
        return;
    }
    const QSize size = raster_->size();
    const RasterRows rows(*raster_);
    for (std::size_t i = 0; i < fills.size();) {
        const QRect first = within(fills[i].cells, size);
        if (first.isEmpty()) {
            ++i;
            continue;
        }
        int left = first.left();
        int right = first.right();
        std::size_t end = i + 1;
        for (; end < fills.size(); ++end) {
            const QRect c = within(fills[end].cells, size);
            if (c.isEmpty() || c.top() != first.top() || c.bottom() != first.bottom() || c.left() > right + 1 ||
                c.right() < left - 1)
                break;
            left = std::min(left, c.left());
            right = std::max(right, c.right());
        }
        if (end - i == 1 || first.height() == 1) {
            for (; i < end; ++i)
                rows.set(within(fills[i].cells, size), fills[i].colour);
            continue;
        }
        for (; i < end; ++i) {
            const QRect c = within(fills[i].cells, size);
            rows.set(QRect(c.left(), c.top(), c.width(), 1), fills[i].colour);
        }
        rows.copyDown(first.top(), left, right, first.bottom());
    }
}

void OpPainter::paint(const ArcOp& op)
{
    paintWaitingGlyphs();
    usePen(op.stroke, Qt::RoundJoin);
    const qreal shift = strokeShift(op.stroke);
    painter_.drawPath(shift == 0 ? op.path : op.path.translated(shift, shift));
}

bool OpPainter::waits(const TextOp& op) const
{
    return raster_ && exact_ && !op.glyphs.isEmpty() && op.angleDegrees == 0 && !op.glyphOutlines.isEmpty();
}

void OpPainter::paintWaitingGlyphs()
{
    if (waiting_.batches.empty())
        return;
    painter_.setPen(waiting_.colour);
    current_ = -1;
    for (const GlyphBatch& batch : waiting_.batches) {
        QGlyphRun run;
        run.setRawFont(batch.font);
        run.setGlyphIndexes(batch.indexes);
        run.setPositions(batch.positions);
        painter_.drawGlyphRun(QPointF(0, 0), run);
    }
    dropWaitingGlyphs();
}

void OpPainter::dropWaitingGlyphs()
{
    waiting_.batches.clear();
    waiting_.cells.clear();
    waiting_.reach = QRectF();
}

void OpPainter::paintWaitingGlyphsNear(const QRectF& cells)
{
    if (!overlaps(waiting_.reach, cells))
        return;
    for (const QRectF& waiting : waiting_.cells)
        if (overlaps(waiting, cells)) {
            paintWaitingGlyphs();
            return;
        }
}

void OpPainter::paint(const TextOp& op)
{
    if (waits(op)) {
        if (!waiting_.batches.empty() && waiting_.colour != op.colour)
            paintWaitingGlyphs();
        waiting_.colour = op.colour;
        // Each glyph lands where drawing the text at its baseline puts it;
        // glyphs of another font start a batch of their own, so that the
        // glyphs are painted in the order of the texts.
        const QPointF baseline(op.topLeft.x(), op.topLeft.y() + op.ascent);
        for (const QGlyphRun& run : op.glyphs) {
            const QRawFont font = run.rawFont();
            if (waiting_.batches.empty() || !(waiting_.batches.back().font == font))
                waiting_.batches.push_back({font, {}, {}});
            GlyphBatch& batch = waiting_.batches.back();
            batch.indexes += run.glyphIndexes();
            for (const QPointF& p : run.positions())
                batch.positions.append(p + baseline);
        }
        waiting_.cells.push_back(glyphReach(op.glyphOutlines.translated(baseline), op.font));
        waiting_.reach |= waiting_.cells.back();
        return;
    }
    paintWaitingGlyphs();
    painter_.setPen(op.colour);
    current_ = -1;
    if (exact_ && !op.glyphs.isEmpty() && op.angleDegrees == 0) {
        const QPointF baseline(op.topLeft.x(), op.topLeft.y() + op.ascent);
        for (const QGlyphRun& run : op.glyphs)
            painter_.drawGlyphRun(baseline, run);
        return;
    }
    painter_.setFont(fontForDevice(op.font, painter_.device()));
    if (op.angleDegrees == 0) {
        for (qsizetype i = 0; i < op.lines.size(); ++i)
            painter_.drawText(QPointF(op.topLeft.x(), op.topLeft.y() + op.ascent + i * op.lineSpacing), op.lines[i]);
        return;
    }
    painter_.save();
    painter_.translate(op.topLeft);
    painter_.rotate(-op.angleDegrees);  // the painter turns clockwise
    for (qsizetype i = 0; i < op.lines.size(); ++i)
        painter_.drawText(QPointF(0, op.ascent + i * op.lineSpacing), op.lines[i]);
    painter_.restore();
}

void OpPainter::paint(const PlacedTextOp& op)
{
    paintWaitingGlyphs();
    painter_.setPen(op.colour);
    current_ = -1;
    if (exact_ && !op.glyphs.isEmpty()) {
        for (const QGlyphRun& run : op.glyphs)
            painter_.drawGlyphRun(QPointF(0, 0), run);
        return;
    }
    painter_.setFont(fontForDevice(op.font, painter_.device()));
    for (qsizetype i = 0; i < op.chars.size(); ++i)
        painter_.drawText(QPointF(op.topLefts[i].x(), op.topLefts[i].y() + op.ascent), QString(op.chars[i]));
}

void OpPainter::paint(const PictureOp& op)
{
    paintWaitingGlyphs();
    const Picture& picture = op.picture;
    if (exact_ || !recordingOf(picture) || op.source.isEmpty()) {
        painter_.drawImage(op.target, picture.image(), op.source);
        return;
    }
    // Replay the whole picture so that its source part lands on the target,
    // and let the clip keep only that part.
    const qreal kx = op.target.width() / op.source.width();
    const qreal ky = op.target.height() / op.source.height();
    const QSize size = picture.pixelSize();
    const QRectF whole(op.target.x() - op.source.x() * kx, op.target.y() - op.source.y() * ky, size.width() * kx,
                       size.height() * ky);
    painter_.save();
    painter_.setClipRect(op.target, Qt::IntersectClip);
    recordingOf(picture)->replay(painter_, whole);
    painter_.restore();
    current_ = -1;
}

// ---- OpList ----------------------------------------------------------------

void OpList::push_back(DrawOp op)
{
    if (chunks_.empty() || chunks_.back().size() == chunks_.back().capacity()) {
        // Small at first: most surfaces record a few operations between
        // erasures.
        const std::size_t next =
            chunks_.empty() ? kFirstChunk : std::clamp(2 * chunks_.back().capacity(), kFirstChunk, kChunk);
        chunks_.emplace_back();
        chunks_.back().reserve(next);
    }
    chunks_.back().push_back(std::move(op));
    ++size_;
}

// ---- Recording -------------------------------------------------------------

Recording::Recording(QSize innerSize, QColor back, Picture background)
    : innerSize_(innerSize), back_(std::move(back)), background_(std::move(background))
{
}

void Recording::resize(QSize innerSize, QRect keep)
{
    if (!ops_.empty())
        ops_.push_back(KeepOnlyOp{keep});
    innerSize_ = innerSize;
}

void Recording::paintBackground(QPainter& painter, const QRect& area) const
{
    painter.fillRect(area, back_);
    if (background_.isEmpty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    background_.draw(painter, QRectF(QPointF(0, 0), QSizeF(background_.pixelSize())));
    painter.restore();
}

void Recording::addFills(std::span<const FillRunOp::Fill> fills)
{
    if (DrawOp* last = ops_.last())
        if (auto* run = std::get_if<FillRunOp>(last)) {
            run->fills.insert(run->fills.end(), fills.begin(), fills.end());
            return;
        }
    ops_.push_back(FillRunOp{{fills.begin(), fills.end()}});
}

bool Recording::setBackColour(QImage& raster, QSize kept) const
{
    if (!background_.isEmpty() || back_.alpha() != 255 || raster.format() != QImage::Format_RGB32)
        return false;
    kept = kept.boundedTo(raster.size());
    if (kept.isEmpty()) {
        raster.fill(back_);
        return true;
    }
    const RasterRows rows(raster);
    const QRgb value = back_.rgba();
    rows.set(QRect(kept.width(), 0, raster.width() - kept.width(), kept.height()), value);
    rows.set(QRect(0, kept.height(), raster.width(), raster.height() - kept.height()), value);
    return true;
}

void Recording::paintOps(QPainter& painter, OpPainter& ops) const
{
    const QRect inner(QPoint(0, 0), innerSize_);
    ops_.forEach([&](const DrawOp& op) {
        if (const auto* keepOnly = std::get_if<KeepOnlyOp>(&op)) {
            ops.paintWaitingGlyphs();
            for (const QRect& lost : QRegion(inner).subtracted(QRegion(keepOnly->keep)))
                paintBackground(painter, lost);
            return;
        }
        ops.paint(op);
    });
}

void Recording::replay(QPainter& painter, const QRectF& target) const
{
    if (innerSize_.isEmpty() || target.isEmpty())
        return;
    const bool exact = isOneToOne(painter, target, innerSize_);
    painter.save();
    QTransform toTarget = QTransform::fromTranslate(target.x(), target.y());
    toTarget.scale(target.width() / innerSize_.width(), target.height() / innerSize_.height());
    painter.setTransform(toTarget, true);
    const QRect inner(QPoint(0, 0), innerSize_);
    painter.setClipRect(inner, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    paintBackground(painter, inner);
    OpPainter ops(painter, exact);
    paintOps(painter, ops);
    painter.restore();
}

}  // namespace kwpnd
