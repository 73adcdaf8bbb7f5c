#include "barcode_command.h"

#include "command_line.h"
#include "tool_output.h"
#include <kwpnd/barcode.h>
#include <kwpnd/error.h>
#include <kwpnd/picture.h>
#include <kwpnd/surface.h>

#include <QFileInfo>
#include <QSizeF>
#include <functional>

namespace kwpnd::app {

namespace {

struct BarcodeOptions {
    QString symbology;
    QString data;
    QString output;
    std::int16_t barHeight = 60;
    std::int16_t scaleMode = smTwip;
};

// Room a symbol needs on its surface, in the surface's units, measured with
// the surface's font: the fixed geometry of the symbol plus its text, and a
// quiet zone after the bars. Code 39 sizes its surface itself.
struct SymbolRoom {
    const char* symbology;
    std::function<QSizeF(const Surface& surface, const QString& data)> room;
};

const SymbolRoom kSymbolRooms[] = {
    {"code39", [](const Surface& s, const QString&) { return QSizeF(s.ScaleWidth(), s.ScaleHeight()); }},
    // 95 modules end at 1560; seven modules of quiet zone after them.
    {"ean13",
     [](const Surface& s, const QString&) {
         return QSizeF(1560 + 7 * 15, std::max(840.0, 700.0 + s.TextHeight(QStringLiteral(" 0 "))) + 90);
     }},
    // From x 250, 96 modules of 16 units at most; the digits at (450, 650).
    {"upc11",
     [](const Surface& s, const QString& data) {
         const double bars = 250 + 96 * 16 + 250;
         const double text = 450 + s.TextWidth(data.trimmed() + QStringLiteral("0")) + 250;
         return QSizeF(std::max(bars, text), 650 + s.TextHeight(data) + 100);
     }},
    // 13 modules of 20 units per character, start and stop included, from
    // x 10; ten modules of quiet zone; the footer from (0, 550).
    {"evalbar",
     [](const Surface& s, const QString& data) {
         const double bars = 10 + 13.0 * 20 * (data.size() + 2) + 10 * 20;
         return QSizeF(std::max(bars, double(s.TextWidth(data))), 550 + s.TextHeight(data) + 50);
     }},
};

const SymbolRoom* findRoom(const QString& symbology)
{
    for (const SymbolRoom& r : kSymbolRooms)
        if (symbology.compare(QLatin1String(r.symbology), Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}

std::int16_t integerOption(const QString& option, const QString& value, int low, int high)
{
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!ok || v < low || v > high)
        throw UsageError{QStringLiteral("%1 expects a whole number from %2 to %3, got '%4'")
                             .arg(option)
                             .arg(low)
                             .arg(high)
                             .arg(value)};
    return std::int16_t(v);
}

BarcodeOptions parseBarcodeOptions(const QStringList& args)
{
    BarcodeOptions o;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool takesValue = a == QLatin1String("-o") || a == QLatin1String("--output") ||
                                a == QLatin1String("--height") || a == QLatin1String("--scale-mode");
        if (!takesValue) {
            if (a.startsWith(QLatin1String("--")))
                throw UsageError{QStringLiteral("unknown option '%1'").arg(a)};
            positional << a;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError{QStringLiteral("%1 expects a value").arg(a)};
        const QString& v = args[++i];
        if (a == QLatin1String("--height"))
            o.barHeight = integerOption(a, v, 1, 32767);
        else if (a == QLatin1String("--scale-mode"))
            o.scaleMode = integerOption(a, v, 0, 7);
        else
            o.output = v;
    }
    if (positional.size() != 2)
        throw UsageError{QStringLiteral("barcode expects SYMBOLOGY and DATA")};
    o.symbology = positional[0];
    o.data = positional[1];
    if (!findRoom(o.symbology))
        throw UsageError{QStringLiteral("unknown symbology '%1' (code39, ean13, upc11 or evalbar)").arg(o.symbology)};
    if (o.output.isEmpty())
        throw UsageError{QStringLiteral("barcode needs -o FILE")};
    const QString ext = QFileInfo(o.output).suffix().toLower();
    if (ext != QLatin1String("bmp") && ext != QLatin1String("png"))
        throw UsageError{QStringLiteral("-o expects a .bmp or .png file, got '%1'").arg(o.output)};
    return o;
}

void writeImage(const Picture& image, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0) {
        SavePicture(image, path);
        return;
    }
    if (!image.image().save(path, "PNG"))
        throw Error::detailed(ErrorNumber::PathFileAccess, path);
}

}  // namespace

QString barcodeHelp()
{
    return QStringLiteral(
        "Usage: kwpnd barcode SYMBOLOGY DATA -o FILE [--height N] [--scale-mode N]\n"
        "\n"
        "Draws one barcode symbol the way a barcode label sheet draws it, on a fresh\n"
        "barcode surface large enough for the symbol and its text, and writes the\n"
        "surface as an image (.bmp or .png).\n"
        "\n"
        "  SYMBOLOGY          code39, ean13, upc11 or evalbar\n"
        "  DATA               the number or text to encode\n"
        "  -o, --output FILE  the image file to write\n"
        "  --height N         Code 39 bar height in pixels (default 60); the surface is\n"
        "                     made 1.4 x N pixels high\n"
        "  --scale-mode N     scale mode of the surface, 0..7 (default 1, twips, 15 to\n"
        "                     a pixel); EAN-13, UPC-A and Evalbar are drawn in its units\n"
        "\n"
        "What each symbology draws, at the default twip scale:\n"
        "  code39   Code 39 with start and stop '*', no check character, the data\n"
        "           upper-cased and printed under the bars. Always drawn in pixels,\n"
        "           whatever the scale: the surface is 1.4 x N pixels high, a module\n"
        "           is a fortieth of that (at least 1 pixel), 13 modules a character.\n"
        "  ean13    EAN-13 of the first 12 digits (shorter data is padded with\n"
        "           leading zeros) and their check digit, digits under the bars; a\n"
        "           module of 15 units, one pixel: 95 modules from x 135 to 1545,\n"
        "           bars 90 to 690 units high (guards to 840).\n"
        "  upc11    UPC-A of exactly 11 digits and their check digit, the 12 digits\n"
        "           printed at (450, 650); a module of 15 units, one pixel: 95\n"
        "           modules from x 250, bars from y 200 to 600. Other lengths draw\n"
        "           nothing.\n"
        "  evalbar  Code 39 again, drawn as runs of one-unit lines from x 10, bars\n"
        "           from y 50 to 550, the data printed under them; a module of 20\n"
        "           units, rounded to whole pixels where a pixel is a whole number\n"
        "           of units (15 units, one pixel, at twips), 13 modules a character.\n"
        "\n"
        "At a pixel scale (--scale-mode 3) the fixed geometry is 15 times larger\n"
        "(EAN-13 and UPC-A modules of 15 pixels, Evalbar modules of 20 pixels).\n");
}

int runBarcode(const QStringList& args)
{
    const BarcodeOptions o = parseBarcodeOptions(args);
    try {
        // Measure in the surface's units on a fresh surface, then draw on one
        // of the size the symbol needs.
        Surface probe;
        probe.ScaleMode(o.scaleMode);
        const QSizeF room = findRoom(o.symbology)->room(probe, o.data);
        const double twipsX = probe.Width() / probe.ScaleWidth();
        const double twipsY = probe.Height() / probe.ScaleHeight();

        Surface surface(room.width() * twipsX, room.height() * twipsY);
        surface.ScaleMode(o.scaleMode);
        drawBarcodeSymbol(surface, o.symbology, o.data, o.barHeight);
        writeImage(surface.Image(), o.output);
    } catch (const Error& e) {
        printProblem(QStringLiteral("%1 (error %2)").arg(e.message()).arg(e.number()));
        return kFailed;
    }
    return kOk;
}

}  // namespace kwpnd::app
