#pragma once
// The barcode sheet menu of the window, opened on the label surface: its
// items, in order, and what they do.

class QMenu;

namespace kwpnd {

class frmKWPNDPreviewA;

// Captions of the label item, which says what a click on it will do.
inline constexpr const char* kHideLabelsCaption = "&Hide Labels";
inline constexpr const char* kShowLabelsCaption = "Show &Labels";

// Fills `menu` with the items (each named as the window names it:
// "mnuBarcodeSheetMenuCopyBarcode" ...), wired to `window`.
void buildBarcodeSheetMenu(QMenu& menu, frmKWPNDPreviewA& window);

}  // namespace kwpnd
