#pragma once
// kwpnd barcode: one symbol drawn the way a label sheet draws it, written to
// an image file.

#include <QString>
#include <QStringList>

namespace kwpnd::app {

QString barcodeHelp();

// Runs "kwpnd barcode" with the arguments after the command name. Throws
// UsageError for bad arguments; returns an exit status.
int runBarcode(const QStringList& args);

}  // namespace kwpnd::app
