#pragma once
/// @file
/// One barcode symbol drawn the way a label sheet draws it, for hosts that
/// want a symbol without a layout.

#include "kwpnd/kwpnd10_export.h"

#include <QString>
#include <cstdint>

namespace kwpnd {

class Surface;

/// Draws `data` as a symbol of `symbology` ("code39", "ean13", "upc11" or
/// "evalbar", in any letter case) on `surface`, in the surface's units, exactly as a label
/// of a barcode sheet draws it: Code 39 sizes its bars from `barHeight`
/// (pixels) and prints `data` under them; EAN-13, UPC-A and Evalbar draw at
/// their fixed positions and ignore it. An unknown symbology: error 5, and
/// nothing drawn; drawing errors of the surface (such as 6) as they come.
KWPND10_EXPORT void drawBarcodeSymbol(Surface& surface, const QString& symbology, const QString& data,
                                      std::int16_t barHeight = 60);

}  // namespace kwpnd
