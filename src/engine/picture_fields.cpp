// The picture and shape kinds.
//
// Every picture kind looks its picture up first (a component picture, a file,
// a registry entry, a captured control) and then paints it. A look-up that
// fails ends the kind: the driver reports that one failure and the paint step
// after it is skipped. The picture is a local value of the kind, never kept
// from an earlier field, so a failed look-up can neither repeat the picture
// of an earlier field nor cause a second report. A failing paint ends the
// kind the same way, which keeps a "Labels" grid to one report, not one per
// cell.
#include "picture_fields.h"

#include "kwpnd/error.h"
#include "kwpnd/surface.h"

#include <QSizeF>
#include <algorithm>
#include <cmath>

namespace kwpnd {

namespace {

std::optional<float> single(double v) { return static_cast<float>(v); }

// A negative size would only fail deeper down with a bare "invalid call":
// say which key is wrong.
void requireNonNegativeSize(const FieldRecord& r)
{
    if (r.Width < 0 || r.Height < 0)
        throw Error::detailed(ErrorNumber::InvalidProcedureCall,
                              QStringLiteral("a picture's Width and Height must not be negative (Width %1, Height %2)")
                                  .arg(r.Width)
                                  .arg(r.Height));
}

// Paints at the drawing position: stretched to Width × Height when either is
// set (a size of 0 draws nothing), else at the picture's natural size.
void paint(FieldContext& ctx, const Picture& picture, std::optional<std::int32_t> opcode = {})
{
    const FieldRecord& r = ctx.record;
    Surface& canvas = ctx.canvas;
    const float x = canvas.CurrentX();
    const float y = canvas.CurrentY();
    if (r.Width != 0 || r.Height != 0) {
        requireNonNegativeSize(r);
        canvas.PaintPicture(picture, x, y, single(r.Width), single(r.Height), {}, {}, {}, {}, opcode);
    } else {
        canvas.PaintPicture(picture, x, y, {}, {}, {}, {}, {}, {}, opcode);
    }
}

// A component picture is painted only when it is set; an unset one is no
// failure.
void paintComponentPicture(FieldContext& ctx, const char* name, std::optional<std::int32_t> opcode = {})
{
    const Picture picture = ctx.host.componentPicture(QLatin1String(name));
    if (!picture.isEmpty())
        paint(ctx, picture, opcode);
}

void paintCapturedControl(FieldContext& ctx, ControlRegistry registry)
{
    QObject* control = ctx.host.registeredControl(registry, ctx.record.data);
    paint(ctx, ctx.host.captureWindow(control));
}

// The whole part of a grid count; below 1 there is no cell. The bound keeps
// the count a whole number a 64-bit integer holds.
qint64 wholeCount(double count)
{
    if (!(count >= 1))
        return 0;
    return static_cast<qint64>(std::min(std::floor(count), 1e15));
}

// Size of one grid cell in device pixels.
QSizeF cellPixels(const Surface& canvas, const FieldRecord& r, const Picture& picture)
{
    if (r.Width == 0 && r.Height == 0)
        return QSizeF(picture.pixelSize());
    const QPointF zero = canvas.toPixels(0, 0);
    const QPointF size = canvas.toPixels(static_cast<float>(r.Width), static_cast<float>(r.Height)) - zero;
    return {std::abs(size.x()), std::abs(size.y())};
}

[[noreturn]] void refuseMoreCells()
{
    throw Error::detailed(ErrorNumber::Overflow,
                          QStringLiteral("a Labels grid paints at most %1 pictures; the cells after that were left out")
                              .arg(kMaxLabelCells));
}

// The picture file named by the field data. An empty name names no file at
// all; the report says where the name was looked for.
Picture pictureFile(const FieldRecord& r)
{
    if (r.data.isEmpty())
        throw Error::detailed(ErrorNumber::ObjectNotSet,
                              QStringLiteral("no picture file is named (the key Data of section [%1] in the data "
                                             "file is empty)")
                                  .arg(r.sectionName));
    return LoadPicture(r.data);
}

LineMode lineMode(const QString& bf)
{
    if (bf.contains(QLatin1Char('B')))
        return LineMode::Box;
    if (bf.contains(QLatin1Char('F')))
        return LineMode::FilledBox;
    return LineMode::Line;
}

}  // namespace

CellRun cellsOnCanvas(double origin, double step, double cellPixels, qint64 count, double canvasPixels)
{
    if (count <= 0 || !std::isfinite(origin))
        return {};
    // Cell i shows when its start origin + i · step lies in (low, high).
    const double low = -std::abs(cellPixels) - 1;
    const double high = canvasPixels + 1;
    if (step == 0 || !std::isfinite(step)) {
        // Every cell on the first one, or every other cell infinitely far.
        const bool shows = origin > low && origin < high;
        return shows ? CellRun{0, step == 0 ? count : 1} : CellRun{};
    }
    double a = (low - origin) / step;
    double b = (high - origin) / step;
    if (a > b)
        std::swap(a, b);
    // Rounding outwards keeps a cell at the very edge.
    const double first = std::max(0.0, std::floor(a));
    const double last = std::min(static_cast<double>(count - 1), std::ceil(b));
    if (!(first <= last))
        return {};
    return {static_cast<qint64>(first), static_cast<qint64>(last - first) + 1};
}

void drawLogo(FieldContext& ctx)
{
    // The logo always keeps its natural size, whatever Width and Height say.
    const Picture logo = ctx.host.componentPicture(QStringLiteral("Logo"));
    if (!logo.isEmpty())
        ctx.canvas.PaintPicture(logo, ctx.canvas.CurrentX(), ctx.canvas.CurrentY());
}

// RasterOp is a kept value: a layout that never set it combines with code 0.
void drawPicture1(FieldContext& ctx) { paintComponentPicture(ctx, "Picture1", ctx.record.RasterOp); }

void drawPicture2(FieldContext& ctx) { paintComponentPicture(ctx, "Picture2"); }

void drawPicture3(FieldContext& ctx) { paintComponentPicture(ctx, "Picture3"); }

void drawPicture4(FieldContext& ctx) { paintComponentPicture(ctx, "Picture4"); }

void drawPicFromFile(FieldContext& ctx) { paint(ctx, pictureFile(ctx.record)); }

void drawPicFromPictures(FieldContext& ctx) { paint(ctx, ctx.host.registeredPicture(ctx.record.data)); }

void drawGridFromFlexGrids(FieldContext& ctx) { paintCapturedControl(ctx, ControlRegistry::FlexGrids); }

void drawLVFromListviews(FieldContext& ctx) { paintCapturedControl(ctx, ControlRegistry::Listviews); }

void drawWBFromWebbrowsers(FieldContext& ctx) { paintCapturedControl(ctx, ControlRegistry::Webbrowsers); }

// One picture file in a grid of XCount × YCount cells, stepping Width +
// XSpacing across and Height + YSpacing down. Cells that lie wholly off the
// canvas are not painted (they would be clipped away), so a grid with a count
// of a billion costs no more than the cells that show.
void drawLabels(FieldContext& ctx)
{
    FieldRecord& r = ctx.record;
    Surface& canvas = ctx.canvas;
    const Picture picture = pictureFile(r);
    const double stepX = r.XSpacing + r.Width;
    const double stepY = r.YSpacing + r.Height;
    const qint64 columns = wholeCount(r.XCount);
    const qint64 rows = wholeCount(r.YCount);

    const QPointF origin = canvas.toPixels(static_cast<float>(r.XLeft), canvas.CurrentY());
    const QPointF step = canvas.toPixels(static_cast<float>(stepX), static_cast<float>(stepY)) - canvas.toPixels(0, 0);
    const QSizeF cell = cellPixels(canvas, r, picture);
    const CellRun across = cellsOnCanvas(origin.x(), step.x(), cell.width(), columns, canvas.pixelWidth());
    const CellRun down = cellsOnCanvas(origin.y(), step.y(), cell.height(), rows, canvas.pixelHeight());
    const double startY = canvas.CurrentY();

    if (across.count > 0) {
        qint64 painted = 0;
        canvas.CurrentY(static_cast<float>(startY + down.first * stepY));
        for (qint64 row = 0; row < down.count; ++row) {
            canvas.CurrentX(static_cast<float>(r.XLeft + across.first * stepX));
            for (qint64 column = 0; column < across.count; ++column) {
                if (painted++ == kMaxLabelCells)
                    refuseMoreCells();
                paint(ctx, picture);
                canvas.CurrentX(static_cast<float>(canvas.CurrentX() + stepX));
            }
            canvas.CurrentY(static_cast<float>(canvas.CurrentY() + stepY));
        }
    }
    // Where the whole grid leaves the drawing position.
    canvas.CurrentX(static_cast<float>(r.XLeft));
    canvas.CurrentY(static_cast<float>(startY + rows * stepY));
}

// Width and Height are the second corner, not a size.
void drawLine(FieldContext& ctx)
{
    const FieldRecord& r = ctx.record;
    ctx.canvas.Line(static_cast<float>(r.XLeft), static_cast<float>(r.YTop), static_cast<float>(r.Width),
                    static_cast<float>(r.Height), r.Forecolor, lineMode(r.BF));
}

// Width is the radius. A "B" or "F" in BF passes a start angle of 0, which
// draws the whole circle as an arc beginning at 0.
void drawCircle(FieldContext& ctx)
{
    const FieldRecord& r = ctx.record;
    std::optional<float> start;
    if (r.BF.contains(QLatin1Char('B')) || r.BF.contains(QLatin1Char('F')))
        start = 0.0f;
    ctx.canvas.Circle(static_cast<float>(r.XLeft), static_cast<float>(r.YTop), static_cast<float>(r.Width), r.Forecolor,
                      start);
}

}  // namespace kwpnd
