#pragma once
// What the other folders use of the barcode folder: the field kinds it draws
// ("BarcodeSheet"), which whoever owns a generating window registers with
// the engine before the window generates. Everything else here is private.

namespace kwpnd {

// Registers this folder's field kinds; calling it again changes nothing.
void registerBarcodeFieldKinds();

}  // namespace kwpnd
