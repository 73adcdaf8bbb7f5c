#include "preview_command.h"

#include "document_options.h"

#include <kwpnd/dialogs.h>
#include <kwpnd/error.h>
#include <kwpnd/preview.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImageWriter>

namespace kwpnd::app {

namespace {

PageOption pageOption(const QString& value)
{
    // KEY=LAYOUT[,DATA]
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0 || eq == value.size() - 1)
        throw UsageError{QStringLiteral("--page expects KEY=LAYOUT[,DATA], got '%1'").arg(value)};
    const QString files = value.mid(eq + 1);
    const qsizetype comma = files.indexOf(QLatin1Char(','));
    return {value.left(eq), comma < 0 ? files : files.left(comma), comma < 0 ? QString() : files.mid(comma + 1)};
}

// The window's own switches; preview takes them, print does not.
struct WindowFlag {
    const char* name;
    bool DocumentOptions::*flag;
};
constexpr WindowFlag kFlags[] = {
    {"rulers", &DocumentOptions::rulers},
    {"guides", &DocumentOptions::guides},
    {"adjusters", &DocumentOptions::adjusters},
    {"paging", &DocumentOptions::paging},
};

QList<QCommandLineOption> windowOptions()
{
    QList<QCommandLineOption> options;
    for (const WindowFlag& f : kFlags)
        options << QCommandLineOption(QLatin1String(f.name));
    options << QCommandLineOption(QStringLiteral("page"), QString(), QStringLiteral("KEY=LAYOUT[,DATA]"))
            << QCommandLineOption(QStringLiteral("screenshot"), QString(), QStringLiteral("FILE.png"));
    return options;
}

bool onRealDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

WindowOptions parseWindowOptions(const QStringList& args, bool preview)
{
    const QString command = QLatin1String(preview ? "preview" : "print");
    QCommandLineParser parser;
    addDocumentOptions(parser, preview ? windowOptions() : QList<QCommandLineOption>{});
    parseArguments(parser, command, args);
    if (parser.isSet(QStringLiteral("output")))
        throw UsageError{QStringLiteral("%1 takes no output file (-o)").arg(command)};

    WindowOptions o;
    o.document.render = documentOptions(parser);
    o.document.afterGenerateActions = !o.document.render.noPrint;
    if (!preview)
        return o;
    for (const WindowFlag& f : kFlags)
        o.document.*(f.flag) = parser.isSet(QLatin1String(f.name));
    for (const QString& page : parser.values(QStringLiteral("page")))
        o.document.pages.push_back(pageOption(page));
    if (parser.isSet(QStringLiteral("screenshot"))) {
        o.screenshot = parser.value(QStringLiteral("screenshot"));
        if (!o.screenshot.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            throw UsageError{QStringLiteral("--screenshot expects a .png file, got '%1'").arg(o.screenshot)};
    }
    return o;
}

bool previewWantsDisplay(const QStringList& args)
{
    for (const QString& a : args)
        if (a == QLatin1String("--screenshot") || a.startsWith(QLatin1String("--screenshot=")))
            return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// ---- preview ------------------------------------------------------------------------

int runPreviewCommand(const QStringList& args)
{
    const WindowOptions o = parseWindowOptions(args, true);
    const bool person = o.screenshot.isEmpty();
    if (person && !onRealDisplay()) {
        printProblem(
            QStringLiteral("no display to show the window on (give --screenshot FILE.png to take "
                           "a picture of it instead)"));
        return kFailed;
    }
    auto dialogs = std::make_shared<HeadlessDialogs>();
    if (!person)
        Dialogs::setCurrent(dialogs);

    OpenDocument document(o.document);
    clsKWPNDPreviewA* component = document.component();
    if (!component)
        return kFailed;
    if (person) {
        component->ShowUI(nullptr, true);
        return kOk;
    }

    component->ShowUI(nullptr, false);
    const QImage shot = component->grabWindow();
    component->closeWindow();
    QImageWriter writer(o.screenshot, "png");
    if (!writer.write(shot)) {
        printProblem(QStringLiteral("cannot write %1: %2").arg(o.screenshot, writer.errorString()));
        return kFailed;
    }
    return documentStatus(*component, o.document.render.strict, !dialogs->shown().empty());
}

QString previewHelp()
{
    return QStringLiteral(
        "Usage: kwpnd preview LAYOUT [-d DATA] [render's options] [--rulers] [--guides]\n"
        "                     [--adjusters] [--paging] [--page KEY=LAYOUT[,DATA]]...\n"
        "                     [--screenshot FILE.png]\n"
        "\n"
        "Opens the preview window of LAYOUT as a host application does: the page\n"
        "generated on its canvas, to zoom, scroll, page through, print, save and copy.\n"
        "The command ends when the window is closed.\n"
        "\n"
        "Options (besides render's options but -o; see 'kwpnd render --help'):\n"
        "  --rulers                 show the rulers along the page\n"
        "  --guides                 draw each field's guide cross\n"
        "  --adjusters              put adjusters on the fields\n"
        "  --paging                 show the paging bar\n"
        "  --page KEY=LAYOUT[,DATA] generate LAYOUT (with DATA, or the document's data)\n"
        "                           and register it for paging under KEY; repeatable\n"
        "  --screenshot FILE.png    take a picture of the whole window instead of\n"
        "                           showing it, and end (needs no display)\n"
        "  -h, --help               this help\n"
        "\n"
        "Keys in the window: Ctrl+P print, Ctrl+S save, Ctrl+C copy, Ctrl+L clear,\n"
        "F5 generate, F7 settings; right-click the page for the preview menu.\n"
        "Exit status: 0 shown (or picture written), 1 layout unreadable or picture\n"
        "not written, 2 usage error, 3 messages reported under --strict, 4 a write\n"
        "to the data file failed (a label sheet's BarcodeEndNumber was not stored).\n");
}

}  // namespace kwpnd::app
