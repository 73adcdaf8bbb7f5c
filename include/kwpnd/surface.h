#pragma once
// Surface: the retained-mode drawing canvas every renderer draws on.
//
// Coordinates are in the unit of the scale mode (twips, points, pixels ...,
// or a user scale); the screen is fixed at 15 twips per pixel. Everything
// drawn is kept in a raster (the retained image, 96 dpi) and, beside it, in a
// recording that can be replayed on any QPainter at any resolution.
// Properties are overloaded pairs: `X()` reads, `X(value)` writes.

#include "kwpnd/picture.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace kwpnd {

using Colour = std::int32_t;  // red + 256·green + 65536·blue

enum PND_SCALEMODE : std::int16_t {
    smUser = 0,
    smTwip = 1,
    smPoint = 2,
    smPixel = 3,
    smCharacter = 4,
    smInche = 5,
    smMilimeter = 6,
    smCentimeter = 7,
};

inline constexpr int TwipsPerPixelX = 15;
inline constexpr int TwipsPerPixelY = 15;

// Ternary raster-operation codes most callers use.
inline constexpr std::int32_t SRCCOPY = 0x00CC0020;
inline constexpr std::int32_t SRCPAINT = 0x00EE0086;
inline constexpr std::int32_t SRCAND = 0x008800C6;
inline constexpr std::int32_t SRCINVERT = 0x00660046;
inline constexpr std::int32_t NOTSRCCOPY = 0x00330008;

enum class LineMode { Line, Box, FilledBox };

class Surface {
public:
    // Largest retained image side, in pixels, and largest area (64 Mpixel,
    // as for a decoded picture); larger sizes are refused with error 380
    // before anything is allocated. An A3 page at 96 dpi has 1.8 Mpixel.
    static constexpr int kMaxPixelSide = 16384;
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

    // A surface of the given outer size in container twips (errors as for
    // Width and Height).
    explicit Surface(double widthTwips = 4800, double heightTwips = 3600);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Scale
    std::int16_t ScaleMode() const;
    void ScaleMode(std::int16_t mode);  // 0..7, else error 380
    float ScaleLeft() const;
    float ScaleTop() const;
    float ScaleWidth() const;
    void ScaleWidth(float units);  // user scale; 0 is error 380
    float ScaleHeight() const;
    void ScaleHeight(float units);

    // Drawing position
    float CurrentX() const;
    void CurrentX(float x);
    float CurrentY() const;
    void CurrentY(float y);

    // Colours and pen
    Colour ForeColor() const;
    void ForeColor(Colour c);
    Colour BackColor() const;
    void BackColor(Colour c);  // erases everything to c
    std::int16_t DrawWidth() const;
    void DrawWidth(std::int16_t pixels);  // below 1: error 380

    // Font
    QString FontName() const;
    void FontName(const QString& face);
    float FontSize() const;
    void FontSize(float points);  // not in (0, 2048]: error 380
    bool FontBold() const;
    void FontBold(bool on);
    bool FontItalic() const;
    void FontItalic(bool on);
    bool FontUnderline() const;
    void FontUnderline(bool on);
    bool FontStrikethru() const;
    void FontStrikethru(bool on);

    // Background picture, drawn at the top-left beneath all drawing.
    kwpnd::Picture Picture() const;
    void Picture(const kwpnd::Picture& picture);

    // Outer placement and size in the container's units (twips).
    // A number of twips beyond a device pixel coordinate is error 6; a
    // negative or too large size error 380 (kMaxPixelSide, kMaxPixels).
    float Left() const;
    void Left(float twips);
    float Top() const;
    void Top(float twips);
    float Width() const;
    void Width(float twips);
    float Height() const;
    void Height(float twips);
    void Move(float left, std::optional<float> top = {}, std::optional<float> width = {},
              std::optional<float> height = {});

    bool Visible() const;
    void Visible(bool on);
    QString Tag() const;
    void Tag(const QString& text);
    QString ToolTipText() const;
    void ToolTipText(const QString& text);

    // A device-context handle naming this surface while it lives (see
    // drawRotatedText and clsKWPNDFontRotateA). Never 0.
    std::int32_t hDC() const;
    static Surface* fromHDC(std::int32_t hdc);

    // Snapshot of the inner area as now seen; later drawing never changes it.
    kwpnd::Picture Image() const;

    // Operations. A coordinate or size that has no device pixel (beyond a
    // 32-bit device coordinate, not a number, or under a user scale of zero
    // extent) is error 6 naming it, and the surface stays as it was.
    void Cls();
    void Print(const QString& text);
    void Print(std::int16_t number);  // " 7 ", "-7 "
    void Line(float x1, float y1, float x2, float y2, std::optional<Colour> colour = {},
              LineMode mode = LineMode::Line);
    void Circle(float x, float y, float radius, std::optional<Colour> colour = {}, std::optional<float> start = {},
                std::optional<float> end = {}, std::optional<float> aspect = {});
    // Without a source rectangle the whole picture is copied; a destination
    // size omitted keeps the natural size. `opcode` is a ternary raster
    // operation (SRCCOPY when omitted). An empty picture: error 91.
    void PaintPicture(const kwpnd::Picture& picture, float x1, float y1, std::optional<float> width1 = {},
                      std::optional<float> height1 = {}, std::optional<float> x2 = {}, std::optional<float> y2 = {},
                      std::optional<float> width2 = {}, std::optional<float> height2 = {},
                      std::optional<std::int32_t> opcode = {});
    float TextWidth(const QString& text) const;
    float TextHeight(const QString& text) const;
    // Prints the characters of a one-line text one at a time: each where
    // Print of it alone would put it, the position then moving right by its
    // TextWidth plus `extraBlank` after a blank or `extraOther` after any
    // other character; then goes to the next line as Print("") does. Draws
    // what that sequence of calls draws, in one operation (errors likewise:
    // what came before the failing character stays drawn).
    void printSpaced(const QString& text, float extraBlank, float extraOther);

    // Text with a given face, cell height (ascent plus descent) in pixels
    // (negative: the em height; 0: the surface's font size) and angle in
    // tenths of a degree (counter-clockwise), its reference point (top-left of the cell)
    // at device pixel (x, y), in ForeColor, background not filled. The native
    // text call that rotated text stands on.
    void drawRotatedText(const QString& face, int cellHeightPixels, int angleTenths, int x, int y, const QString& text);

    // Raster and recording access for views, printing and tests.
    int pixelWidth() const;  // inner area in pixels
    int pixelHeight() const;
    QPointF toPixels(float x, float y) const;  // scale units -> inner pixels
    QImage retainedImage() const;              // shallow copy of the raster
    // Replays background and drawing since the last erase into `target`.
    void replay(QPainter& painter, const QRectF& target) const;

    // Called at most once between two takeChanged() calls, when the retained
    // image changes: lets a view schedule one repaint for many operations.
    void onChanged(std::function<void()> listener);
    bool takeChanged();

private:
    struct State;
    std::unique_ptr<State> d;
};

}  // namespace kwpnd
