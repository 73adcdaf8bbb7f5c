// A label sheet drawn for the field being generated, and the field kinds of
// this folder.
#include "barcode_api.h"
#include "engine_api.h"
#include "label_sheet.h"

namespace kwpnd {

namespace {
// The window as the composer sees it: the field's canvas and file access,
// and the two composing surfaces the window owns.
class FieldSheetWindow : public LabelSheetWindow {
public:
    FieldSheetWindow(FieldContext& ctx, Surface& symbol, Surface& label) : ctx_(ctx), symbol_(symbol), label_(label) {}
    Surface& canvas() override { return ctx_.canvas; }
    Surface& picBarCodePicObj() override { return symbol_; }
    Surface& picBarCodeLabel() override { return label_; }
    QString ReadDataValue(const QString& section, const QString& key) override
    {
        return ctx_.driver.ReadDataValue(section, key);
    }
    void WriteDataValue(const QString& section, const QString& key, const QString& text) override
    {
        ctx_.driver.WriteDataValue(section, key, text);
    }
    Dialogs& dialogs() override { return ctx_.host.dialogs(); }

private:
    FieldContext& ctx_;
    Surface& symbol_;
    Surface& label_;
};
}  // namespace

void drawBarcodeSheet(FieldContext& ctx, Surface& picBarCodePicObj, Surface& picBarCodeLabel,
                      BarcodeLabelComposer& composer)
{
    FieldSheetWindow window(ctx, picBarCodePicObj, picBarCodeLabel);
    composer.drawSheet(window, ctx.record);
}

BarcodeSheetState& barcodeSheetState(FieldRecord& record)
{
    return kindState<BarcodeSheetState>(record, kBarcodeSheetType);
}

void drawBarcodeSheetField(FieldContext& ctx)
{
    const GenerationHost::ComposingSurfaces surfaces = ctx.host.composingSurfaces();
    if (!surfaces.part || !surfaces.whole) {
        drawPlainText(ctx);
        return;
    }
    drawBarcodeSheet(ctx, *surfaces.part, *surfaces.whole, barcodeSheetState(ctx.record).composer);
    ctx.host.composingSurfacesChanged();
}

void registerBarcodeFieldKinds()
{
    registerFieldKind(FieldKind{kBarcodeSheetType, barcodeSheetKeys(), drawBarcodeSheetField});
}

}  // namespace kwpnd
