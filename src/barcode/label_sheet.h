#pragma once
// Barcode label sheets: one label is composed on two surfaces of the window
// (the symbol on the barcode surface picBarCodePicObj, then header, a copy of
// the symbol, footer and bottom line on the label surface picBarCodeLabel),
// and the label surface's image, the stamp, is copied onto the page canvas
// once per cell of an XCount × YCount grid. With sequential numbering every
// cell gets the next number; the number reached is written back to the data
// file as BarcodeEndNumber so that the next sheet can continue from it.
//
// The composer works against LabelSheetWindow, so it runs with or without
// the preview window.

#include "barcode_sheet_keys.h"
#include "engine_api.h"
#include "kwpnd/picture.h"

#include <QString>

namespace kwpnd {

class Dialogs;
class Surface;
struct FieldContext;

// What composing and stamping need from the window.
class LabelSheetWindow {
public:
    virtual ~LabelSheetWindow() = default;
    virtual Surface& canvas() = 0;            // the page canvas
    virtual Surface& picBarCodePicObj() = 0;  // the symbol is drawn here
    virtual Surface& picBarCodeLabel() = 0;   // the label is composed here
    virtual QString ReadDataValue(const QString& section, const QString& key) = 0;
    virtual void WriteDataValue(const QString& section, const QString& key, const QString& text) = 0;
    virtual Dialogs& dialogs() = 0;  // where failures are reported
};

// The sheet state of one window: the sequence number and the stamp. Both
// stay as they are between sheets until the next sheet sets them.
class BarcodeLabelComposer {
public:
    // Composes the label of `sBarcodeNumber` with the field's parameters: the
    // symbol stays on the barcode surface, the label on the label surface,
    // and the stamp becomes the label surface's image. No error handling of
    // its own: a failure ends the call and the stamp keeps the last label.
    void MakeBarCode(LabelSheetWindow& window, const FieldRecord& field, const QString& sBarcodeNumber);

    // The sheet loop, from the canvas's current position (XLeft, YTop). Each
    // step that fails is reported with the field's section name and the loop
    // goes on; a failure that repeats (the same error for every cell) is
    // reported once per sheet. Rows continue the numbering where the row
    // before stopped. Only cells that can show on the canvas are stamped and
    // numbered: the others are passed over, with one report of how many
    // labels were not drawn (their numbers are not used). A grid that would
    // still stamp more than kMaxSheetLabels labels stamps that many and
    // reports an overflow (6) once. BarcodeEndNumber is the last number
    // stamped; a write of it that fails is reported (the window counts it).
    void drawSheet(LabelSheetWindow& window, const FieldRecord& field);

    double number() const { return n_; }
    const Picture& stamp() const { return stamp_; }

private:
    double n_ = 0;
    Picture stamp_;
};

// What a window's barcode sheets keep for the window's life, in the working
// record: the parameters of the last sheet and the numbering and stamp.
struct BarcodeSheetState {
    BarcodeSheetParameters parameters;
    BarcodeLabelComposer composer;
};
BarcodeSheetState& barcodeSheetState(FieldRecord& record);

// The sheet of the field being generated, composed on the two given surfaces
// with the given composer.
void drawBarcodeSheet(FieldContext& ctx, Surface& picBarCodePicObj, Surface& picBarCodeLabel,
                      BarcodeLabelComposer& composer);

// The renderer of "BarcodeSheet" fields: the sheet on the host's composing
// surfaces (the part surface is picBarCodePicObj, the whole picBarCodeLabel)
// with the composer of the record; the field's data as plain text on a host
// without composing surfaces.
void drawBarcodeSheetField(FieldContext& ctx);

}  // namespace kwpnd
