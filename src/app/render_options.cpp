#include "command_line.h"
#include "document_options.h"

namespace kwpnd::app {

RenderOptions parseRenderOptions(const QStringList& args)
{
    QCommandLineParser parser;
    addDocumentOptions(parser);
    parseArguments(parser, QStringLiteral("render"), args);
    RenderOptions o = documentOptions(parser);
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
