#include "text_fit.h"

#include "conversions.h"
#include "kwpnd/error.h"

#include <QHash>
#include <QPointF>

#include <optional>
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
    // TextWidth of the trimmed text, measured by the first pass that needs
    // it (the shadow's pass and the text's measure the same line).
    std::optional<float> width;
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

// Widths of the pieces of a text at the surface's current font, for telling
// quickly where a line can no longer end: a run of characters is as wide as
// its characters' widths plus the kerning of each neighbouring pair, both
// measured by the surface once per character or pair. The decisions of the
// wrap still rest on the surface's own measure of the line (see wrap).
class PieceWidths {
public:
    explicit PieceWidths(const Surface& surface) : surface_(surface) {}

    float of(QChar c)
    {
        auto found = chars_.find(c.unicode());
        if (found == chars_.end())
            found = chars_.insert(c.unicode(), surface_.TextWidth(QString(c)));
        return *found;
    }
    // What the pair adds to the widths of its two characters.
    float kerning(QChar a, QChar b)
    {
        const std::uint32_t key = std::uint32_t(a.unicode()) << 16 | b.unicode();
        auto found = pairs_.find(key);
        if (found == pairs_.end()) {
            const QChar pair[2] = {a, b};
            found = pairs_.insert(key, surface_.TextWidth(QString(pair, 2)) - of(a) - of(b));
        }
        return *found;
    }

private:
    const Surface& surface_;
    QHash<char16_t, float> chars_;
    QHash<std::uint32_t, float> pairs_;
};

// Whether the widths of a text's pieces add up to the width of the whole, as
// they do for Latin-1 text in the faces a layout names (measured pairs carry
// the kerning and ligatures of two characters). Other scripts shape in wider
// contexts, and their lines are measured whole at every character.
bool addsUpByPairs(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!(u == u'\n' || u == u'\r' || (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF && u != 0xAD)))
            return false;
    }
    return true;
}

// Word-wraps `text` to `width` at the surface's current font. A line is
// always a run of the text, from `lineFrom` to the character in hand, so the
// test "does the line with this character exceed the width" is a measure of
// that run. The sum of its pieces tells the answer wherever it lies clearly
// below the width; close to it (within half a line height) the surface
// measures the run, so each decision is the one a measure of every line would
// make.
std::vector<WrappedLine> wrap(const Surface& surface, const QString& text, float width)
{
    PieceWidths pieces(surface);
    const bool byPairs = addsUpByPairs(text);
    const float margin = byPairs ? surface.TextHeight(QStringLiteral("X")) / 2 : 0;
    const float clearlyNarrower = width - margin;

    std::vector<WrappedLine> lines(1);
    qsizetype lineFrom = 0, wordFrom = 0;
    float runWidth = 0;  // sum of the pieces of text[lineFrom, i)
    auto restartRun = [&](qsizetype from, qsizetype to) {
        lineFrom = from;
        runWidth = 0;
        for (qsizetype k = from; k < to; ++k)
            runWidth += pieces.of(text[k]) + (k > from ? pieces.kerning(text[k - 1], text[k]) : 0.0f);
    };
    // Whether text[lineFrom, i] is wider than the line; `i` not a line break.
    auto exceeds = [&](qsizetype i) {
        const float piecesWidth =
            byPairs ? runWidth + pieces.of(text[i]) + (i > lineFrom ? pieces.kerning(text[i - 1], text[i]) : 0.0f) : 0;
        if (byPairs && piecesWidth <= clearlyNarrower)
            return false;
        return surface.TextWidth(text.mid(lineFrom, i - lineFrom + 1)) > width;
    };
    auto take = [&](qsizetype i) {
        if (byPairs)
            runWidth += pieces.of(text[i]) + (i > lineFrom ? pieces.kerning(text[i - 1], text[i]) : 0.0f);
    };
    auto overflow = [&](qsizetype i) {
        WrappedLine& line = lines.back();
        if (line.kind != kNoBreak) {
            line.text = trimBlanks(text.mid(lineFrom, wordFrom - lineFrom));
            lines.emplace_back();
            restartRun(wordFrom, i + 1);  // the word and this character go on
        } else {
            // One word wider than the line: cut it here.
            line.text = text.mid(lineFrom, i - lineFrom);
            lines.emplace_back();
            restartRun(i, i + 1);
            wordFrom = i;
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        WrappedLine& line = lines.back();
        if (c == QLatin1Char(' ')) {
            take(i);
            line.kind = kEndsAtBlank;
            wordFrom = i + 1;
        } else if (c == QLatin1Char('-')) {
            if (exceeds(i)) {
                overflow(i);
            } else {
                take(i);
                line.kind = kEndsAtHyphen;
                wordFrom = i + 1;
            }
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            line.text = text.mid(lineFrom, i - lineFrom);
            line.kind = kParagraphEnd;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            lines.emplace_back();
            restartRun(i + 1, i + 1);
            wordFrom = i + 1;
        } else if (exceeds(i)) {
            overflow(i);
        } else {
            take(i);
        }
    }
    lines.back().text = text.mid(lineFrom);
    lines.back().kind = kParagraphEnd;
    return lines;
}

// Writes one justified line a character at a time, spreading the free room
// over the blanks (or over every character when blanks alone would gape).
void printJustified(Surface& surface, const QString& line, float lineWidth, float blankWidth, float width)
{
    const int blanks = static_cast<int>(line.count(QLatin1Char(' ')));
    const float room = width - lineWidth;
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
    surface.printSpaced(line, extraBlank, extraOther);
}

void writePass(Surface& surface, std::vector<WrappedLine>& lines, std::int32_t alignment, float margin, float width,
               float dx, float dy)
{
    std::optional<float> blankWidth;
    auto widthOf = [&](WrappedLine& line) {
        if (!line.width)
            line.width = surface.TextWidth(line.text);
        return *line.width;
    };
    surface.CurrentY(margin + dy);
    for (WrappedLine& line : lines) {
        surface.CurrentX(margin + dx);
        line.text = trimBlanks(line.text);
        switch (alignment) {
        case 0:
            surface.Print(line.text);
            break;
        case 1:
            surface.CurrentX(dx + (width - widthOf(line)) / 2 + margin);
            surface.Print(line.text);
            break;
        case 2:
            surface.CurrentX(dx + (width - widthOf(line)) + margin);
            surface.Print(line.text);
            break;
        case 3:
            if (line.kind == kParagraphEnd) {
                surface.Print(line.text);
            } else {
                if (!blankWidth)
                    blankWidth = surface.TextWidth(QStringLiteral(" "));
                printJustified(surface, line.text, widthOf(line), *blankWidth, width);
            }
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
