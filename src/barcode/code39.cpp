#include "code39.h"

#include "code39_table.h"
#include "engine_api.h"
#include "integer16.h"
#include "kwpnd/surface.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace kwpnd {

namespace {
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;

struct SizeMode {
    std::int16_t mode;
    double heightFactor;  // inner height = factor × bar height, pixels
    bool integerProduct;  // the product is a 16-bit integer (may overflow)
    float fontSize;
};

const SizeMode kSizeModes[] = {
    {0, 1.4, false, 8},
    {1, 2.4, false, 10},
    {2, 3, true, 14},
};

// The elements one pattern symbol draws, in modules: negative for a gap,
// positive for a bar, 0 for nothing.
struct PatternSymbol {
    char16_t symbol;
    int first, second;
};

const PatternSymbol kPatternSymbols[] = {
    {u' ', -1, 0},
    {u'1', -1, 1},
    {u'2', -1, 2},
};

const PatternSymbol* patternSymbol(QChar c)
{
    for (const PatternSymbol& s : kPatternSymbols)
        if (c.unicode() == s.symbol)
            return &s;
    return nullptr;
}

void applySizeMode(Surface& surface, std::int16_t sizeMode, std::int16_t barHeight)
{
    for (const SizeMode& m : kSizeModes) {
        if (m.mode != sizeMode)
            continue;
        const double inner =
            m.integerProduct ? double(integer16(std::lround(m.heightFactor) * barHeight)) : m.heightFactor * barHeight;
        surface.Height(float(surface.Height() * inner / surface.ScaleHeight()));
        surface.FontSize(m.fontSize);
        return;
    }
}

// One element: a filled box `modules` × d pixels wide from x, white for a gap.
void addElement(std::vector<LineRun>& boxes, float& x, float top, float bottom, int modules, std::int16_t d)
{
    if (modules == 0)
        return;
    const float width = float(std::abs(modules) * d);
    boxes.push_back({x, top, x + width, bottom, modules < 0 ? kWhite : kBlack, LineMode::FilledBox});
    x += width;
}
}  // namespace

void DrawCode39(const QString& data, Surface& surface, const QString& caption, bool centreCaption,
                std::int16_t sizeMode, std::int16_t barHeight)
{
    surface.ScaleMode(smPixel);
    applySizeMode(surface, sizeMode, barHeight);
    if (data.isEmpty()) {
        surface.Cls();
        return;
    }

    const QString upper = data.toUpper();
    // Erased, cleared of its picture and sized again before the bars: the
    // surface's raster is made once, for the bars.
    struct Hold {
        Surface& s;
        explicit Hold(Surface& surface) : s(surface) { s.holdRaster(); }
        ~Hold()
        {
            try {
                s.releaseRaster();
            } catch (...) {  // made at the surface's next use instead
            }
        }
    } hold(surface);
    surface.ScaleMode(smPixel);
    surface.Cls();
    surface.Picture(kwpnd::Picture());

    std::int16_t d = roundToInteger(surface.ScaleHeight() / 40.0);
    if (d < 1)
        d = 1;

    // Room for the caption is measured on the data, whatever the caption says.
    float textHeight = 0;
    float textWidth = 0;
    if (!caption.isEmpty()) {
        textHeight = surface.TextHeight(upper);
        textWidth = surface.TextWidth(upper);
    }

    const QString symbol = QChar(1) + upper + QChar(2);
    const float top = surface.ScaleTop();
    const float bottom = surface.ScaleTop() + surface.ScaleHeight() - 1.5f * textHeight;

    // About 16.5 modules per character, trimmed to the drawn width below.
    surface.Width(float(surface.Width() * (symbol.size() * 1.1 * integer16(15LL * d)) / surface.ScaleWidth()));

    const Code39Table& table = code39Table();
    float x = surface.ScaleLeft();
    std::vector<LineRun> boxes;
    boxes.reserve(std::size_t(symbol.size()) * 10 + 1);
    for (QChar c : symbol) {
        const int code = c.unicode() > 90 ? 0 : c.unicode();
        for (QChar s : table[code]) {
            if (const PatternSymbol* p = patternSymbol(s)) {
                addElement(boxes, x, top, bottom, p->first, d);
                addElement(boxes, x, top, bottom, p->second, d);
            }
        }
    }
    addElement(boxes, x, top, bottom, -1, d);  // trailing gap
    surface.drawLines(boxes);

    surface.Width(surface.Width() * (x + d) / surface.ScaleWidth());

    surface.CurrentX(centreCaption ? (surface.ScaleWidth() - textWidth) / 2 : 0);
    surface.CurrentY(bottom + textHeight / 4);
    surface.Print(caption);
}

}  // namespace kwpnd
