// Surface: text output and measurement.
//
// A text with line breaks prints as several lines; TextHeight then counts all
// of them, so that Print always leaves CurrentY below what it wrote, and
// TextWidth gives the widest line. For a text of one line both are exactly
// one line of the current font.
#include "kwpnd/surface.h"

#include "kwpnd/error.h"
#include "surface_state.h"

#include <QFontMetricsF>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace kwpnd {

namespace {
bool isNear(QPointF p) { return std::abs(p.x()) < kFarPixels && std::abs(p.y()) < kFarPixels; }

// The glyphs of each character's own text, placed at its text cell, one
// run per font that draws them.
QList<QGlyphRun> placedGlyphs(const SurfaceFont& font, const QString& chars, const std::vector<QPointF>& topLefts)
{
    struct Run {
        QRawFont rawFont;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::vector<Run> runs;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const QPointF baseline = topLefts[i] + QPointF(0, font.ascent);
        for (const QGlyphRun& glyphs : font.glyphsOf(chars[i]).runs) {
            const QRawFont rawFont = glyphs.rawFont();
            auto run = std::find_if(runs.begin(), runs.end(), [&](const Run& r) { return r.rawFont == rawFont; });
            if (run == runs.end())
                run = runs.insert(runs.end(), Run{rawFont, {}, {}});
            run->indexes += glyphs.glyphIndexes();
            for (const QPointF& p : glyphs.positions())
                run->positions.append(p + baseline);
        }
    }
    QList<QGlyphRun> placed;
    for (Run& r : runs) {
        QGlyphRun run;
        run.setRawFont(r.rawFont);
        run.setGlyphIndexes(r.indexes);
        run.setPositions(r.positions);
        placed.append(run);
    }
    return placed;
}

bool hasInk(const QStringList& lines)
{
    for (const QString& line : lines)
        if (!line.isEmpty())
            return true;
    return false;
}
}  // namespace

void Surface::Print(const QString& text)
{
    requireFinite({d->currentX, d->currentY});
    const SurfaceFont& font = d->currentSurfaceFont();
    const QStringList lines = splitLines(text);
    const double perUnit = d->pixelsPerUnitY();
    const float advance = perUnit == 0 ? 0 : float(font.lineSpacing * lines.size() / perUnit);
    if (d->hasArea() && hasInk(lines)) {
        const QPoint at = d->devicePoint(d->currentX, d->currentY);
        if (isNear(at)) {
            LineGlyphs glyphs = lines.size() == 1 ? font.glyphsOfLine(lines.front()) : LineGlyphs();
            d->draw(TextOp{at, lines, font.font, d->fore, font.ascent, font.lineSpacing, 0, std::move(glyphs.runs),
                           glyphs.outlines});
        }
    }
    d->currentX = d->scaleLeft;
    d->currentY += advance;
}

void Surface::Print(std::int16_t number)
{
    // A number is printed with room for its sign and one blank after it.
    char16_t text[8];
    char16_t* end = std::end(text);
    *--end = u' ';
    int magnitude = std::abs(int(number));
    do {
        *--end = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    *--end = number < 0 ? u'-' : u' ';
    Print(QString(reinterpret_cast<const QChar*>(end), std::end(text) - end));
}

float Surface::TextWidth(const QString& text) const
{
    const double perUnit = d->pixelsPerUnitX();
    if (perUnit == 0)
        return 0;
    const SurfaceFont& font = d->currentSurfaceFont();
    if (!hasLineBreak(text))
        return float(font.widthOf(text) / perUnit);
    double widest = 0;
    for (const QString& line : splitLines(text))
        widest = std::max(widest, font.widthOf(line));
    return float(widest / perUnit);
}

float Surface::TextHeight(const QString& text) const
{
    const double perUnit = d->pixelsPerUnitY();
    if (perUnit == 0)
        return 0;
    const qsizetype lines = hasLineBreak(text) ? splitLines(text).size() : 1;
    return float(d->currentSurfaceFont().lineSpacing * lines / perUnit);
}

void Surface::printSpaced(const QString& text, float extraBlank, float extraOther)
{
    const SurfaceFont& font = d->currentSurfaceFont();
    const double perUnitX = d->pixelsPerUnitX();
    PlacedTextOp op{{}, {}, font.font, d->fore, font.ascent, {}};
    auto flush = [&] {
        if (op.chars.isEmpty())
            return;
        if (std::all_of(op.chars.cbegin(), op.chars.cend(), [&](QChar c) { return font.drawsAsGlyphs(c); }))
            op.glyphs = placedGlyphs(font, op.chars, op.topLefts);
        d->draw(std::move(op));
    };
    try {
        for (const QChar c : text) {
            requireFinite({d->currentX, d->currentY});
            // A line break alone is two empty lines: no width, nothing drawn.
            const bool lineBreak = c == u'\n' || c == u'\r';
            const qreal advance = lineBreak ? 0 : font.glyphsOf(c).advance;
            const float x = d->currentX + (perUnitX == 0 ? 0.0f : float(advance / perUnitX));
            if (d->hasArea() && !lineBreak) {
                const QPoint at = d->devicePoint(d->currentX, d->currentY);
                if (isNear(at)) {
                    op.chars += c;
                    op.topLefts.push_back(at);
                }
            }
            d->currentX = x + (c == u' ' ? extraBlank : extraOther);
        }
    } catch (...) {
        flush();
        throw;
    }
    flush();
    Print(QString());
}

void Surface::drawRotatedText(const QString& face, int cellHeightPixels, int angleTenths, int x, int y,
                              const QString& text)
{
    const double requestedPoints = std::abs(double(cellHeightPixels)) * 72.0 / kScreenDpi;
    if (requestedPoints > kMaxFontPoints)
        throw Error::detailed(ErrorNumber::InvalidPropertyValue,
                              QStringLiteral("a font of %1 points is larger than the largest of %2 points")
                                  .arg(requestedPoints)
                                  .arg(kMaxFontPoints));
    if (text.isEmpty() || !d->hasArea() || !isNear(QPointF(x, y)))
        return;
    // A positive height is the cell height, ascent plus descent, as with a
    // native logical font: the em is smaller by the face's leading. A
    // negative height is the em itself; 0 leaves the size to the surface's
    // own font, as a native context's default font would.
    double points = cellHeightPixels == 0 ? d->fontSize : requestedPoints;
    if (cellHeightPixels > 0) {
        const QFontMetricsF probe(makeSurfaceFont(face, points), &metricDevice());
        const double cell = probe.ascent() + probe.descent();
        if (cell > 0)
            points *= cellHeightPixels / cell;
    }
    const QFont font = makeSurfaceFont(face, points);
    const QFontMetricsF metrics(font, &metricDevice());
    d->draw(TextOp{QPointF(x, y),
                   QStringList{text},
                   font,
                   d->fore,
                   metrics.ascent(),
                   metrics.lineSpacing(),
                   angleTenths / 10.0,
                   {},
                   {}});
}

}  // namespace kwpnd
