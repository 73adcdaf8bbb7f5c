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
#include <cmath>

namespace kwpnd {

namespace {
bool isNear(QPointF p) { return std::abs(p.x()) < kFarPixels && std::abs(p.y()) < kFarPixels; }

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
    const float advance = TextHeight(text);
    const QStringList lines = splitLines(text);
    if (d->hasArea() && hasInk(lines)) {
        const QPoint at = d->devicePoint(d->currentX, d->currentY);
        if (isNear(at)) {
            const QFont& font = d->currentFont();
            const QFontMetricsF metrics(font, &metricDevice());
            d->draw(TextOp{at, lines, font, d->fore, metrics.ascent(), metrics.lineSpacing(), 0});
        }
    }
    d->currentX = d->scaleLeft;
    d->currentY += advance;
}

void Surface::Print(std::int16_t number)
{
    // A number is printed with room for its sign and one blank after it.
    const QString sign = number < 0 ? QString() : QStringLiteral(" ");
    Print(sign + QString::number(number) + QLatin1Char(' '));
}

float Surface::TextWidth(const QString& text) const
{
    const double perUnit = d->pixelsPerUnitX();
    if (perUnit == 0)
        return 0;
    const QFontMetricsF metrics(d->currentFont(), &metricDevice());
    double widest = 0;
    for (const QString& line : splitLines(text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return float(widest / perUnit);
}

float Surface::TextHeight(const QString& text) const
{
    const double perUnit = d->pixelsPerUnitY();
    if (perUnit == 0)
        return 0;
    const QFontMetricsF metrics(d->currentFont(), &metricDevice());
    return float(metrics.lineSpacing() * splitLines(text).size() / perUnit);
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
    d->draw(TextOp{QPointF(x, y), QStringList{text}, font, d->fore, metrics.ascent(), metrics.lineSpacing(),
                   angleTenths / 10.0});
}

}  // namespace kwpnd
