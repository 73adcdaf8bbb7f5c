#pragma once
// Printing a page as one print job.

#include "kwpnd/picture.h"

#include <QString>

namespace kwpnd {

// Prints one copy of `page` as a job of its own on the named printer (the
// default printer when the name is empty): the page at its physical size
// from the paper's top-left corner, replayed from its recording at the
// printer's resolution. Printing only reports success when something went
// to a printer: no such printer, a stopped printer, or a job that cannot be
// started or sent is error 482.
void printPage(const Picture& page, const QString& printerName, const QString& documentName);

}  // namespace kwpnd
