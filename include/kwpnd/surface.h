#pragma once
/// @file
/// Surface: the retained-mode drawing canvas every renderer draws on.
///
/// Coordinates are in the unit of the scale mode (twips, points, pixels ...,
/// or a user scale); the screen is fixed at 15 twips per pixel. Everything
/// drawn is kept in a raster (the retained image, 96 dpi) and, beside it, as
/// vectors that can be replayed on any QPainter at any resolution.
/// Properties are overloaded pairs: `X()` reads, `X(value)` writes.

#include "kwpnd/kwpnd10_export.h"
#include "kwpnd/picture.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QPainter;

namespace kwpnd {

/// A colour number: red + 256·green + 65536·blue.
using Colour = std::int32_t;

/// The units of a scale mode.
enum PND_SCALEMODE : std::int16_t {
    smUser = 0,        ///< a scale of the caller's own (ScaleWidth, ScaleHeight)
    smTwip = 1,        ///< twips, 1440 to the inch
    smPoint = 2,       ///< points, 72 to the inch
    smPixel = 3,       ///< pixels of the screen (96 dpi)
    smCharacter = 4,   ///< characters: 120 twips across, 240 down
    smInche = 5,       ///< inches
    smMilimeter = 6,   ///< millimetres
    smCentimeter = 7,  ///< centimetres
};

/// Twips in one screen pixel across (fixed: 96 dpi).
inline constexpr int TwipsPerPixelX = 15;
/// Twips in one screen pixel down (fixed: 96 dpi).
inline constexpr int TwipsPerPixelY = 15;

/// Raster operation: copy the source.
inline constexpr std::int32_t SRCCOPY = 0x00CC0020;
/// Raster operation: source OR destination.
inline constexpr std::int32_t SRCPAINT = 0x00EE0086;
/// Raster operation: source AND destination.
inline constexpr std::int32_t SRCAND = 0x008800C6;
/// Raster operation: source XOR destination.
inline constexpr std::int32_t SRCINVERT = 0x00660046;
/// Raster operation: the inverted source.
inline constexpr std::int32_t NOTSRCCOPY = 0x00330008;

/// What Surface::Line draws between its two points.
enum class LineMode {
    Line,      ///< a line
    Box,       ///< the outline of the rectangle
    FilledBox  ///< the rectangle filled with the line's colour
};

/// `count` Line calls in one, for Surface::drawLines: the k-th (from 0)
/// goes from (x1 + k·stepX, y1) to (x2 + k·stepX, y2), sums worked out in
/// single precision.
struct LineRun {
    float x1 = 0;                    ///< start of the first line, scale units
    float y1 = 0;                    ///< start of every line, scale units
    float x2 = 0;                    ///< end of the first line, scale units
    float y2 = 0;                    ///< end of every line, scale units
    Colour colour = 0;               ///< as Line's colour
    LineMode mode = LineMode::Line;  ///< as Line's mode
    int count = 1;                   ///< below 1: nothing
    float stepX = 0;                 ///< how far each line lies right of the one before
};

/// The drawing canvas: a retained raster and its vectors, with the state of
/// a picture box (scale, position, colours, pen and font).
class KWPND10_EXPORT Surface {
public:
    /// Largest retained image side, in pixels; larger sizes are refused with
    /// error 380 before anything is allocated.
    static constexpr int kMaxPixelSide = 16384;
    /// Largest retained image area, in pixels (64 Mpixel, as for a decoded
    /// picture); an A3 page at 96 dpi has 1.8 Mpixel.
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

    /// A surface of the given outer size in container twips (errors as for
    /// Width and Height).
    explicit Surface(double widthTwips = 4800, double heightTwips = 3600);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    /// @name Scale
    /// @{
    std::int16_t ScaleMode() const;     ///< The unit of coordinates (PND_SCALEMODE).
    void ScaleMode(std::int16_t mode);  ///< 0..7, else error 380.
    float ScaleLeft() const;            ///< Left edge of the inner area, in scale units.
    float ScaleTop() const;             ///< Top edge of the inner area, in scale units.
    float ScaleWidth() const;           ///< Inner width in scale units.
    void ScaleWidth(float units);       ///< Sets a user scale (mode 0); 0 is error 380.
    float ScaleHeight() const;          ///< Inner height in scale units.
    void ScaleHeight(float units);      ///< Sets a user scale (mode 0); 0 is error 380.
    /// @}

