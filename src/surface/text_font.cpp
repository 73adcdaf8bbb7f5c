#include "text_font.h"

#include <QImage>
#include <QPaintDevice>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

namespace kwpnd {

const QPaintDevice& metricDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeter96);
        image.setDotsPerMeterY(kDotsPerMeter96);
        return image;
    }();
    return device;
}

QFont makeSurfaceFont(const QString& face, double points, FontStyle style)
{
    QString family = face;
    while (family.endsWith(QLatin1Char(' ')))
        family.chop(1);
    QFont font;
    if (family.isEmpty()) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
    } else {
        font.setFamily(family);
    }
    font.setPointSizeF(points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QFont fontForDevice(const QFont& font, const QPaintDevice* device)
{
    const int dpi = device ? device->logicalDpiY() : kScreenDpi;
    if (dpi == kScreenDpi || dpi <= 0)
        return font;
    QFont corrected = font;
    corrected.setPointSizeF(font.pointSizeF() * kScreenDpi / dpi);
    return corrected;
}

SurfaceFont::SurfaceFont(const QString& face, float points, FontStyle style)
    : face(face),
      points(points),
      style(style),
      font(makeSurfaceFont(face, points, style)),
      metrics(font, &metricDevice()),
      ascent(metrics.ascent()),
      lineSpacing(metrics.lineSpacing())
{
}

namespace {
// Most texts kept per font; beyond it the cache starts again.
constexpr qsizetype kKeptLines = 256;

// The glyphs of a one-line text, laid out as printing it alone lays it out
// (a face without a character falls back to another, as text does), placed
// from the left end of the baseline.
QList<QGlyphRun> layoutGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font, &metricDevice());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const QPointF toBaseline(0, -line.ascent());
    QList<QGlyphRun> runs;
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p += toBaseline;
        run.setPositions(positions);
        runs.append(run);
    }
    return runs;
}
}  // namespace

const CharGlyphs& SurfaceFont::glyphsOf(QChar c) const
{
    auto found = chars_.find(c.unicode());
    if (found != chars_.end())
        return *found;
    CharGlyphs entry;
    const QString text(c);
    entry.advance = metrics.horizontalAdvance(text);
    entry.runs = layoutGlyphs(text, font);
    return *chars_.insert(c.unicode(), entry);
}

LineGlyphs SurfaceFont::glyphsOfLine(const QString& line) const
{
    if (line.isEmpty() || !std::all_of(line.cbegin(), line.cend(), [&](QChar c) { return drawsAsGlyphs(c); }))
        return {};
    auto found = lines_.constFind(line);
    if (found != lines_.cend())
        return *found;
    if (lines_.size() >= kKeptLines)
        lines_.clear();
    LineGlyphs entry{layoutGlyphs(line, font), {}};
    for (const QGlyphRun& run : entry.runs) {
        const QRawFont rawFont = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            entry.outlines |= rawFont.boundingRect(indexes[i]).translated(positions[i]);
    }
    return *lines_.insert(line, std::move(entry));
}

qreal SurfaceFont::widthOf(const QString& line) const
{
    auto found = widths_.constFind(line);
    if (found != widths_.cend())
        return *found;
    if (widths_.size() >= kKeptLines)
        widths_.clear();
    return *widths_.insert(line, metrics.horizontalAdvance(line));
}

bool SurfaceFont::drawsAsGlyphs(QChar c) const
{
    if (style.underline || style.strikeOut)
        return false;
    // Latin-1 letters, digits, marks and blanks, all written left to right.
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF && u != 0xAD);
}

const SurfaceFont& SurfaceFontCache::find(const QString& face, float points, FontStyle style)
{
    std::size_t slot = 0;
    for (std::size_t i = 0; i < kFonts; ++i) {
        const std::optional<SurfaceFont>& f = fonts_[i];
        if (f && f->points == points && f->style == style && f->face == face) {
            used_[i] = ++clock_;
            return *f;
        }
        if (used_[i] < used_[slot])
            slot = i;
    }
    fonts_[slot].emplace(face, points, style);
    used_[slot] = ++clock_;
    return *fonts_[slot];
}

QStringList splitLines(const QString& text)
{
    if (!hasLineBreak(text))
        return {text};
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

}  // namespace kwpnd
