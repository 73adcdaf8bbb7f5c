// Surface: construction, properties and their side effects, snapshots.
#include "kwpnd/surface.h"

#include "colour.h"
#include "kwpnd/error.h"
#include "scale.h"
#include "surface_handles.h"
#include "surface_state.h"

#include <cmath>

namespace kwpnd {

namespace {
[[noreturn]] void refuseSize(const QString& reason)
{
    throw Error::detailed(ErrorNumber::InvalidPropertyValue, reason);
}

// The inner pixels of an outer size in twips, refused before anything is
// allocated: error 6 when a side has no device integer, 380 when it is
// negative, longer than the longest side, or when the area has more pixels
// than a surface may have.
QSize requireOuterSize(double widthTwips, double heightTwips)
{
    const int width = checkedPixels(widthTwips);
    const int height = checkedPixels(heightTwips);
    const auto side = [](double twips, int pixels, const char* name) {
        if (twips < 0)
            refuseSize(QStringLiteral("the surface %1 must not be negative").arg(QLatin1String(name)));
        if (pixels > Surface::kMaxPixelSide)
            refuseSize(QStringLiteral("a surface %1 of %2 pixels is larger than the largest of %3 pixels")
                           .arg(QLatin1String(name))
                           .arg(pixels)
                           .arg(Surface::kMaxPixelSide));
    };
    side(widthTwips, width, "width");
    side(heightTwips, height, "height");
    if (qint64(width) * height > Surface::kMaxPixels)
        refuseSize(QStringLiteral("a surface of %1 × %2 pixels has more than the %3 pixels a surface may have")
                       .arg(width)
                       .arg(height)
                       .arg(Surface::kMaxPixels));
    return {width, height};
}

void requireProperty(bool ok)
{
    if (!ok)
        throw Error(ErrorNumber::InvalidPropertyValue);
}
}  // namespace

Surface::Surface(double widthTwips, double heightTwips) : d(std::make_unique<State>())
{
    requireOuterSize(widthTwips, heightTwips);
    d->setOuterSize(widthTwips, heightTwips);
    d->image = makeRaster(d->pixelSize());
    d->erase();
    d->changed = false;  // a new surface has nothing to show yet
    d->handle = registerSurfaceHandle(this);
}

Surface::~Surface()
{
    releaseSurfaceHandle(d->handle);
    d->endPainting();
}

// ---- Scale -----------------------------------------------------------------

std::int16_t Surface::ScaleMode() const { return d->scaleMode; }

void Surface::ScaleMode(std::int16_t mode)
{
    requireProperty(isScaleMode(mode));
    if (mode == smUser) {
        // The extents stay as they are, now as a user scale.
        d->userWidth = ScaleWidth();
        d->userHeight = ScaleHeight();
    } else {
        d->scaleLeft = 0;
        d->scaleTop = 0;
    }
    d->scaleMode = mode;
}

float Surface::ScaleLeft() const { return d->scaleLeft; }
float Surface::ScaleTop() const { return d->scaleTop; }

float Surface::ScaleWidth() const
{
    if (const auto unit = twipsPerUnit(d->scaleMode))
        return float(d->pixelSize().width() * TwipsPerPixelX / unit->x);
    return d->userWidth;
}

float Surface::ScaleHeight() const
{
    if (const auto unit = twipsPerUnit(d->scaleMode))
        return float(d->pixelSize().height() * TwipsPerPixelY / unit->y);
    return d->userHeight;
}

void Surface::ScaleWidth(float units)
{
    requireProperty(std::isfinite(units) && units != 0);
    d->userHeight = ScaleHeight();
    d->userWidth = units;
    d->scaleMode = smUser;
}

void Surface::ScaleHeight(float units)
{
    requireProperty(std::isfinite(units) && units != 0);
    d->userWidth = ScaleWidth();
    d->userHeight = units;
    d->scaleMode = smUser;
}

// ---- Drawing position ------------------------------------------------------

float Surface::CurrentX() const { return d->currentX; }
void Surface::CurrentX(float x) { d->currentX = x; }
float Surface::CurrentY() const { return d->currentY; }
void Surface::CurrentY(float y) { d->currentY = y; }

// ---- Colours and pen -------------------------------------------------------

Colour Surface::ForeColor() const { return d->foreColor; }

void Surface::ForeColor(Colour c)
{
    d->fore = toQColor(c);
    d->foreColor = c;
}

Colour Surface::BackColor() const { return d->backColor; }

void Surface::BackColor(Colour c)
{
    d->back = toQColor(c);
    d->backColor = c;
    d->erase();  // even for the colour it already had
}

std::int16_t Surface::DrawWidth() const { return d->drawWidth; }

void Surface::DrawWidth(std::int16_t pixels)
{
    requireProperty(pixels >= 1);
    d->drawWidth = pixels;
}

// ---- Font ------------------------------------------------------------------

QString Surface::FontName() const { return d->fontName; }

void Surface::FontName(const QString& face)
{
    d->fontName = face;
    d->fontChanged();
}

float Surface::FontSize() const { return d->fontSize; }

void Surface::FontSize(float points)
{
    requireProperty(points > 0 && points <= kMaxFontPoints);  // also refuses NaN
    d->fontSize = points;
    d->fontChanged();
}

bool Surface::FontBold() const { return d->fontStyle.bold; }
void Surface::FontBold(bool on)
{
    d->fontStyle.bold = on;
    d->fontChanged();
}
bool Surface::FontItalic() const { return d->fontStyle.italic; }
void Surface::FontItalic(bool on)
{
    d->fontStyle.italic = on;
    d->fontChanged();
}
bool Surface::FontUnderline() const { return d->fontStyle.underline; }
void Surface::FontUnderline(bool on)
{
    d->fontStyle.underline = on;
    d->fontChanged();
}
bool Surface::FontStrikethru() const { return d->fontStyle.strikeOut; }
void Surface::FontStrikethru(bool on)
{
    d->fontStyle.strikeOut = on;
    d->fontChanged();
}

// ---- Background picture ----------------------------------------------------

kwpnd::Picture Surface::Picture() const { return d->background; }

void Surface::Picture(const kwpnd::Picture& picture)
{
    d->background = picture;
    d->recordingToChange().setBackground(picture);
    d->rerender();  // drawing stays on top of the new background
}

// ---- Outer placement -------------------------------------------------------

float Surface::Left() const { return d->left; }

void Surface::Left(float twips)
{
    checkedPixels(twips);  // a view places the surface in whole pixels
    d->left = twips;
}

float Surface::Top() const { return d->top; }

void Surface::Top(float twips)
{
    checkedPixels(twips);
    d->top = twips;
}

float Surface::Width() const { return float(d->widthTwips); }
float Surface::Height() const { return float(d->heightTwips); }

void Surface::Width(float twips)
{
    requireOuterSize(twips, d->heightTwips);
    d->resize(twips, d->heightTwips);
}

void Surface::Height(float twips)
{
    requireOuterSize(d->widthTwips, twips);
    d->resize(d->widthTwips, twips);
}

void Surface::Move(float left, std::optional<float> top, std::optional<float> width, std::optional<float> height)
{
    // Everything is checked before anything moves.
    checkedPixels(left);
    checkedPixels(top.value_or(d->top));
    const double newWidth = width ? double(*width) : d->widthTwips;
    const double newHeight = height ? double(*height) : d->heightTwips;
    requireOuterSize(newWidth, newHeight);
    d->resize(newWidth, newHeight);
    d->left = left;
    if (top)
        d->top = *top;
}

bool Surface::Visible() const { return d->visible; }
void Surface::Visible(bool on) { d->visible = on; }
QString Surface::Tag() const { return d->tag; }
void Surface::Tag(const QString& text) { d->tag = text; }
QString Surface::ToolTipText() const { return d->toolTipText; }
void Surface::ToolTipText(const QString& text) { d->toolTipText = text; }

// ---- Handles ---------------------------------------------------------------

std::int32_t Surface::hDC() const { return d->handle; }
Surface* Surface::fromHDC(std::int32_t hdc) { return surfaceForHandle(hdc); }

// ---- Snapshots, raster and recording ----------------------------------------

kwpnd::Picture Surface::Image() const
{
    // With the painter ended the picture shares the raster; the next drawing
    // then copies the raster before changing it, so the picture stays as is.
    return pictureWithRecording(d->settledImage(), d->recording);
}

void Surface::holdRaster() { d->rasterHeld = true; }

void Surface::releaseRaster()
{
    d->rasterHeld = false;
    if (d->rasterStale)
        d->settleRaster();
}

int Surface::pixelWidth() const { return d->pixelSize().width(); }
int Surface::pixelHeight() const { return d->pixelSize().height(); }

QPointF Surface::toPixels(float x, float y) const { return d->toPixels(x, y); }

QImage Surface::retainedImage() const { return d->settledImage(); }

void Surface::replay(QPainter& painter, const QRectF& target) const { d->recording->replay(painter, target); }

void Surface::onChanged(std::function<void()> listener) { d->listener = std::move(listener); }

bool Surface::takeChanged() { return std::exchange(d->changed, false); }

}  // namespace kwpnd
