// kwpnd: render, preview and print documents described by a layout file and
// a data file.

#include "barcode_command.h"
#include "command_line.h"
#include "preview_command.h"
#include "qt_messages.h"

#include <QApplication>
#include <cstdio>

namespace {

using namespace kwpnd::app;

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
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
};

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

    // Without a window to show, no display is needed: use the off-screen platform.
    const bool display = command && command->wantsDisplay(args.mid(1));
    if (!display && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietQtMessages();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwpnd"));

    if (args.isEmpty() || (args.size() == 1 && wantsHelp(args))) {
        print(args.isEmpty() ? stderr : stdout, mainHelp());
        return args.isEmpty() ? kUsage : kOk;
    }
    try {
        if (!command)
            throw UsageError{QStringLiteral("unknown command '%1'").arg(args.first())};
        const QStringList rest = args.mid(1);
        if (wantsHelp(rest)) {
            print(stdout, command->help());
            return kOk;
        }
        return command->run(rest);
    } catch (const UsageError& e) {
        print(stderr, QStringLiteral("kwpnd: %1\nRun 'kwpnd --help' for usage.\n").arg(e.message));
        return kUsage;
    }
}
