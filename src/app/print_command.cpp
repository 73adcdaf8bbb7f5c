// kwpnd print: generates the document and runs the window's Print command,
// every dialog answered at once (the print dialog keeps the default printer).
#include <kwpnd/dialogs.h>
#include <kwpnd/preview.h>
#include "preview_command.h"

namespace kwpnd::app {

int runPrintCommand(const QStringList& args)
{
    WindowOptions o = parseWindowOptions(args, false);
    auto dialogs = std::make_shared<HeadlessDialogs>();
    Dialogs::setCurrent(dialogs);

    // The command prints the page itself: the layout's own printing after
    // generation would print every copy a second time.
    o.document.afterGenerateActions = false;
    OpenDocument document(o.document);
    clsKWPNDPreviewA* component = document.component();
    if (!component)
        return kFailed;
    const std::size_t beforePrinting = dialogs->shown().size();
    component->PrintNow();
    if (component->lastPrintError() != 0)
        return kFailed;
    return documentStatus(*component, o.document.render.strict, beforePrinting > 0);
}

QString printHelp()
{
    return QStringLiteral(
        "Usage: kwpnd print LAYOUT [-d DATA] [render's options but -o]\n"
        "\n"
        "Generates the page of LAYOUT and prints it as the preview window's Print\n"
        "command does: the layout's [Printer] section gives the number of copies\n"
        "(copies), their titles (copytitle1, copytitle2, ...) and whether the print\n"
        "dialog is offered (ShowDialog=1; here it is answered at once and keeps the\n"
        "default printer). Each copy is a print job of its own on the default printer\n"
        "(CUPS; CUPS_SERVER chooses the scheduler). The layout's own printing after\n"
        "generation ([Preview] PrintAfterGenerate) is skipped: the copies print once.\n"
        "\n"
        "Messages, copy titles among them, are written to standard error as\n"
        "'CAPTION: TEXT'.\n"
        "Exit status: 0 printed (or nothing to print), 1 layout unreadable or the\n"
        "printing failed (no printer: error 482), 2 usage error, 3 messages reported\n"
        "while generating under --strict, 4 a write to the data file failed (a label\n"
        "sheet's BarcodeEndNumber was not stored), with or without --strict.\n");
}

}  // namespace kwpnd::app
