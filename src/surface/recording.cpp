#include "recording.h"

#include "text_font.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

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
    usePen(op.stroke, Qt::MiterJoin);
    const qreal shift = strokeShift(op.stroke);
    const QRectF rect = op.rect.translated(shift, shift);
    if (rect.width() == 0 || rect.height() == 0)
        painter_.drawLine(QLineF(rect.topLeft(), rect.bottomRight()));
    else
        painter_.drawRect(rect);
}

void OpPainter::paint(const FillOp& op)
{
    // An opaque colour over whole cells of the raster is those cells set to
    // it, as the painter would set them, without the painter's set-up.
    if (raster_ && op.colour.alpha() == 255 && raster_->format() == QImage::Format_RGB32 &&
        std::abs(op.cells.left()) < kWholeCellLimit && std::abs(op.cells.top()) < kWholeCellLimit &&
        op.cells.width() < kWholeCellLimit && op.cells.height() < kWholeCellLimit) {
        const QRect cells(int(op.cells.left()), int(op.cells.top()), int(op.cells.width()), int(op.cells.height()));
        if (QRectF(cells) != op.cells) {
            painter_.fillRect(op.cells, op.colour);
            return;
        }
        const QRect area = cells & raster_->rect();
        if (area.isEmpty())
            return;
        const QRgb value = op.colour.rgba();
        const qsizetype stride = raster_->bytesPerLine();
        uchar* row = raster_->bits() + area.top() * stride;
        for (int y = area.top(); y <= area.bottom(); ++y, row += stride) {
            auto* line = reinterpret_cast<QRgb*>(row) + area.left();
            std::fill(line, line + area.width(), value);
        }
        return;
    }
    painter_.fillRect(op.cells, op.colour);
}

void OpPainter::paint(const ArcOp& op)
{
    usePen(op.stroke, Qt::RoundJoin);
    const qreal shift = strokeShift(op.stroke);
    painter_.drawPath(shift == 0 ? op.path : op.path.translated(shift, shift));
}

void OpPainter::paint(const TextOp& op)
{
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
    if (chunks_.empty() || chunks_.back().size() == kChunk) {
        chunks_.emplace_back();
        chunks_.back().reserve(kChunk);
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

void Recording::paintOps(QPainter& painter, OpPainter& ops) const
{
    const QRect inner(QPoint(0, 0), innerSize_);
    ops_.forEach([&](const DrawOp& op) {
        if (const auto* keepOnly = std::get_if<KeepOnlyOp>(&op)) {
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
