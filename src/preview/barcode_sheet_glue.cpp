// The window composes barcode label sheets on its two composing surfaces.
#include "barcode/label_sheet.h"
#include "preview_window.h"

namespace kwpnd {

void frmKWPNDPreviewA::MakeBarCode(FieldContext& ctx)
{
    if (!barcodeComposer_)
        barcodeComposer_ = std::make_shared<BarcodeLabelComposer>();
    drawBarcodeSheet(ctx, picBarCodePicObj(), picBarCodeLabel(), *barcodeComposer_);
    // Composing shows the label surface: let its view follow.
    syncComposingViews();
}

}  // namespace kwpnd
