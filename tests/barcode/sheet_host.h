#pragma once
// A generation host whose barcode sheets are composed by the label composer
// on two composing surfaces of its own, the way the preview window does it,
// and a layout writer for one barcode sheet section with every key given.

#include "barcode_api.h"
#include "engine/test_host.h"
#include "engine_api.h"
#include "label_sheet.h"

#include <QStringList>

namespace kwpnd::test {

class SheetHost : public TestHost {
public:
    // A twip canvas of `widthPx` × `heightPx` pixels.
    explicit SheetHost(int widthPx = 600, int heightPx = 400) : TestHost(widthPx, heightPx)
    {
        registerBarcodeFieldKinds();
    }

    ComposingSurfaces composingSurfaces() override { return {&symbol, &label}; }
    void composingSurfacesChanged() override { ++composingChanges; }

    // The composer of this host's sheets (kept in the driver's record).
    const BarcodeLabelComposer& composer() { return barcodeSheetState(driver.record()).composer; }

    Surface symbol{1800, 1100};  // picBarCodePicObj
    Surface label{2400, 1200};   // picBarCodeLabel
    int composingChanges = 0;
};

// Section `section` of type "BarcodeSheet" holding every field and sheet key:
// a 3 × 2 grid of 2400 × 1200 twip EAN-13 labels from (500, 500), 100 apart,
// labels sized from the field, twip scales, white backgrounds, no texts, no
// numbering. Each "Key=Value" of `overrides` replaces or adds a key; "-Key"
// leaves it out.
QByteArray sheetSection(const QStringList& overrides = {}, const QString& section = QStringLiteral("Sheet"));

// The "[Preview]" section that keeps generation from printing or copying.
inline const QByteArray kQuietPreview = "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n";

}  // namespace kwpnd::test
