#include "page_printer.h"

#include "kwpnd/error.h"
#include "print_queue.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace kwpnd {

namespace {
[[noreturn]] void printerError(const QString& detail) { throw Error::detailed(ErrorNumber::PrinterError, detail); }

// Without this check a missing printer would print "successfully" into a
// nameless PDF file, as the print system falls back to one.
QPrinterInfo printerNamed(const QString& name)
{
    const QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull())
        printerError(name.isEmpty() ? QStringLiteral("no printer is installed")
                                    : QStringLiteral("there is no printer named %1").arg(name));
    if (info.state() == QPrinter::Error)
        printerError(QStringLiteral("the printer %1 is stopped").arg(info.printerName()));
    return info;
}

// A printer set up for the output; `where` names it in messages.
std::unique_ptr<QPrinter> openOutput(const PrintOutput& output, QString& where)
{
    std::unique_ptr<QPrinter> printer;
    if (!output.pdfFile.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output.pdfFile);
        where = output.pdfFile;
    } else {
        const QPrinterInfo info = printerNamed(output.printerName);
        requireQueueTakesJobs(info.printerName());
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        where = info.printerName();
    }
    if (output.pageLayout.isValid())
        printer->setPageLayout(output.pageLayout);
    return printer;
}
}  // namespace

void printPage(const Picture& page, const PrintOutput& output, const QString& documentName)
{
    QString where;
    const std::unique_ptr<QPrinter> printer = openOutput(output, where);
    printer->setFullPage(true);
    printer->setCopyCount(1);
    printer->setDocName(documentName);

    QPainter painter;
    if (!painter.begin(printer.get()))
        printerError(QStringLiteral("cannot start a print job on %1").arg(where));
    painter.setRenderHint(QPainter::LosslessImageRendering);  // bars stay sharp
    const double inchesWide = page.widthTwips() / 1440.0, inchesHigh = page.heightTwips() / 1440.0;
    if (!page.isEmpty())
        page.draw(painter, QRectF(0, 0, inchesWide * printer->logicalDpiX(), inchesHigh * printer->logicalDpiY()));
    if (!painter.end() || printer->printerState() == QPrinter::Error)
        printerError(QStringLiteral("the job could not be sent to %1").arg(where));
    if (output.pdfFile.isEmpty())
        requireJobQueued(where);
}

}  // namespace kwpnd
