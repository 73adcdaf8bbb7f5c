// The sheet loop: labels stamped in a grid on the page canvas.
#include "barcode/label_sheet.h"
#include "engine/conversions.h"
#include "engine/error_handling.h"
#include "kwpnd/surface.h"

#include <cmath>

namespace kwpnd {

namespace {
const QString kSheetCaption = QStringLiteral("Barcode Sheet");

// How many times a loop "for i = 1 while i <= count" runs.
double timesUpTo(double count) { return count >= 1 ? std::floor(count) : 0; }

// Whether a stamp at (x, y) lies wholly outside the canvas along one axis and
// every later cell, one pitch further each, lies further out (or as far).
class CanvasEdge {
public:
    CanvasEdge(const Surface& canvas, const Picture& stamp) : canvas_(canvas)
    {
        const QSize size = stamp.pixelSize();
        stampWidth_ = std::max(size.width(), 1);
        stampHeight_ = std::max(size.height(), 1);
    }

    bool columnsEndAt(float x, float y, double pitch) const
    {
        const double at = canvas_.toPixels(x, y).x();
        const double step = canvas_.toPixels(float(x + pitch), y).x() - at;
        return beyond(at, step, stampWidth_, canvas_.pixelWidth());
    }

    bool rowsEndAt(float x, float y, double pitch) const
    {
        const double at = canvas_.toPixels(x, y).y();
        const double step = canvas_.toPixels(x, float(y + pitch)).y() - at;
        return beyond(at, step, stampHeight_, canvas_.pixelHeight());
    }

private:
    static bool beyond(double at, double step, int size, int extent)
    {
        return (at >= extent && step >= 0) || (at + size <= 0 && step <= 0);
    }

    const Surface& canvas_;
    int stampWidth_;
    int stampHeight_;
};
}  // namespace

void BarcodeLabelComposer::drawSheet(LabelSheetWindow& window, const FieldRecord& f)
{
    Surface& canvas = window.canvas();
    const QString& section = f.sectionName;
    auto step = [&](auto&& statement) { return reportAndContinue(window.dialogs(), section, statement); };

    QString first;
    step([&] { first = window.ReadDataValue(section, QStringLiteral("BarcodeData")); });
    step([&] { MakeBarCode(window, f, first); });
    n_ = toNumber(first);

    const bool sequential = f.barcode.BarCodeSequential == 1;
    const double columnPitch = f.XSpacing + f.Width;
    const double rowPitch = f.YSpacing + f.Height;
    const double columns = timesUpTo(f.XCount);
    const double rows = timesUpTo(f.YCount);
    double notDrawn = 0;

    for (double row = 1; row <= rows; ++row) {
        if (CanvasEdge(canvas, stamp_).rowsEndAt(canvas.CurrentX(), canvas.CurrentY(), rowPitch)) {
            notDrawn += (rows - row + 1) * columns;
            break;
        }
        for (double column = 1; column <= columns; ++column) {
            if (CanvasEdge(canvas, stamp_).columnsEndAt(canvas.CurrentX(), canvas.CurrentY(), columnPitch)) {
                notDrawn += columns - column + 1;
                break;
            }
            if (sequential) {
                n_ += 1;
                step([&] { MakeBarCode(window, f, numberText(n_)); });
            }
            step([&] { canvas.PaintPicture(stamp_, canvas.CurrentX(), canvas.CurrentY()); });
            step([&] { canvas.CurrentX(float(canvas.CurrentX() + columnPitch)); });
        }
        step([&] { canvas.CurrentX(float(f.XLeft)); });
        step([&] { canvas.CurrentY(float(canvas.CurrentY() + rowPitch)); });
    }

    if (notDrawn > 0) {
        window.dialogs().messageBox(
            QStringLiteral("The barcode sheet reaches the edge of the page: %1 of its %2 labels are not drawn "
                           "and their numbers are not used.")
                    .arg(numberText(notDrawn), numberText(rows * columns)) +
                QLatin1String("\r\n") + section,
            MsgButtons::OK, MsgIcon::Information, kSheetCaption);
    }
    step([&] { window.WriteDataValue(section, QStringLiteral("BarcodeEndNumber"), numberText(n_)); });
}

}  // namespace kwpnd
