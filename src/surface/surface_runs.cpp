// Surface: runs of lines and boxes filled as whole rectangles of pixels.
//
// A line one pixel wide along a row or a column covers the pixel cells from
// one end to the other, both ends included; a filled box covers the cells
// from one corner to the other, both included (see Surface::Line). A run of
// such lines or boxes, each at most one pixel across from the one before,
// covers the rectangle from the first to the last; consecutive rectangles of
// one colour that together make a rectangle are painted as that rectangle.
// Painting keeps the order of the calls, so each pixel ends in the colour the
// separate calls leave it in; the rectangles between two calls of Line are
// painted and recorded as one operation. Whatever does not fit that picture (wider pens,
// slanted lines, outlines, coordinates far outside the surface or beyond a
// device integer) is drawn by Line itself.
#include "colour.h"
#include "geometry.h"
#include "kwpnd/surface.h"
#include "surface_state.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace kwpnd {

namespace {

// The cells of one rectangle, inclusive, in device pixels.
struct Cells {
    int left, top, right, bottom;
};

// Grows `p` by `c` when the two together are a rectangle.
bool extend(Cells& p, const Cells& c)
{
    const bool sameRows = c.top == p.top && c.bottom == p.bottom;
    const bool sameColumns = c.left == p.left && c.right == p.right;
    if (sameRows && c.left <= qint64(p.right) + 1 && c.right >= qint64(p.left) - 1) {
        p.left = std::min(p.left, c.left);
        p.right = std::max(p.right, c.right);
        return true;
    }
    if (sameColumns && c.top <= qint64(p.bottom) + 1 && c.bottom >= qint64(p.top) - 1) {
        p.top = std::min(p.top, c.top);
        p.bottom = std::max(p.bottom, c.bottom);
        return true;
    }
    return false;
}

// How scale units become pixels, as Surface::State::toPixels has it.
struct PixelScale {
    double perUnitX, perUnitY, left, top;
    int penWidth;

    double x(float v) const { return (double(v) - left) * perUnitX; }
    double y(float v) const { return (double(v) - top) * perUnitY; }
};

// Coordinates whose whole pixel is near the surface (NaN is not).
bool isNearPixel(double v) { return std::abs(v) <= kFarPixels - 1; }

// snapToPixel for a coordinate that isNearPixel.
double snapNear(double v)
{
    const double shifted = v + 0.5;
    const double whole = double(static_cast<long long>(shifted));
    return whole - double(whole > shifted);  // without a branch
}

// Whole numbers that single precision holds exactly, sums included.
bool isExactWhole(float v) { return std::abs(v) <= float(1 << 24) && float(static_cast<std::int32_t>(v)) == v; }

// Whether each line or box of a run lies at most one pixel across from the
// one before, so that together they leave no column out. The coordinates of
// the run must then be exact whole numbers: the step in pixels is below one
// pixel by more than any rounding, or exactly one pixel in a scale of whole
// pixels.
bool stepsByAPixelAtMost(const PixelScale& scale, const LineRun& run, const float (&xs)[4])
{
    for (float v : {xs[0], xs[1], xs[2], xs[3], run.stepX})
        if (!isExactWhole(v))
            return false;
    const double step = std::abs(double(run.stepX) * scale.perUnitX);
    if (step <= 1 - 1e-6)
        return true;
    return step == 1 && scale.perUnitX == 1 && scale.left == std::floor(scale.left);
}

// The cells a run covers, when it is one rectangle that a fill gives
// exactly.
std::optional<Cells> runCells(const PixelScale& scale, const LineRun& run)
{
    const float lastShift = float(run.count - 1) * run.stepX;
    const float xs[] = {run.x1, run.x2, run.x1 + lastShift, run.x2 + lastShift};
    if (run.mode == LineMode::Box)
        return std::nullopt;
    if (run.mode == LineMode::Line) {
        if (scale.penWidth != 1)
            return std::nullopt;
        // Slanted, or a line along a row moved along that row.
        if (run.x1 != run.x2 && !(run.y1 == run.y2 && run.count == 1))
            return std::nullopt;
    }
    if (run.count > 1 && !stepsByAPixelAtMost(scale, run, xs))
        return std::nullopt;
    const double px[] = {scale.x(xs[0]), scale.x(xs[1]), scale.x(xs[2]), scale.x(xs[3])};
    const double py[] = {scale.y(run.y1), scale.y(run.y2)};
    // The extremes, then their pixels: snapping keeps the order.
    const double left = std::min({px[0], px[1], px[2], px[3]});
    const double right = std::max({px[0], px[1], px[2], px[3]});
    const double top = std::min(py[0], py[1]);
    const double bottom = std::max(py[0], py[1]);
    if (!(isNearPixel(px[0]) && isNearPixel(px[1]) && isNearPixel(px[2]) && isNearPixel(px[3]) && isNearPixel(py[0]) &&
          isNearPixel(py[1])))
        return std::nullopt;
    return Cells{int(snapNear(left)), int(snapNear(top)), int(snapNear(right)), int(snapNear(bottom))};
}

// Whole-pixel drawing bounds as the edges of cells: left and top of the
// first, right and bottom past the last.
Cells boundsOf(const QRectF& bounds)
{
    return {int(bounds.left()), int(bounds.top()), int(bounds.right()), int(bounds.bottom())};
}

// The cells of `c` within `bounds`, as a fill of the cells from the first
// corner to past the last clamped to the bounds gives them; none when the
// fill lies wholly outside.
std::optional<QRect> clampedCells(const Cells& c, const Cells& bounds)
{
    const qint64 right = qint64(c.right) + 1;
    const qint64 bottom = qint64(c.bottom) + 1;
    if (right < bounds.left || c.left > bounds.right || bottom < bounds.top || c.top > bounds.bottom)
        return std::nullopt;
    const int left = std::clamp(c.left, bounds.left, bounds.right);
    const int top = std::clamp(c.top, bounds.top, bounds.bottom);
    return QRect(left, top, int(std::clamp<qint64>(right, bounds.left, bounds.right) - left),
                 int(std::clamp<qint64>(bottom, bounds.top, bounds.bottom) - top));
}

}  // namespace