    /// @name Drawing position, in scale units
    /// @{
    float CurrentX() const;  ///< Where the next text or point goes, across.
    void CurrentX(float x);  ///< Moves the drawing position across.
    float CurrentY() const;  ///< Where the next text or point goes, down.
    void CurrentY(float y);  ///< Moves the drawing position down.
    /// @}

    /// @name Colours and pen
    /// @{
    Colour ForeColor() const;             ///< Colour of lines and text.
    void ForeColor(Colour c);             ///< Sets the colour of later lines and text.
    Colour BackColor() const;             ///< Colour the surface is erased to.
    void BackColor(Colour c);             ///< Erases everything to `c`.
    std::int16_t DrawWidth() const;       ///< Pen width in pixels.
    void DrawWidth(std::int16_t pixels);  ///< Below 1: error 380.
    /// @}

    /// @name Font
    /// @{
    QString FontName() const;            ///< Face name of the text font.
    void FontName(const QString& face);  ///< Any face; a missing one falls back to a similar face.
    float FontSize() const;              ///< Size in points.
    void FontSize(float points);         ///< Not in (0, 2048]: error 380.
    bool FontBold() const;               ///< Bold text.
    void FontBold(bool on);              ///< Sets bold text.
    bool FontItalic() const;             ///< Italic text.
    void FontItalic(bool on);            ///< Sets italic text.
    bool FontUnderline() const;          ///< Underlined text.
    void FontUnderline(bool on);         ///< Sets underlined text.
    bool FontStrikethru() const;         ///< Struck-through text.
    void FontStrikethru(bool on);        ///< Sets struck-through text.
    /// @}

    /// Background picture, drawn at the top-left beneath all drawing.
    kwpnd::Picture Picture() const;
    /// Sets the background picture (the empty picture removes it).
    void Picture(const kwpnd::Picture& picture);

