// Printing the page: with the print dialog or directly, in as many copies as
// the layout's "Printer" section asks, each copy a job of its own.
#include "engine_api.h"
#include "page_printer.h"
#include "preview_visual.h"
#include "qt_dialogs.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace kwpnd {

namespace {
const QString kPrinterSection = QStringLiteral("Printer");

// Sets up the dialog's printer with the output chosen last time.
void offerOutput(QPrinter& printer, const PrintOutput& last)
{
    if (!last.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(last.pdfFile);
    } else {
        const QPrinterInfo info =
            last.printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(last.printerName);
        if (!info.isNull())
            printer.setPrinterName(info.printerName());
    }
    if (last.pageLayout.isValid())
        printer.setPageLayout(last.pageLayout);
}

// What the dialog chose: a PDF file, or a printer (a PDF output without a
// file is what Qt offers when there is no printer at all: no printer then).
PrintOutput outputChosen(const QPrinter& printer)
{
    PrintOutput chosen;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        chosen.pdfFile = printer.outputFileName();
    else
        chosen.printerName = printer.printerName();
    chosen.pageLayout = printer.pageLayout();
    return chosen;
}
}  // namespace

std::int16_t frmKWPNDPreviewA::printerSetting(const QString& key)
{
    return toInteger(driver_.ReadLayoutValue(kPrinterSection, key));
}

void frmKWPNDPreviewA::readPrinterSettings()
{
    miPrintCopies = printerSetting(QStringLiteral("copies"));
    miPrintShowDialog = printerSetting(QStringLiteral("ShowDialog"));
}

void frmKWPNDPreviewA::PreviewPrint()
{
    lastPrintError_ = 0;
    endSilently([&] {
        readPrinterSettings();
        if (miPrintShowDialog == 1) {
            QPrinter printer;
            offerOutput(printer, chosenOutput_);
            if (miPrintCopies >= 1)
                printer.setCopyCount(miPrintCopies);
            QPrintDialog dialog(&printer, &form());
            dialog.setWindowTitle(QStringLiteral("Print From Preview"));
            // What is chosen there prints what follows; the copy count is
            // not read back. Cancelling prints nothing.
            if (!execModal(dialog))
                return;
            chosenOutput_ = outputChosen(printer);
        }
        PreviewPrintDirect();
    });
}

void frmKWPNDPreviewA::PreviewPrintDirect()
{
    Dialogs& dialogs = Dialogs::current();
    lastPrintError_ = 0;
    readPrinterSettings();
    dialogs.messageBox(QStringLiteral("print direct"), MsgButtons::OK, MsgIcon::None, numberText(miPrintCopies));
    const std::optional<Error> failure = failureOf([&] {
        const int copies = miPrintCopies;
        for (int i = 1; i <= copies; ++i) {
            const QString title = driver_.ReadLayoutValue(kPrinterSection, QStringLiteral("copytitle%1").arg(i));
            dialogs.messageBox(title, MsgButtons::OK, MsgIcon::None, QString());
            printOneCopy();
        }
    });
    if (failure) {
        lastPrintError_ = failure->number();
        showFailure(dialogs, *failure, MsgIcon::Information);
    }
}

void frmKWPNDPreviewA::printOneCopy()
{
    // The job is named after the window, or the layout file when untitled.
    QString name = msWindowTitle;
    if (name.isEmpty())
        name = QFileInfo(msSettingFile).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("Preview");
    printPage(CerPrvC().Image(), chosenOutput_, name);
}

}  // namespace kwpnd
