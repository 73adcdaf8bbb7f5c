#pragma once
// Printing a page as one print job.

#include "kwpnd/picture.h"

#include <QPageLayout>
#include <QString>

namespace kwpnd {

// Where printing goes: what the print dialog chose, or by default the
// default printer on its own paper.
struct PrintOutput {
    QString printerName;     // empty: the default printer
    QString pdfFile;         // not empty: written to this PDF file instead of a printer
    QPageLayout pageLayout;  // invalid: the printer's own paper
};

// Prints one copy of `page` as a job of its own: the page at its physical
// size from the paper's top-left corner, replayed from its recording at the
// device's resolution. Printing only reports success when the job reached
// its output: no such printer, a stopped printer or one that rejects jobs,
// a job the print system did not queue, or a PDF file that cannot be
// written is error 482.
void printPage(const Picture& page, const PrintOutput& output, const QString& documentName);

}  // namespace kwpnd