    /// @name Outer placement and size, in the container's units (twips)
    /// A number of twips beyond a device pixel coordinate is error 6; a
    /// negative or too large size error 380 (kMaxPixelSide, kMaxPixels).
    /// @{
    float Left() const;        ///< Left edge in the container.
    void Left(float twips);    ///< Moves the left edge.
    float Top() const;         ///< Top edge in the container.
    void Top(float twips);     ///< Moves the top edge.
    float Width() const;       ///< Outer width.
    void Width(float twips);   ///< Resizes; the drawing is kept where it fits.
    float Height() const;      ///< Outer height.
    void Height(float twips);  ///< Resizes; the drawing is kept where it fits.
    /// Moves and optionally resizes in one step.
    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});
    /// @}

    bool Visible() const;                   ///< Whether a view shows the surface.
    void Visible(bool on);                  ///< Shows or hides the surface in its view.
    QString Tag() const;                    ///< A text the caller keeps with the surface.
    void Tag(const QString& text);          ///< Sets the caller's text.
    QString ToolTipText() const;            ///< The tip a view shows over the surface.
    void ToolTipText(const QString& text);  ///< Sets the tip.

    /// A device-context handle naming this surface while it lives (see
    /// drawRotatedText and clsKWPNDFontRotateA). Never 0.
    std::int32_t hDC() const;
    /// The live surface a handle names; null for an unknown handle.
    static Surface* fromHDC(std::int32_t hdc);

    /// Snapshot of the inner area as now seen; later drawing never changes it.
    kwpnd::Picture Image() const;

    /// @name Operations
    /// A coordinate or size that has no device pixel (beyond a 32-bit device
    /// coordinate, not a number, or under a user scale of zero extent) is
    /// error 6 naming it, and the surface stays as it was.
    /// @{

    /// Erases to BackColor and puts the drawing position at the top-left.
    void Cls();
    /// Prints text at the drawing position in the current font and moves
    /// the position to the start of the next line.
    void Print(const QString& text);
    /// Prints a number with its sign place and a trailing blank (" 7 ", "-7 ").
    void Print(std::int16_t number);
    /// A line, box or filled box from (x1, y1) to (x2, y2), in `colour` or
    /// ForeColor; the drawing position ends at (x2, y2).
    void Line(float x1, float y1, float x2, float y2, std::optional<Colour> colour = {},
              LineMode mode = LineMode::Line);
    /// A circle, arc or ellipse around (x, y); angles in radians (negative:
    /// the arc joined to the centre), `aspect` height over width.
    void Circle(float x, float y, float radius, std::optional<Colour> colour = {}, std::optional<float> start = {},
                std::optional<float> end = {}, std::optional<float> aspect = {});
    /// Copies a picture (or its rectangle x2, y2, width2, height2) to
    /// (x1, y1), stretched to width1 x height1 when given (else its natural
    /// size). `opcode` is a ternary raster operation (SRCCOPY when omitted).
    /// An empty picture: error 91.
    void PaintPicture(const kwpnd::Picture& picture, float x1, float y1, std::optional<float> width1 = {},
                      std::optional<float> height1 = {}, std::optional<float> x2 = {}, std::optional<float> y2 = {},
                      std::optional<float> width2 = {}, std::optional<float> height2 = {},
                      std::optional<std::int32_t> opcode = {});
    /// Width of the text in the current font, in scale units.
    float TextWidth(const QString& text) const;
    /// Height of the text (all its lines) in the current font, in scale units.
    float TextHeight(const QString& text) const;
    /// Draws what the Line calls of the runs, made one after the other,
    /// draw, with their errors (what came before a failing line stays
    /// drawn) and their drawing position at the end. Lines one pixel wide
    /// and filled boxes of one colour that together cover a rectangle of
    /// pixels are filled as that one rectangle, in the raster and in the
    /// recording: bars of a barcode cost one fill each.
    void drawLines(std::span<const LineRun> runs);
    /// drawLines, telling how many of the runs, from the first, were drawn
    /// in full: all of them, or those before the one an error stopped at.
    void drawLines(std::span<const LineRun> runs, std::size_t& runsDrawn);
    /// Prints the characters of a one-line text one at a time: each where
    /// Print of it alone would put it, the position then moving right by its
    /// TextWidth plus `extraBlank` after a blank or `extraOther` after any
    /// other character; then goes to the next line as Print("") does. Draws
    /// what that sequence of calls draws, in one operation (errors likewise:
    /// what came before the failing character stays drawn).
    void printSpaced(const QString& text, float extraBlank, float extraOther);

    /// Text with a given face, cell height (ascent plus descent) in pixels
    /// (negative: the em height; 0: the surface's font size) and angle in
    /// tenths of a degree (counter-clockwise), its reference point (top-left
    /// of the cell) at device pixel (x, y), in ForeColor, background not
    /// filled.
    void drawRotatedText(const QString& face, int cellHeightPixels, int angleTenths, int x, int y, const QString& text);
    /// @}

    /// @name Setting a surface up
    /// Between holdRaster() and releaseRaster(), erasing, resizing an erased
    /// surface and changing its background picture paint nothing, and
    /// drawing after them is only recorded: the raster is made and painted
    /// once, at its final size, when it is first read, at the latest by
    /// releaseRaster() (error 7 there when it cannot be allocated). What the
    /// surface shows is the same.
    /// @{
    void holdRaster();     ///< Begins setting up.
    void releaseRaster();  ///< Ends setting up; the raster is what it would be without the hold.
    /// @}

    /// @name Raster and vectors, for views, printing and tests
    /// @{
    int pixelWidth() const;                    ///< Inner width in pixels.
    int pixelHeight() const;                   ///< Inner height in pixels.
    QPointF toPixels(float x, float y) const;  ///< Scale units to inner pixels.
    QImage retainedImage() const;              ///< Shallow copy of the raster.
    /// Replays background and drawing since the last erase into `target`
    /// (painter coordinates), at the painter's resolution.
    void replay(QPainter& painter, const QRectF& target) const;

    /// Called at most once between two takeChanged() calls, when the retained
    /// image changes: lets a view schedule one repaint for many operations.
    void onChanged(std::function<void()> listener);
    /// Whether the image changed since the last call; clears the mark.
    bool takeChanged();
    /// @}

private:
    struct State;
    std::unique_ptr<State> d;
};

}  // namespace kwpnd
