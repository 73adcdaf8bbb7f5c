#pragma once
// The label text editor of barcode sheets: a double click on the label
// surface asks, one input box after the other, for the barcode data, the
// header and the footer, and writes each answer to the data file under the
// fixed section "BarCodeSheetSection". An empty answer (or Cancel) ends the
// editor; the answers already given stay written.

namespace kwpnd {

class Dialogs;
class GenerationDriver;

// The data file section the editor reads and writes.
inline constexpr const char* kBarcodeSheetSection = "BarCodeSheetSection";

// Runs the editor. Returns true when all three answers were given, which is
// when the preview is to be generated again.
bool editBarcodeLabelTexts(GenerationDriver& driver, Dialogs& dialogs);

}  // namespace kwpnd
