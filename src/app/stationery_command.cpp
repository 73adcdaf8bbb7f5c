#include "stationery_command.h"

#include "command_line.h"
#include "tool_output.h"
#include "web_parts.h"

#include <kwpnd/error.h>

namespace kwpnd::app {

QString stationeryHelp()
{
    return QStringLiteral(
        "Usage: kwpnd stationery FOLDER PAGE [--screenshot FILE.png] [--allow-remote]\n"
        "\n"
        "Copies the stationery FOLDER (compiled pages 1.htm, 2.htm, ..., settings.ini,\n"
        "styles.css) into a fresh working folder and opens the stationery window on\n"
        "its page PAGE (for example 1.htm), as a host application does. The working\n"
        "copy is deleted when the command ends.\n"
        "\n"
        "Options:\n"
        "  --screenshot FILE.png    take a picture of the window once the page has\n"
        "                           loaded instead of showing it, and end (needs no\n"
        "                           display)\n"
        "  --allow-remote           let the page load remote content (http, https);\n"
        "                           blocked by default\n"
        "  -h, --help               this help\n"
        "\n"
        "In the window: \"<\" and \">\" page through the pages by number, Preview shows\n"
        "the print preview, EDIT makes the page editable; right-click for its menu.\n"
        "Exit status: 0 shown (or picture written), 1 the folder or the page could not\n"
        "be used or the picture not written, 2 usage error.\n");
}

int runStationeryCommand(const QStringList& args)
{
    // The stationery window needs the web browser engine: its plugin is
    // loaded now.
    try {
        return webParts().runStationery(args);
    } catch (const Error& e) {
        printProblem(e.message());
        return kFailed;
    }
}

bool stationeryWantsDisplay(const QStringList& args)
{
    for (const QString& a : args)
        if (a == QLatin1String("--screenshot") || a.startsWith(QLatin1String("--screenshot=")))
            return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace kwpnd::app
