// The four encoders drawing fuzzed data on a small surface: they draw or
// throw kwpnd::Error, and the check digits they compute are digits.
//
// Input, one field a line:
//   KIND P1 P2 ...   the encoder and its numbers (below)
//   DATA             the data to encode
//   CAPTION          Code 39 caption or Evalbar header
//   FOOTER           Evalbar footer
// KIND and its numbers (missing numbers are 0, the scale mode is applied to
// the surface before drawing):
//   code39 SCALEMODE SIZEMODE BARHEIGHT CENTRE
//   ean13 SCALEMODE LEAD POSITION DIGIT MODULE   (the module colour is asked
//                                                 for these, taken into range)
//   upc SCALEMODE                                (DATA is the eleven digits)
//   upcsteps SCALEMODE                           (DATA is a list of drawing
//                                                 steps: g guard, l0-l9 / r0-r9
//                                                 digits, b1-b4 bars, s1-s4 spaces)
//   evalbar SCALEMODE TOP BOTTOM X MODULE
#include "code39.h"
#include "ean13.h"
#include "evalbar.h"
#include "fuzz/fuzz_support.h"
#include "kwpnd/barcode_upc.h"
#include "kwpnd/surface.h"

#include <functional>

namespace {
using namespace kwpnd;
using kwpnd::fuzz::check;
using kwpnd::fuzz::int16Field;

struct Input {
    QStringList params;  // params[0] is the kind
    QString data, caption, footer;

    std::int16_t number(int i) const { return int16Field(params.value(i)); }
};

bool isDigitText(const QString& text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// A number taken into [low, high].
int inRange(int value, int low, int high)
{
    const int span = high - low + 1;
    return low + ((value % span) + span) % span;
}

void drawCode39(Surface& surface, const Input& in)
{
    DrawCode39(in.data, surface, in.caption, in.number(4) != 0, in.number(2), in.number(3));
}

void drawEan13(Surface& surface, const Input& in)
{
    QString digits;
    if (fuzz::tolerated([&] { digits = EAN13CheckDigit(in.data); }))
        check(digits.size() == 13 && isDigitText(digits), "EAN-13 digits are not 13 digits",
              in.data + QStringLiteral(" -> ") + digits);
    const Colour c = EAN13ModuleColour(inRange(in.number(2), 0, 9), inRange(in.number(3), 1, 12),
                                       inRange(in.number(4), 0, 9), inRange(in.number(5), 1, 7), 0x123456);
    check(c == 0 || c == 0x123456, "EAN-13 module colour is neither bar nor space");
    DrawEAN13(in.data, surface);
}

void drawUpc(Surface& surface, const Input& in)
{
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodePicObj(&surface);
    upc.BarCodeData(in.data);
    const std::int16_t checkDigit = upc.DrawBarcode();
    check(checkDigit >= 0 && checkDigit <= 9, "UPC-A check digit is not a digit", in.data);
}

using Step = void (clsKWPNDBarcodeUPC11::*)();
const Step kLeft[] = {&clsKWPNDBarcodeUPC11::Left0, &clsKWPNDBarcodeUPC11::Left1, &clsKWPNDBarcodeUPC11::Left2,
                      &clsKWPNDBarcodeUPC11::Left3, &clsKWPNDBarcodeUPC11::Left4, &clsKWPNDBarcodeUPC11::Left5,
                      &clsKWPNDBarcodeUPC11::Left6, &clsKWPNDBarcodeUPC11::Left7, &clsKWPNDBarcodeUPC11::Left8,
                      &clsKWPNDBarcodeUPC11::Left9};
const Step kRight[] = {&clsKWPNDBarcodeUPC11::Right0, &clsKWPNDBarcodeUPC11::Right1, &clsKWPNDBarcodeUPC11::Right2,
                       &clsKWPNDBarcodeUPC11::Right3, &clsKWPNDBarcodeUPC11::Right4, &clsKWPNDBarcodeUPC11::Right5,
                       &clsKWPNDBarcodeUPC11::Right6, &clsKWPNDBarcodeUPC11::Right7, &clsKWPNDBarcodeUPC11::Right8,
                       &clsKWPNDBarcodeUPC11::Right9};
const Step kBars[] = {&clsKWPNDBarcodeUPC11::Line1, &clsKWPNDBarcodeUPC11::Line2, &clsKWPNDBarcodeUPC11::Line3,
                      &clsKWPNDBarcodeUPC11::Line4};
const Step kSpaces[] = {&clsKWPNDBarcodeUPC11::Space1, &clsKWPNDBarcodeUPC11::Space2, &clsKWPNDBarcodeUPC11::Space3,
                        &clsKWPNDBarcodeUPC11::Space4};

// The steps run one after the other on one object, so x keeps advancing.
void drawUpcSteps(Surface& surface, const Input& in)
{
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodePicObj(&surface);
    const QString& steps = in.data;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QChar kind = steps[i];
        if (kind == u'g') {
            upc.ssc();
            continue;
        }
        const int n = i + 1 < steps.size() ? steps[i + 1].digitValue() : -1;
        if (n < 0)
            continue;
        ++i;
        if (kind == u'l')
            (upc.*kLeft[n])();
        else if (kind == u'r')
            (upc.*kRight[n])();
        else if (kind == u'b' && n >= 1 && n <= 4)
            (upc.*kBars[n - 1])();
        else if (kind == u's' && n >= 1 && n <= 4)
            (upc.*kSpaces[n - 1])();
    }
}

void drawEvalbar(Surface& surface, const Input& in)
{
    std::int16_t x = in.number(4);
    DrawEvalbar(in.data, in.caption, in.footer, surface, in.number(2), in.number(3), x, in.number(5));
}

struct Encoder {
    const char* kind;
    void (*draw)(Surface&, const Input&);
};

const Encoder kEncoders[] = {
    {"code39", drawCode39},     {"ean13", drawEan13},     {"upc", drawUpc},
    {"upcsteps", drawUpcSteps}, {"evalbar", drawEvalbar},
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = fuzz::fields(fuzz::inputText(data, size), u'\n', 4);
    const Input in{lines[0].split(u' ', Qt::SkipEmptyParts), lines[1], lines[2], lines[3]};
    for (const Encoder& encoder : kEncoders) {
        if (in.params.value(0) != QLatin1String(encoder.kind))
            continue;
        Surface surface(1500, 900);
        fuzz::tolerated([&] {
            surface.ScaleMode(in.number(1));
            encoder.draw(surface, in);
        });
        surface.retainedImage();
    }
    return 0;
}
