// kwpnd: render, preview and print documents described by a layout file and
// a data file.

#include "barcode_command.h"
#include "command_line.h"
#include "preview_command.h"
#include "qt_messages.h"
#include "stationery_command.h"
#include "tool_output.h"

#include <QApplication>
#include <QGuiApplication>

// The project's version, given by the build.
#ifndef KWPND_VERSION
#error "KWPND_VERSION must be defined by the build"
#endif

namespace {

using namespace kwpnd::app;

int usageError(const QString& message)
{
    printProblem(message + QStringLiteral("\nRun 'kwpnd --help' for usage."));
    return kUsage;
}

bool wantsHelp(const QStringList& args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

struct Command {
    const char* name;
    QString (*help)();
    int (*run)(const QStringList& args);
    // Whether the command shows windows to a person (and so wants the real
    // display) when its arguments ask for it.
    bool (*wantsDisplay)(const QStringList& args);
};

bool neverDisplay(const QStringList&) { return false; }

int render(const QStringList& args) { return runRender(parseRenderOptions(args)); }

// The sub-commands. Add a row to add a command.
const Command kCommands[] = {
    {"render", renderHelp, render, neverDisplay},
    {"barcode", barcodeHelp, runBarcode, neverDisplay},
    {"preview", previewHelp, runPreviewCommand, previewWantsDisplay},
    {"print", printHelp, runPrintCommand, neverDisplay},
    {"stationery", stationeryHelp, runStationeryCommand, stationeryWantsDisplay},
};

// The display a window would go to, as the environment names it.
QString displayName()
{
    const QString x11 = qEnvironmentVariable("DISPLAY");
    return x11.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : x11;
}

// The window platforms for the displays the environment names, then the
// off-screen one: Qt takes the first that starts, so a display that cannot be
// reached ends on the off-screen platform instead of aborting.
QByteArray displayPlatforms()
{
    QByteArray platforms;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms += "xcb;";
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        platforms += "wayland;";
    return platforms + "offscreen";
}

const Command* findCommand(const QString& name)
{
    for (const Command& c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Command* command = args.isEmpty() ? nullptr : findCommand(args.first());

    // Help, the version and usage errors need no application, and so no display.
    if (args == QStringList{QStringLiteral("--version")}) {
        writeText(stdout, QStringLiteral("kwpnd " KWPND_VERSION "\n"));
        return kOk;
    }
    if (args.isEmpty() || (args.size() == 1 && wantsHelp(args))) {
        writeText(args.isEmpty() ? stderr : stdout, mainHelp());
        return args.isEmpty() ? kUsage : kOk;
    }
    if (!command)
        return usageError(QStringLiteral("unknown command '%1'").arg(args.first()));
    const QStringList rest = args.mid(1);
    if (wantsHelp(rest)) {
        writeText(stdout, command->help());
        return kOk;
    }

    // Without a window to show, no display is needed: use the off-screen
    // platform. With one, an unreachable display must not abort the tool.
    const bool choosePlatform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    const bool display = command->wantsDisplay(rest);
    if (choosePlatform)
        qputenv("QT_QPA_PLATFORM", display ? displayPlatforms() : QByteArray("offscreen"));
    quietQtMessages();
    // The web browser engine, loaded with the web parts plugin after the
    // application starts, shares its graphics contexts: that is set now.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwpnd"));
    if (choosePlatform && display && QGuiApplication::platformName() == QLatin1String("offscreen")) {
        printProblem(QStringLiteral("cannot connect to display %1").arg(displayName()));
        return kFailed;
    }

    try {
        return command->run(rest);
    } catch (const UsageError& e) {
        return usageError(e.message);
    }
}
