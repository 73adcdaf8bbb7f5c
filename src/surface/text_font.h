#pragma once
// Fonts and text measurement shared by the surface and its recording.
//
// Fonts are described in points at 96 dpi, the retained image's resolution.
// Drawing on another device (a printer, a PDF, an enlarged image) corrects the
// point size by 96 / device dpi, because the painter's own scaling already
// carries the enlargement: text then keeps its physical size everywhere.

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

class QPaintDevice;

namespace kwpnd {

inline constexpr int kScreenDpi = 96;
inline constexpr int kDotsPerMeter96 = 3780;  // 96 dpi

// A 1×1 raster at 96 dpi that text is measured against, so measurements do
// not depend on the screen of the machine.
const QPaintDevice& metricDevice();

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontStyle&) const = default;
};

// A font of the face (trailing blanks ignored; no face picks a fixed-pitch
// one) at `points` (at 96 dpi), without hinting so that text lays out the same
// at every size and on every machine.
QFont makeSurfaceFont(const QString& face, double points, FontStyle style = {});

// The font to hand to a painter on `device` (see the note above).
QFont fontForDevice(const QFont& font, const QPaintDevice* device);

// What a text of one character draws in a font: its width (as measured for
// the text) and its glyphs, placed from the left end of the baseline.
struct CharGlyphs {
    qreal advance = 0;  // pixels at 96 dpi
    QList<QGlyphRun> runs;
};

// What a one-line text draws: its glyphs, placed from the left end of the
// baseline, and the bounds of their outlines from there.
struct LineGlyphs {
    QList<QGlyphRun> runs;
    QRectF outlines;
};

// A surface font with what measuring and printing need of it.
struct SurfaceFont {
    QString face;
    float points = 0;
    FontStyle style;
    QFont font;
    QFontMetricsF metrics;  // against metricDevice()
    qreal ascent = 0;       // pixels at 96 dpi
    qreal lineSpacing = 0;

    SurfaceFont(const QString& face, float points, FontStyle style);

    // The character's entry, worked out at its first use.
    const CharGlyphs& glyphsOf(QChar c) const;
    // Whether a text of `c` alone draws exactly its glyphs (no decoration
    // lines, left to right): such characters can be drawn as placed glyphs.
    bool drawsAsGlyphs(QChar c) const;
    // The glyphs a one-line text draws, placed from the left end of its
    // baseline; empty when the text cannot be drawn as glyphs (see
    // drawsAsGlyphs). Texts printed lately are kept: the digits under the
    // bars of a barcode are laid out once.
    LineGlyphs glyphsOfLine(const QString& line) const;
    // metrics.horizontalAdvance(line); texts measured lately are kept (a
    // symbol's caption is measured before it is printed).
    qreal widthOf(const QString& line) const;

private:
    mutable QHash<char16_t, CharGlyphs> chars_;
    mutable QHash<QString, LineGlyphs> lines_;
    mutable QHash<QString, qreal> widths_;
};

// The surface fonts used lately, the least recently used one replaced by a
// new one. Entries stay where they are until replaced.
class SurfaceFontCache {
public:
    const SurfaceFont& find(const QString& face, float points, FontStyle style);

private:
    static constexpr std::size_t kFonts = 8;
    std::array<std::optional<SurfaceFont>, kFonts> fonts_;
    std::array<std::uint64_t, kFonts> used_{};
    std::uint64_t clock_ = 0;
};

// The lines of a text: CR LF, CR and LF each end a line.
QStringList splitLines(const QString& text);
// Whether a text is more than one line.
inline bool hasLineBreak(QStringView text)
{
    for (QChar c : text)
        if (c == u'\n' || c == u'\r')
            return true;
    return false;
}

}  // namespace kwpnd