void Surface::drawLines(std::span<const LineRun> runs)
{
    std::size_t runsDrawn = 0;
    drawLines(runs, runsDrawn);
}

void Surface::drawLines(std::span<const LineRun> runs, std::size_t& runsDrawn)
{
    runsDrawn = 0;
    // The run that an error stops at: the one being drawn.
    std::size_t failing = 0;
    const auto lineByLine = [&](std::size_t i) {
        failing = i;
        const LineRun& run = runs[i];
        for (int k = 0; k < run.count; ++k) {
            const float shift = float(k) * run.stepX;
            Line(run.x1 + shift, run.y1, run.x2 + shift, run.y2, run.colour, run.mode);
        }
    };
    const QSize size = d->pixelSize();
    if (size.isEmpty()) {
        try {
            for (std::size_t i = 0; i < runs.size(); ++i)
                lineByLine(i);
        } catch (...) {
            runsDrawn = failing;
            throw;
        }
        runsDrawn = runs.size();
        return;
    }
    const PixelScale scale{d->pixelsPerUnitX(), d->pixelsPerUnitY(), d->scaleLeft, d->scaleTop, d->drawWidth};
    // The rectangle waiting for the next one of its colour that extends it,
    // and the first run it covers.
    std::optional<Cells> pending;
    Colour pendingColour = 0;
    std::size_t pendingFirst = 0;
    // The rectangles so far, painted and recorded together before anything
    // else is drawn.
    std::vector<FillRunOp::Fill>& fills = d->fillScratch;
    fills.clear();
    const Cells bounds = boundsOf(State::drawingBounds(1, size));
    const auto flush = [&] {
        if (!pending)
            return;
        failing = pendingFirst;
        const Cells c = *std::exchange(pending, std::nullopt);
        if (std::optional<QRect> cells = clampedCells(c, bounds))
            fills.push_back({*cells, d->pixelOf(pendingColour)});
    };
    const auto paintFills = [&] {
        flush();
        d->drawFills(fills);
        fills.clear();
    };
    try {
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const LineRun& run = runs[i];
            if (run.count < 1)
                continue;
            const std::optional<Cells> cells = runCells(scale, run);
            if (!cells) {
                paintFills();
                lineByLine(i);
                continue;
            }
            if (!(pending && pendingColour == run.colour && extend(*pending, *cells))) {
                flush();
                pending = cells;
                pendingColour = run.colour;
                pendingFirst = i;
            }
            d->currentX = run.x2 + float(run.count - 1) * run.stepX;
            d->currentY = run.y2;
        }
        paintFills();
    } catch (...) {
        runsDrawn = failing;
        paintFills();  // what came before the failing run
        throw;
    }
    runsDrawn = runs.size();
}

}  // namespace kwpnd
