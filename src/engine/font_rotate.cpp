#include "kwpnd/font_rotate.h"

#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "windows1252.h"

#include <limits>

namespace kwpnd {

namespace {
constexpr int kFaceLength = 32;
constexpr int kDefaultCellHeight = 16;

// The text as the ANSI code page (Windows-1252) carries it: characters
// outside it become '?'.
QString ansi(const QString& text) { return fromWindows1252(toWindows1252Lossy(text)); }
}  // namespace

struct KWPND10_NO_EXPORT clsKWPNDFontRotateA::Private {
    LogFont font;
};

clsKWPNDFontRotateA::clsKWPNDFontRotateA() : d(std::make_unique<Private>()) {}
clsKWPNDFontRotateA::~clsKWPNDFontRotateA() = default;
clsKWPNDFontRotateA::clsKWPNDFontRotateA(const clsKWPNDFontRotateA& other) : d(std::make_unique<Private>(*other.d)) {}
clsKWPNDFontRotateA& clsKWPNDFontRotateA::operator=(const clsKWPNDFontRotateA& other)
{
    *d = *other.d;
    return *this;
}

const clsKWPNDFontRotateA::LogFont& clsKWPNDFontRotateA::font() const { return d->font; }

void clsKWPNDFontRotateA::setPointSize(std::int32_t ps) { d->font.height = ps; }

void clsKWPNDFontRotateA::setAngle(std::int32_t angle)
{
    const std::int64_t tenths = static_cast<std::int64_t>(angle) * 10;
    if (tenths > std::numeric_limits<std::int32_t>::max() || tenths < std::numeric_limits<std::int32_t>::min())
        throw Error(ErrorNumber::Overflow);
    d->font.escapement = static_cast<std::int32_t>(tenths);
}

void clsKWPNDFontRotateA::dispText(std::int32_t hDC, const QString& text, std::int32_t X, std::int32_t Y,
                                   const QString& sFontName)
{
    d->font.faceName = sFontName.left(kFaceLength).leftJustified(kFaceLength, QLatin1Char(' '));
    Surface* surface = Surface::fromHDC(hDC);
    if (!surface || text.isEmpty())
        return;
    // A positive height is the cell height, a negative one the character
    // (em) height, and 0 asks for the default size.
    const int height = d->font.height == 0 ? kDefaultCellHeight : d->font.height;
    surface->drawRotatedText(d->font.faceName, height, d->font.escapement, X, Y, ansi(text));
}

}  // namespace kwpnd
