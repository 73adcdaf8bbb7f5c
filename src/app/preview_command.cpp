#include "preview_command.h"

#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "preview/preview_form.h"
#include "preview/preview_window.h"

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

// The window's own options; everything else is render's.
struct WindowFlag {
    const char* name;
    bool DocumentOptions::*flag;
};
constexpr WindowFlag kFlags[] = {
    {"--rulers", &DocumentOptions::rulers},
    {"--guides", &DocumentOptions::guides},
    {"--adjusters", &DocumentOptions::adjusters},
    {"--paging", &DocumentOptions::paging},
};

bool onRealDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

WindowOptions parseWindowOptions(const QStringList& args, bool preview)
{
    WindowOptions o;
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        const bool inlineValue = arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='));
        if (inlineValue) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
        }
        if (arg == QLatin1String("-o") || arg == QLatin1String("--output"))
            throw UsageError{QStringLiteral("%1 takes no output file (-o)").arg(preview ? "preview" : "print")};
        const bool takesValue = arg == QLatin1String("--page") || arg == QLatin1String("--screenshot");
        const WindowFlag* flag = nullptr;
        for (const WindowFlag& f : kFlags)
            if (arg == QLatin1String(f.name))
                flag = &f;
        if (!preview || (!takesValue && !flag)) {
            rest << args[i];
            continue;
        }
        if (flag) {
            o.document.*(flag->flag) = true;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(arg)};
            value = args[++i];
        }
        if (arg == QLatin1String("--page")) {
            o.document.pages.push_back(pageOption(value));
        } else {
            if (!value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
                throw UsageError{QStringLiteral("--screenshot expects a .png file, got '%1'").arg(value)};
            o.screenshot = value;
        }
    }
    // Render's reader wants an output file: give it one it will not use.
    o.document.render = parseRenderOptions(rest << QStringLiteral("--output=unused.png"));
    o.document.render.output.clear();
    o.document.afterGenerateActions = !o.document.render.noPrint;
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
    frmKWPNDPreviewA& window = component->window();
    QApplication::processEvents();
    const QImage shot = window.form().grab().toImage();
    window.unload();
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
