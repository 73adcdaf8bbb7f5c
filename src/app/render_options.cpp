#include "command_line.h"

#include <functional>

namespace kwpnd::app {

namespace {

std::pair<QString, QString> splitPair(const QString& option, const QString& value)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0)
        throw UsageError{QStringLiteral("%1 expects KEY=VALUE, got '%2'").arg(option, value)};
    return {value.left(eq), value.mid(eq + 1)};
}

double number(const QString& option, const QString& value)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 expects a number, got '%2'").arg(option, value)};
    return v;
}

using Setter = std::function<void(RenderOptions&, const QString& option, const QString& value)>;

struct OptionRow {
    const char* name;
    const char* shortName;
    Setter set;
};

const std::vector<OptionRow>& optionTable()
{
    static const std::vector<OptionRow> table = {
        {"--data", "-d", [](RenderOptions& o, const QString&, const QString& v) { o.data = v; }},
        {"--output", "-o", [](RenderOptions& o, const QString&, const QString& v) { o.output = v; }},
        {"--scale-mode", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) {
             const double mode = number(n, v);
             if (mode < 0 || mode > 7 || mode != static_cast<int>(mode))
                 throw UsageError{QStringLiteral("--scale-mode expects 0..7, got '%1'").arg(v)};
             o.scaleMode = static_cast<int>(mode);
         }},
        {"--height", nullptr, [](RenderOptions& o, const QString& n, const QString& v) { o.height = number(n, v); }},
        {"--width", nullptr, [](RenderOptions& o, const QString& n, const QString& v) { o.width = number(n, v); }},
        {"--watermark", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.watermark = v; }},
        {"--logo", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.logo = v; }},
        {"--picture1", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[0] = v; }},
        {"--picture2", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[1] = v; }},
        {"--picture3", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[2] = v; }},
        {"--picture4", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[3] = v; }},
        {"--back-picture", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.backPicture = v; }},
        {"--string", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) { o.strings.push_back(splitPair(n, v)); }},
        {"--picture", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) { o.pictureFiles.push_back(splitPair(n, v)); }},
        {"--app", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) { o.appMembers.push_back(splitPair(n, v)); }},
        {"--grid", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) { o.grids.push_back(splitPair(n, v)); }},
        {"--listview", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) { o.listviews.push_back(splitPair(n, v)); }},
        {"--webbrowser", nullptr,
         [](RenderOptions& o, const QString& n, const QString& v) { o.webbrowsers.push_back(splitPair(n, v)); }},
    };
    return table;
}

const OptionRow* findOption(const QString& name)
{
    for (const OptionRow& row : optionTable())
        if (name == QLatin1String(row.name) || (row.shortName && name == QLatin1String(row.shortName)))
            return &row;
    return nullptr;
}

}  // namespace

RenderOptions parseRenderOptions(const QStringList& args)
{
    RenderOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        if (arg == QLatin1String("--strict")) {
            o.strict = true;
            continue;
        }
        if (arg == QLatin1String("--no-print")) {
            o.noPrint = true;
            continue;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            if (!o.layout.isEmpty())
                throw UsageError{QStringLiteral("unexpected argument '%1'").arg(arg)};
            o.layout = arg;
            continue;
        }
        QString value;
        bool inlineValue = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            inlineValue = true;
        }
        const OptionRow* row = findOption(arg);
        if (!row)
            throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
        if (!inlineValue) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("%1 needs a value").arg(arg)};
            value = args[++i];
        }
        row->set(o, QLatin1String(row->name), value);
    }
    if (o.layout.isEmpty())
        throw UsageError{QStringLiteral("no layout file given")};
    if (o.output.isEmpty())
        throw UsageError{QStringLiteral("no output file given (-o OUT)")};
    const QString ext = o.output.section(QLatin1Char('.'), -1).toLower();
    if (ext != QLatin1String("bmp") && ext != QLatin1String("png") && ext != QLatin1String("pdf"))
        throw UsageError{QStringLiteral("the output must end in .bmp, .png or .pdf: '%1'").arg(o.output)};
    return o;
}

QString mainHelp()
{
    return QStringLiteral(
        "Usage: kwpnd COMMAND [OPTIONS]\n"
        "\n"
        "Lays out documents described by a layout file and a data file (INI).\n"
        "\n"
        "Commands:\n"
        "  render    generate a page and write it to a picture or PDF file\n"
        "  preview   open the preview window on a page (or save a screenshot of it)\n"
        "  print     generate a page and print it through the layout's [Printer] section\n"
        "  barcode   draw one barcode symbol to a picture file\n"
        "  stationery  show a page of a stationery folder (or save a screenshot of it)\n"
        "\n"
        "Run 'kwpnd COMMAND --help' for the options of a command.\n"
        "Run 'kwpnd --version' for the version of the tool.\n");
}

QString renderHelp()
{
    return QStringLiteral(
        "Usage: kwpnd render LAYOUT [-d DATA] -o OUT [options]\n"
        "\n"
        "Generates the page of LAYOUT with the data file DATA and writes it to OUT:\n"
        ".bmp (bitmap), .png, or .pdf (one page at the page's physical size, vector text).\n"
        "\n"
        "Options:\n"
        "  -d, --data FILE          data file of the fields\n"
        "  -o, --output FILE        output file (.bmp, .png, .pdf)\n"
        "  --scale-mode N           unit of the layout's positions: 0 user (default), 1 twip,\n"
        "                           2 point, 3 pixel, 4 character, 5 inch, 6 mm, 7 cm\n"
        "  --height H               page height in scale units (default 31; 0 = printer page)\n"
        "  --width W                page width in scale units (default 22; 0 = printer page)\n"
        "  --watermark TEXT         text stamped at every drawn field\n"
        "  --logo FILE              the Logo picture\n"
        "  --picture1 .. --picture4 FILE   the pictures Picture1 to Picture4\n"
        "  --back-picture FILE      background picture of the page\n"
        "  --string KEY=TEXT        register a string (\"StrFromStrings\" fields); repeatable\n"
        "  --picture KEY=FILE       register a picture (\"PicFromPictures\" fields); repeatable\n"
        "  --app NAME=VALUE         a member of the host application object: ProductName,\n"
        "                           Title, Major, Minor; repeatable\n"
        "  --grid KEY=FILE.csv      register a table filled from the CSV file, its first row\n"
        "                           as column titles (\"GridFromFlexGrids\" fields); repeatable\n"
        "  --listview KEY=FILE.txt  register a list with one item per line of the file\n"
        "                           (\"LVFromListviews\" fields); repeatable\n"
        "  --webbrowser KEY=FILE.html  register a web view showing the file\n"
        "                           (\"WBFromWebbrowsers\" fields); repeatable\n"
        "  --no-print               skip the layout's own printing and copying after\n"
        "                           generation ([Preview] PrintAfterGenerate, CopyToClipboard)\n"
        "  --strict                 exit 3 when any message was reported\n"
        "  -h, --help               this help\n"
        "\n"
        "The page is generated once, after it was sized from the layout's [PreviewWindow]\n"
        "section; the layout's own printing ([Preview] PrintAfterGenerate=1) then prints\n"
        "the copies of its [Printer] section once.\n"
        "Messages are written to standard error as 'CAPTION: TEXT', the field's section\n"
        "on an indented line below.\n"
        "Exit status: 0 page written, 1 layout or data file unreadable or output not\n"
        "written, 2 usage error, 3 messages reported under --strict, 4 a write to the\n"
        "data file failed (a label sheet's BarcodeEndNumber was not stored: the next\n"
        "run would reuse its numbers), with or without --strict.\n");
}

}  // namespace kwpnd::app
