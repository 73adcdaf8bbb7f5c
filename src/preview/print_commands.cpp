// Printing the page: with the print dialog or directly, in as many copies as
// the layout's "Printer" section asks, each copy a job of its own.
#include "engine/conversions.h"
#include "engine/error_handling.h"
#include "page_printer.h"
#include "preview_visual.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace kwpnd {

namespace {
const QString kPrinterSection = QStringLiteral("Printer");
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
    endSilently([&] {
        readPrinterSettings();
        if (miPrintShowDialog == 1) {
            const QPrinterInfo current = chosenPrinter_.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                                  : QPrinterInfo::printerInfo(chosenPrinter_);
            QPrinter printer(current);
            if (miPrintCopies >= 1)
                printer.setCopyCount(miPrintCopies);
            QPrintDialog dialog(&printer, &form());
            dialog.setWindowTitle(QStringLiteral("Print From Preview"));
            // The printer chosen there prints what follows; its copy count is
            // not read back. Cancelling prints nothing.
            if (Dialogs::current().showModal(dialog) != QDialog::Accepted)
                return;
            chosenPrinter_ = printer.printerName();
        }
        PreviewPrintDirect();
    });
}

void frmKWPNDPreviewA::PreviewPrintDirect()
{
    Dialogs& dialogs = Dialogs::current();
    readPrinterSettings();
    dialogs.messageBox(QStringLiteral("print direct"), MsgButtons::OK, MsgIcon::None, numberText(miPrintCopies));
    try {
        const int copies = miPrintCopies;
        for (int i = 1; i <= copies; ++i) {
            const QString title = driver_.ReadLayoutValue(kPrinterSection, QStringLiteral("copytitle%1").arg(i));
            dialogs.messageBox(title, MsgButtons::OK, MsgIcon::None, QString());
            printOneCopy();
        }
    } catch (...) {
        const Error error = asError(std::current_exception());
        dialogs.messageBox(error.description(), MsgButtons::OK, MsgIcon::Information,
                           QString::number(error.number()));
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
    printPage(CerPrvC().Image(), chosenPrinter_, name);
}

}  // namespace kwpnd
