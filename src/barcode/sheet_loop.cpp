// The sheet loop: labels stamped in a grid on the page canvas.
//
// Only the cells that can show on the page are visited: the loop works out
// which columns and rows touch the canvas and jumps past the others, so a
// grid of a billion cells, or one whose pitch is zero or points away from
// the page, costs no more than the labels that show, and no more than
// kMaxSheetLabels of those.
#include "engine_api.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "label_sheet.h"
#include "sheet_limits.h"
#include "sheet_reports.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kwpnd {

namespace {
const QString kSheetCaption = QStringLiteral("Barcode Sheet");

// Where the drawing position ends along one axis after `count` pitches; an
// overflow (6) naming the keys when a position cannot hold it.
float positionAfter(double start, qint64 count, double pitch, const char* countKey, const char* pitchKeys)
{
    const double end = start + double(count) * pitch;
    if (!(std::abs(end) <= std::numeric_limits<float>::max()))
        throw Error::detailed(ErrorNumber::Overflow,
                              QStringLiteral("%1 %2 labels of %3 %4 end at %5, beyond any position on the page")
                                  .arg(QLatin1String(countKey), numberText(double(count)), QLatin1String(pitchKeys),
                                       numberText(pitch), numberText(end)));
    return float(end);
}

// Pixels of one pitch on the canvas (a pitch beyond a float is infinite).
QPointF pitchPixels(const Surface& canvas, double x, double y)
{
    const auto single = [](double v) {
        return std::abs(v) <= std::numeric_limits<float>::max() ? float(v) : std::copysign(INFINITY, float(v));
    };
    return canvas.toPixels(single(x), single(y)) - canvas.toPixels(0, 0);
}
// The cells of one axis of the grid whose stamps show on the canvas.
struct CellRun {
    qint64 first = 0;
    qint64 count = 0;
};

// Cell i starts at pixel v = origin + i · step and is stamped from the pixel
// nearest to v, so it shows when 0.5 - cellPixels <= v < canvasPixels - 0.5.
// Worked out, not searched for: a run of a billion cells, or of cells a
// billionth of a pixel apart, costs nothing.
CellRun visibleCells(double origin, double step, int cellPixels, qint64 count, int canvasPixels)
{
    const double low = 0.5 - cellPixels;
    const double high = canvasPixels - 0.5;
    const auto shows = [&](qint64 i) {
        const double v = origin + double(i) * step;
        return v >= low && v < high;
    };
    if (count <= 0 || !std::isfinite(origin))
        return {};
    if (step == 0 || !std::isfinite(step))
        return shows(0) ? CellRun{0, step == 0 ? count : 1} : CellRun{};

    double first = step > 0 ? std::ceil((low - origin) / step) : std::floor((high - origin) / step) + 1;
    double last = step > 0 ? std::ceil((high - origin) / step) - 1 : std::floor((low - origin) / step);
    first = std::max(first, 0.0);
    last = std::min(last, double(count - 1));
    if (!(first <= last))
        return {};
    CellRun run{qint64(first), qint64(last - first) + 1};
    // Rounding at the very edges may have kept a cell that does not show.
    if (!shows(run.first) && --run.count > 0)
        ++run.first;
    if (run.count > 0 && !shows(run.first + run.count - 1))
        --run.count;
    return run;
}
}  // namespace

void BarcodeLabelComposer::drawSheet(LabelSheetWindow& window, const FieldRecord& f)
{
    Surface& canvas = window.canvas();
    const QString& section = f.sectionName;
    SheetReports reports(window.dialogs(), section);
    auto step = [&](auto&& statement) { return reports.run(statement); };

    QString first;
    step([&] { first = window.ReadDataValue(section, QStringLiteral("BarcodeData")); });
    step([&] { MakeBarCode(window, f, first); });
    n_ = toNumber(first);

    const bool sequential = sheetParameters(f).BarCodeSequential == 1;
    const double columnPitch = f.XSpacing + f.Width;
    const double rowPitch = f.YSpacing + f.Height;
    const qint64 columns = sheetCount(f.XCount);
    const qint64 rows = sheetCount(f.YCount);
    const double startY = canvas.CurrentY();

    // The cells that can show, by the label surface's size: every stamp has it.
    const Surface& label = window.picBarCodeLabel();
    const QPointF origin = canvas.toPixels(float(f.XLeft), float(startY));
    const QPointF pitch = pitchPixels(canvas, columnPitch, rowPitch);
    const CellRun across = visibleCells(origin.x(), pitch.x(), label.pixelWidth(), columns, canvas.pixelWidth());
    const CellRun down = visibleCells(origin.y(), pitch.y(), label.pixelHeight(), rows, canvas.pixelHeight());

    qint64 stamped = 0;
    bool capped = false;
    for (qint64 row = down.first; row < down.first + down.count && !capped; ++row) {
        for (qint64 column = across.first; column < across.first + across.count; ++column) {
            if (stamped == kMaxSheetLabels) {
                capped = true;
                break;
            }
            canvas.CurrentX(float(f.XLeft + double(column) * columnPitch));
            canvas.CurrentY(float(startY + double(row) * rowPitch));
            if (sequential) {
                n_ += 1;
                step([&] { MakeBarCode(window, f, numberText(n_)); });
            }
            step([&] { canvas.PaintPicture(stamp_, canvas.CurrentX(), canvas.CurrentY()); });
            ++stamped;
        }
    }

    // Where the whole grid leaves the drawing position.
    canvas.CurrentX(float(f.XLeft));
    step([&] { canvas.CurrentY(positionAfter(startY, rows, rowPitch, "YCount", "YSpacing + Height")); });

    const double cells = double(rows) * double(columns);
    if (capped) {
        reports.report(
            Error::detailed(ErrorNumber::Overflow,
                            QStringLiteral("a barcode sheet stamps at most %1 labels; XCount %2 and "
                                           "YCount %3 with XSpacing + Width %4 and YSpacing + Height %5 put more "
                                           "than that on the page, and the labels after the first %1 were left out")
                                .arg(numberText(double(kMaxSheetLabels)), numberText(f.XCount), numberText(f.YCount),
                                     numberText(columnPitch), numberText(rowPitch))));
    } else if (stamped < cells) {
        window.dialogs().messageBox(
            QStringLiteral("The barcode sheet reaches the edge of the page: %1 of its %2 labels are not drawn "
                           "and their numbers are not used.")
                    .arg(numberText(cells - double(stamped)), numberText(cells)) +
                QLatin1String("\r\n") + section,
            MsgButtons::OK, MsgIcon::Information, kSheetCaption);
    }
    step([&] { window.WriteDataValue(section, QStringLiteral("BarcodeEndNumber"), numberText(n_)); });
}

}  // namespace kwpnd
