// Composing one label.
#include "engine_api.h"
#include "kwpnd/surface.h"
#include "label_sheet.h"
#include "label_symbols.h"
#include "label_values.h"
#include "sheet_limits.h"

namespace kwpnd {

namespace {
QString labelToolTip(const FieldRecord& f)
{
    return sheetParameters(f).BarCodeSymbol + QStringLiteral(" type barcode label.") + QStringLiteral(" Width : ") +
           numberText(f.Width) + QStringLiteral(" Height : ") + numberText(f.Height) + QStringLiteral(", XCount : ") +
           numberText(f.XCount) + QStringLiteral(" YCount : ") + numberText(f.YCount);
}

// Styles set to 1 are switched on; any other value leaves the style the
// label surface has from earlier labels.
void applyLabelFont(Surface& label, const FieldRecord& f)
{
    label.FontSize(f.FontSize);
    label.FontName(f.FontName);
    label.ForeColor(f.Forecolor);
    if (f.FontBold == 1 && !label.FontBold())
        label.FontBold(true);
    if (f.FontStrikethrough == 1)
        label.FontStrikethru(true);
    if (f.FontItalic == 1)
        label.FontItalic(true);
    if (f.FontUnderline == 1)
        label.FontUnderline(true);
}

void printAt(Surface& surface, float x, float y, const QString& text)
{
    surface.CurrentX(x);
    surface.CurrentY(y);
    surface.Print(text);
}
}  // namespace

void BarcodeLabelComposer::MakeBarCode(LabelSheetWindow& window, const FieldRecord& f, const QString& sBarcodeNumber)
{
    const BarcodeSheetParameters& p = sheetParameters(f);
    Surface& symbolSurface = window.picBarCodePicObj();
    Surface& label = window.picBarCodeLabel();
    auto data = [&](const char* key) { return window.ReadDataValue(f.sectionName, QLatin1String(key)); };

    symbolSurface.ScaleMode(scaleModeOf(p.BarCodeObjectscale));
    symbolSurface.ToolTipText(p.BarCodeSymbol + QStringLiteral(" type barcode."));
    label.Visible(true);
    label.ToolTipText(labelToolTip(f));

    // A user scale of the field's size: with the automatic size the label's
    // outer size becomes Width × Height window units.
    label.ScaleHeight(float(f.Height));
    label.ScaleWidth(float(f.Width));
    if (p.BarCodeLabelAuto == 1) {
        checkComposingSize("Width", f.Width, "Height", f.Height);
        label.Height(label.ScaleHeight());
        label.Width(label.ScaleWidth());
    } else {
        checkComposingSize("BarCodeLabelWidth", p.BarCodeLabelWidth, "BarCodeLabelHeight", p.BarCodeLabelHeight);
        checkComposingSize("BarCodeObjectWidth", p.BarCodeObjectWidth, "BarCodeObjectHeight", p.BarCodeObjectHeight);
        label.Width(float(p.BarCodeLabelWidth));
        label.Height(float(p.BarCodeLabelHeight));
        symbolSurface.Width(float(p.BarCodeObjectWidth));
        symbolSurface.Height(float(p.BarCodeObjectHeight));
    }

    // Assigning the back colours erases both surfaces: the last label goes.
    symbolSurface.BackColor(colourFromTriple(p.BarCodeBackcolor));
    label.BackColor(colourFromTriple(p.BarCodeLabelBackcolor));
    label.ScaleMode(scaleModeOf(p.BarCodeLabelscale));

    LabelSymbol symbol{sBarcodeNumber, sBarcodeNumber, p.BarCodeHeight};
    if (p.BarCodeFooterCombine == 1)
        symbol.caption += QLatin1Char(' ') + data("BarcodeFooter");
    drawLabelSymbol(p.BarCodeSymbol, symbol, symbolSurface);

    applyLabelFont(label, f);
    if (p.BarCodeHeader == 1)
        printAt(label, p.BarCodeHeaderX, p.BarCodeHeaderY, data("BarcodeHeader"));

    // The anchor is the label's centre less the offsets (half the symbol's
    // size centres it), or the offsets themselves.
    if (p.BarCodeLabelDiff != 0) {
        label.CurrentX(float(label.ScaleWidth() / 2 - p.BarCodeLabelDiffX));
        label.CurrentY(float(label.ScaleHeight() / 2 - p.BarCodeLabelDiffY));
    } else {
        label.CurrentX(float(p.BarCodeLabelDiffX));
        label.CurrentY(float(p.BarCodeLabelDiffY));
    }
    const Picture symbolImage = symbolSurface.Image();
    if (p.BarCodeObjectX == 0 && p.BarCodeObjectY == 0)
        label.PaintPicture(symbolImage, label.CurrentX(), label.CurrentY());
    else
        label.PaintPicture(symbolImage, float(p.BarCodeObjectX), float(p.BarCodeObjectY));

    if (p.BarCodeFooter == 1)
        printAt(label, p.BarCodeFooterX, p.BarCodeFooterY, data("BarcodeFooter"));
    // One line under the footer (where the footer left the position), a
    // little lower, in a plain 10-point face.
    if (p.BarCodeBottom == 1) {
        label.FontSize(10);
        label.FontBold(false);
        printAt(label, p.BarCodeFooterX, label.CurrentY() + 0.1f, data("BarcodeBottom"));
    }

    stamp_ = label.Image();
}

}  // namespace kwpnd
