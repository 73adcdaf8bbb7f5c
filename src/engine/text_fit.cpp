#include "text_fit.h"

#include "conversions.h"
#include "kwpnd/error.h"

#include <QPointF>

#include <vector>

namespace kwpnd {

namespace {

constexpr int kSmallestSize = 6;
constexpr int kLargestSize = 72;
constexpr int kSizeFloor = 1;  // wrapping gives up below this size

enum LineKind { kNoBreak = 0, kEndsAtBlank = 1, kEndsAtHyphen = 2, kParagraphEnd = 3 };

struct WrappedLine {
    QString text;
    int kind = kNoBreak;
};

// A length in device pixels as scale units of `pixelsPerUnit` pixels each.
float pixelsToUnits(double pixels, double pixelsPerUnit)
{
    return pixels == 0 || pixelsPerUnit == 0 ? 0.0f : static_cast<float>(pixels / pixelsPerUnit);
}

QString trimBlanks(const QString& s)
{
    qsizetype first = 0, last = s.size();
    while (first < last && s[first] == QLatin1Char(' '))
        ++first;
    while (last > first && s[last - 1] == QLatin1Char(' '))
        --last;
    return s.mid(first, last - first);
}

// Word-wraps `text` to `width` at the surface's current font.
std::vector<WrappedLine> wrap(const Surface& surface, const QString& text, float width)
{
    std::vector<WrappedLine> lines(1);
    QString word;
    auto overflow = [&](QChar c) {
        WrappedLine& line = lines.back();
        if (line.kind != kNoBreak) {
            line.text = trimBlanks(line.text);
            word += c;
        } else {
            // One word wider than the line: cut it here.
            line.text = word;
            word = QString(c);
        }
        lines.emplace_back();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        WrappedLine& line = lines.back();
        if (c == QLatin1Char(' ')) {
            line.text += word + c;
            line.kind = kEndsAtBlank;
            word.clear();
        } else if (c == QLatin1Char('-')) {
            if (surface.TextWidth(line.text + word + c) > width) {
                overflow(c);
            } else {
                line.text += word + c;
                line.kind = kEndsAtHyphen;
                word.clear();
            }
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            line.text += word;
            line.kind = kParagraphEnd;
            word.clear();
            lines.emplace_back();
        } else if (surface.TextWidth(line.text + word + c) > width) {
            overflow(c);
        } else {
            word += c;
        }
    }
    lines.back().text += word;
    lines.back().kind = kParagraphEnd;
    return lines;
}

// Writes one justified line a character at a time, spreading the free room
// over the blanks (or over every character when blanks alone would gape).
void printJustified(Surface& surface, const QString& line, float width)
{
    const float blankWidth = surface.TextWidth(QStringLiteral(" "));
    const int blanks = static_cast<int>(line.count(QLatin1Char(' ')));
    const float room = width - surface.TextWidth(line);
    float extraBlank = 0, extraOther = 0;
    if (blanks >= 1 && 3 * blankWidth >= roundToLong(room) / blanks) {
        extraBlank = room / blanks;
    } else {
        const qsizetype gaps = line.size() + 2 * blanks - 1;
        if (gaps == 0)
            throw Error(ErrorNumber::DivisionByZero);
        extraOther = room / gaps;
        extraBlank = 3 * extraOther;
    }
    for (const QChar c : line) {
        const float x = surface.CurrentX() + surface.TextWidth(QString(c));
        const float y = surface.CurrentY();
        surface.Print(QString(c));
        surface.CurrentX(x + (c == QLatin1Char(' ') ? extraBlank : extraOther));
        surface.CurrentY(y);
    }
    surface.Print(QString());
}

void writePass(Surface& surface, std::vector<WrappedLine>& lines, std::int32_t alignment, float margin, float width,
               float dx, float dy)
{
    surface.CurrentY(margin + dy);
    for (WrappedLine& line : lines) {
        surface.CurrentX(margin + dx);
        line.text = trimBlanks(line.text);
        switch (alignment) {
        case 0:
            surface.Print(line.text);
            break;
        case 1:
            surface.CurrentX(dx + (width - surface.TextWidth(line.text)) / 2 + margin);
            surface.Print(line.text);
            break;
        case 2:
            surface.CurrentX(dx + (width - surface.TextWidth(line.text)) + margin);
            surface.Print(line.text);
            break;
        case 3:
            if (line.kind == kParagraphEnd)
                surface.Print(line.text);
            else
                printJustified(surface, line.text, width);
            break;
        default:
            break;
        }
    }
}

bool fitText(Surface& surface, const QString& text, std::int32_t alignment, float margin, std::int32_t& shadow,
             Colour shadowColour)
{
    const int breaks = CountOccurrences(text, QStringLiteral("\r\n"));
    if (2 * margin > surface.ScaleWidth() || 2 * margin > surface.ScaleHeight())
        return false;
    const float width = surface.ScaleWidth() - 2 * margin;
    const float height = surface.ScaleHeight() - 2 * margin;
    if (width == 0)
        throw Error(ErrorNumber::DivisionByZero);

    // First estimate: the text as one run of lines of the full width.
    int size = 0;
    for (int s = kSmallestSize; size < kLargestSize; ++s) {
        surface.FontSize(static_cast<float>(s));
        const float estimate = (surface.TextWidth(text) / width + breaks) * surface.TextHeight(QStringLiteral(" "));
        if (!(estimate < height))
            break;
        size = s;
    }
    if (size == 0)
        return false;

    // Shrink until the wrapped lines fit the height.
    std::vector<WrappedLine> lines;
    for (;; --size) {
        if (size < kSizeFloor)
            return false;
        surface.FontSize(static_cast<float>(size));
        lines = wrap(surface, text, width);
        if (!(static_cast<float>(lines.size()) * surface.TextHeight(QStringLiteral("X")) > height))
            break;
    }

    // Shadow offset: u screen pixels in the shadow's direction, converted
    // into the surface's scale units. A direction outside 0..8 has no shadow.
    const bool shadowed = shadow != 4 && isShadowDirection(shadow);
    const int u = size / 15 + 1;
    const QPointF offset = shadowed ? QPointF(u * ((shadow % 3) - 1), u * ((shadow / 3) - 1)) : QPointF();
    float dx = pixelsToUnits(offset.x(), surface.toPixels(1, 0).x() - surface.toPixels(0, 0).x());
    float dy = pixelsToUnits(offset.y(), surface.toPixels(0, 1).y() - surface.toPixels(0, 0).y());

    const Colour textColour = surface.ForeColor();
    if (shadowed)
        surface.ForeColor(shadowColour);
    for (;;) {
        writePass(surface, lines, alignment, margin, width, dx, dy);
        if (surface.ForeColor() == textColour) {
            shadow = 4;
            return true;
        }
        surface.ForeColor(textColour);
        dx = dy = 0;
    }
}

}  // namespace

std::int16_t CountOccurrences(const QString& text, const QString& pattern)
{
    int count = 0;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype at = text.indexOf(pattern, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        if (++count > 32767)
            throw Error(ErrorNumber::Overflow);
        from = at + 1;
    }
    return static_cast<std::int16_t>(count);
}

bool FitText(Surface& surface, const QString& text, std::int32_t alignment, float margin, std::int32_t& shadow,
             Colour shadowColour)
{
    try {
        return fitText(surface, text, alignment, margin, shadow, shadowColour);
    } catch (...) {
        return false;
    }
}

}  // namespace kwpnd
