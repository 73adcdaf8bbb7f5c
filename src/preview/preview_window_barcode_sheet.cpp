// frmKWPNDPreviewA and barcode label sheets: composing a sheet on the two
// composing surfaces (the label surface and the barcode surface), and what a
// person does with them: their menu, the double clicks and the label text
// editor.
#include "barcode_label_editor.h"
#include "barcode_sheet_inspector.h"
#include "barcode_sheet_menu.h"
#include "kwpnd/error.h"
#include "preview_form.h"
#include "preview_visual.h"
#include "preview_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace kwpnd {

GenerationHost::ComposingSurfaces frmKWPNDPreviewA::composingSurfaces()
{
    // Composing shows the label surface: composingSurfacesChanged lets its
    // view follow.
    return {&picBarCodePicObj(), &picBarCodeLabel()};
}

namespace {
QAction* hideLabelItem(PreviewForm& form)
{
    return form.mnuBarcodeSheetMenu->findChild<QAction*>(QStringLiteral("mnuBarcodeSheetMenuHideLabel"));
}
}  // namespace

void frmKWPNDPreviewA::syncComposingViews()
{
    if (!visual_ || !visual_->form)
        return;
    PreviewForm& f = *visual_->form;
    const std::pair<SurfaceView*, Surface*> views[] = {
        {f.picBarCodePicObj, &picBarCodePicObj()},
        {f.picBarCodeLabel, &picBarCodeLabel()},
    };
    // The views live in the label inspector beside the window, never over
    // the page canvas.
    BarcodeSheetInspector& inspector = BarcodeSheetInspector::of(f);
    for (const auto& [view, surface] : views) {
        view->syncGeometry();
        view->setVisible(surface->Visible());
    }
    inspector.follow();
}

void frmKWPNDPreviewA::showBarcodeSheetMenu(const QPoint& globalPosition)
{
    form().mnuBarcodeSheetMenu->popup(globalPosition);
}

void frmKWPNDPreviewA::mnuBarcodeSheetMenuCopyBarcode_Click()
{
    const Picture label = picBarCodeLabel().Image();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw Error::detailed(ErrorNumber::InvalidProcedureCall, QStringLiteral("No clipboard is available"));
    // Put on top of what the clipboard holds, without emptying it first.
    clipboard->setImage(label.image());
}

void frmKWPNDPreviewA::mnuBarcodeSheetMenuHideLabel_Click()
{
    Surface& label = picBarCodeLabel();
    QAction* item = hideLabelItem(form());
    if (label.Visible()) {
        label.Visible(false);
        picBarCodePicObj().Visible(false);
        item->setText(QLatin1String(kShowLabelsCaption));
    } else {
        label.Visible(true);
        item->setText(QLatin1String(kHideLabelsCaption));
    }
    syncComposingViews();
}

void frmKWPNDPreviewA::mnuBarcodeSheetMenuShowbarCode_Click()
{
    picBarCodePicObj().Visible(true);
    syncComposingViews();
    // Over the label, which would otherwise cover it.
    form().picBarCodePicObj->raise();
}

void frmKWPNDPreviewA::picBarCodePicObj_DblClick()
{
    picBarCodePicObj().Visible(false);
    syncComposingViews();
}

void frmKWPNDPreviewA::picBarCodeLabel_DblClick()
{
    // The regeneration runs right here, inside the double click.
    if (editBarcodeLabelTexts(driver_, dialogs()))
        PreviewGenerate();
}

}  // namespace kwpnd
