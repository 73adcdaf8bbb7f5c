#pragma once
// The state behind a Surface, shared by the files that implement it.

#include "device_integer.h"
#include "kwpnd/surface.h"
#include "recording.h"
#include "text_font.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace kwpnd {

// Device coordinates beyond this range (in pixels) are cut or culled before
// they reach the rasteriser: they lie far outside every surface.
inline constexpr double kFarPixels = 1 << 22;

// Largest font size, in points, a surface draws with.
inline constexpr double kMaxFontPoints = 2048;

// Pixel coordinates are whole numbers, as on a native device context.
inline double snapToPixel(double v) { return std::floor(v + 0.5); }

// Error 6, naming the first such value, when a coordinate is not a finite
// number.
void requireFinite(std::initializer_list<double> values);

// Pixels of an outer size in twips; only for sizes already checked by
// toDeviceInt (see Surface::State::checkedPixels).
int pixelsOf(double twips);

// Pixels of an outer size or place in twips, as a device integer (error 6
// naming the twips when it has none).
int checkedPixels(double twips);

// A retained image of `size` (null when empty) at 96 dpi; error 7 when it
// cannot be allocated.
QImage makeRaster(QSize size);

struct KWPND10_NO_EXPORT Surface::State {
    // Outer placement, container twips; the size is set with setOuterSize.
    float left = 0;
    float top = 0;
    double widthTwips = 0;
    double heightTwips = 0;
    QSize pixels;  // of the outer size

    // Scale; the user extents are only read under the user scale.
    std::int16_t scaleMode = smTwip;
    float scaleLeft = 0;
    float scaleTop = 0;
    float userWidth = 1;
    float userHeight = 1;

    float currentX = 0;
    float currentY = 0;

    Colour foreColor = 0;
    Colour backColor = 0xFFFFFF;
    QColor fore = Qt::black;
    QColor back = Qt::white;
    std::int16_t drawWidth = 1;

    QString fontName = QStringLiteral("Arial");
    float fontSize = 8.25f;
    FontStyle fontStyle;
    // The font of the fields above and its metrics, looked up again after a
    // font field changes; fonts used lately are kept, since a page walk
    // switches between a few of them for every field.
    mutable const SurfaceFont* font = nullptr;
    mutable SurfaceFontCache fonts;

    kwpnd::Picture background;
    bool visible = true;
    QString tag;
    QString toolTipText;
    std::int32_t handle = 0;

    // The retained image, with a painter kept open on it between operations.
    QImage image;
    QPainter painter;
    std::optional<OpPainter> live;
    std::shared_ptr<Recording> recording;

    // The last two colour values converted: the bars and gaps of a symbol
    // alternate.
    struct ConvertedColour {
        Colour colour = 0;
        QRgb pixel = 0;
        bool known = false;
    };
    std::array<ConvertedColour, 2> converted;
    int nextConverted = 0;
    // Room for the fills of a run of lines, kept between runs.
    std::vector<FillRunOp::Fill> fillScratch;

    std::function<void()> listener;
    bool changed = false;

    // Erasing only notes that the raster is to be made again from the
    // recording (stale); while the raster is held, so do resizing after an
    // erase and a new background picture, and drawing is only recorded. The
    // first reading of the raster, drawing on a raster not held, or the
    // release makes it once.
    bool rasterHeld = false;
    bool rasterStale = false;

    void setOuterSize(double twipsWide, double twipsHigh)
    {
        widthTwips = twipsWide;
        heightTwips = twipsHigh;
        pixels = {pixelsOf(twipsWide), pixelsOf(twipsHigh)};
    }
    const QSize& pixelSize() const { return pixels; }
    bool hasArea() const { return !pixelSize().isEmpty(); }
    double pixelsPerUnitX() const;
    double pixelsPerUnitY() const;
    QPointF toPixels(double x, double y) const;
    // toPixels as whole device pixels; error 6 naming the coordinate that
    // has no device pixel.
    QPoint devicePoint(double x, double y) const;
    // A length in horizontal (vertical) scale units as whole device pixels,
    // likewise checked.
    int deviceLengthX(double units) const;
    int deviceLengthY(double units) const;
    // The inner area grown by a margin wider than any pen end.
    QRectF drawingBounds(int penWidth) const;
    static QRectF drawingBounds(int penWidth, QSize innerSize);
    const QFont& currentFont() const { return currentSurfaceFont().font; }
    const SurfaceFont& currentSurfaceFont() const;
    void fontChanged() { font = nullptr; }

    // Begins painting on the raster when needed; nullptr without an area.
    OpPainter* canvas();
    // Ends painting, so that the raster can be read or shared.
    void endPainting();
    // Makes a stale raster: its size, the background, the recording.
    void settleRaster();
    // The raster as it is to be read: made when stale, painting ended.
    const QImage& settledImage()
    {
        if (rasterStale)
            settleRaster();
        endPainting();
        return image;
    }
    // The recording, copied first when a snapshot still shares it.
    Recording& recordingToChange();

    // Paints fills of whole cells on the raster and records them, with the
    // fills recorded just before them when nothing came in between.
    void drawFills(std::span<const FillRunOp::Fill> fills);
    // The colour a value stands for, as a 32-bit pixel (see toQColor).
    QRgb pixelOf(Colour colour);

    // Paints an operation on the raster and records it.
    template <class Op>
    void draw(Op&& op)
    {
        if (!paintsLater()) {
            OpPainter* ops = canvas();
            if (!ops)
                return;
            ops->paint(op);
        }
        recordingToChange().add(DrawOp(std::forward<Op>(op)));
        markChanged();
    }
    // Whether drawing is only recorded for now: the raster is held and to
    // be made again from the recording anyway.
    bool paintsLater() const { return rasterHeld && rasterStale && !pixels.isEmpty(); }
    // Combines a picture into the raster; recorded as the resulting pixels.
    void drawRasterOp(const QRect& target, const kwpnd::Picture& picture, const QRect& source, std::uint8_t operation);

    // The recording's background over the whole raster, painting live.
    void paintBackground();
    void markChanged();
    // Back colour and background picture everywhere; the recording restarts.
    void erase();
    // Background, then the recording again (after the background changed).
    void rerender();
    void resize(double newWidthTwips, double newHeightTwips);
};

}  // namespace kwpnd
