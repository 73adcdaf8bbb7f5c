// Fitting a text into a whole surface.

#include "text_fit.h"
#include "kwpnd/error.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace kwpnd::test {
namespace {

// A 300 × 200 pixel surface in twips, white, black text.
std::unique_ptr<Surface> page(int w = 300, int h = 200)
{
    auto s = std::make_unique<Surface>(w * 15.0, h * 15.0);
    s->ScaleMode(smTwip);
    s->BackColor(0xFFFFFF);
    s->FontName(QStringLiteral("Arial"));
    return s;
}

TEST(CountOccurrences, Cases)
{
    const struct {
        const char* text;
        const char* pattern;
        int count;
    } cases[] = {
        {"a\r\nb\r\nc", "\r\n", 2}, {"aaaa", "aa", 3}, {"abc", "B", 0}, {"", "x", 0}, {"xyz", "xyz", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountOccurrences(QString::fromLatin1(c.text), QString::fromLatin1(c.pattern)), c.count)
            << c.text << " / " << c.pattern;
    EXPECT_THROW(CountOccurrences(QString(40000, QLatin1Char('a')), QStringLiteral("a")), Error);
}

TEST(FitText, MarginTooLargeFailsWithoutDrawing)
{
    auto s = page();
    std::int32_t shadow = 4;
    const float halfWidth = s->ScaleWidth() / 2;
    EXPECT_FALSE(FitText(*s, QStringLiteral("Hi"), 0, halfWidth + 1, shadow, 0));
    EXPECT_FALSE(FitText(*s, QStringLiteral("Hi"), 0, halfWidth, shadow, 0));  // W = 0
    EXPECT_TRUE(inkBounds(s->retainedImage()).isNull());
}

TEST(FitText, ShortTextIsWrittenAtTheLargestSize)
{
    auto s = page(600, 400);
    std::int32_t shadow = 4;
    EXPECT_TRUE(FitText(*s, QStringLiteral("Hi"), 0, 150, shadow, 0));
    EXPECT_EQ(s->FontSize(), 72.0f);
    EXPECT_EQ(shadow, 4);
    const QRect ink = inkBounds(s->retainedImage());
    EXPECT_GE(ink.left(), 10);  // 150 twips margin
    EXPECT_GE(ink.top(), 10);
}

TEST(FitText, TextThatDoesNotFitAtSixPointsIsNotWritten)
{
    auto s = page(60, 20);
    std::int32_t shadow = 4;
    const QString longText = QString(QStringLiteral("many words here ")).repeated(40);
    EXPECT_FALSE(FitText(*s, longText, 0, 0, shadow, 0));
    EXPECT_TRUE(inkBounds(s->retainedImage()).isNull());
}

TEST(FitText, WrappedTextFitsTheHeight)
{
    auto s = page();
    std::int32_t shadow = 4;
    const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog. ").repeated(4);
    ASSERT_TRUE(FitText(*s, text, 0, 150, shadow, 0));
    const QRect ink = inkBounds(s->retainedImage());
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.bottom(), 190);
    EXPECT_LE(ink.right(), 290);
    EXPECT_GT(ink.height(), 60);  // several lines
}

TEST(FitText, AlignmentMovesTheLines)
{
    auto left = page(), centre = page(), right = page();
    std::int32_t shadow = 4;
    const QString text = QStringLiteral("Short line\r\nA much longer second line here");
    ASSERT_TRUE(FitText(*left, text, 0, 150, shadow, 0));
    ASSERT_TRUE(FitText(*centre, text, 1, 150, shadow, 0));
    ASSERT_TRUE(FitText(*right, text, 2, 150, shadow, 0));
    // The first (short) line: its left edge moves right from left to centre to right.
    const QRect band(0, 0, 300, 40);
    const int l = inkBounds(left->retainedImage().copy(band)).left();
    const int c = inkBounds(centre->retainedImage().copy(band)).left();
    const int r = inkBounds(right->retainedImage().copy(band)).left();
    EXPECT_LT(l, c);
    EXPECT_LT(c, r);
    EXPECT_NEAR(inkBounds(right->retainedImage().copy(band)).right(), 290, 4);
}

TEST(FitText, JustifiedLinesReachTheRightMarginExceptParagraphEnds)
{
    auto s = page(300, 300);
    std::int32_t shadow = 4;
    const QString text = QStringLiteral(
        "one two three four five six seven eight nine ten eleven twelve "
        "thirteen fourteen fifteen sixteen seventeen eighteen nineteen end");
    ASSERT_TRUE(FitText(*s, text, 3, 150, shadow, 0));
    const QImage img = s->retainedImage();
    const QRect all = inkBounds(img);
    const int lineHeight = qRound(s->TextHeight(QStringLiteral("X")) / 15);
    const QRect firstLine = inkBounds(img.copy(0, all.top(), 300, lineHeight - 2));
    const QRect lastLine = inkBounds(img.copy(0, all.bottom() - lineHeight + 3, 300, lineHeight - 3));
    EXPECT_NEAR(firstLine.right(), 290, 6);
    EXPECT_LT(lastLine.right(), 270);
}

TEST(FitText, ShadowIsWrittenFirstThenTheText)
{
    auto s = page();
    s->ForeColor(0x000000);
    std::int32_t shadow = 8;  // down and right
    ASSERT_TRUE(FitText(*s, QStringLiteral("Shadow"), 0, 150, shadow, 0x0000FF));
    EXPECT_EQ(shadow, 4);
    EXPECT_EQ(s->ForeColor(), 0x000000);
    const QImage img = s->retainedImage();
    const QRect red = inkBounds(img.convertToFormat(QImage::Format_RGB32), 0xFFFFFF);
    EXPECT_GT(countPixels(img, 0xFF0000), 20);  // shadow colour 0x0000FF is red
    EXPECT_GT(countPixels(img, 0x000000), 20);
    // u = 72 \ 15 + 1 = 5 pixels
    int redRight = 0, blackRight = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            if (p == 0xFF0000)
                redRight = std::max(redRight, x);
            if (p == 0x000000)
                blackRight = std::max(blackRight, x);
        }
    EXPECT_NEAR(redRight - blackRight, 5, 1);
    EXPECT_FALSE(red.isNull());
}

TEST(FitText, ShadowColourEqualToTheTextColourWritesOnlyTheOffsetCopy)
{
    auto plain = page(), shadowed = page();
    std::int32_t none = 4, down = 7;
    ASSERT_TRUE(FitText(*plain, QStringLiteral("Same"), 0, 150, none, 0));
    ASSERT_TRUE(FitText(*shadowed, QStringLiteral("Same"), 0, 150, down, 0));
    EXPECT_EQ(down, 4);
    const QRect a = inkBounds(plain->retainedImage());
    const QRect b = inkBounds(shadowed->retainedImage());
    EXPECT_EQ(b.size(), a.size());
    EXPECT_EQ(b.top() - a.top(), 5);
    EXPECT_EQ(b.left(), a.left());
}

TEST(FitText, ShadowLiesTheSamePixelsOffInEveryScale)
{
    // With the shadow colour equal to the text colour only the offset copy
    // shows: it lies u = 5 pixels down and right of the plain text in every
    // scale mode.
    const struct {
        const char* name;
        std::function<void(Surface&)> scale;
    } scales[] = {
        {"twips", [](Surface& s) { s.ScaleMode(smTwip); }},
        {"pixels", [](Surface& s) { s.ScaleMode(smPixel); }},
        {"millimetres", [](Surface& s) { s.ScaleMode(smMilimeter); }},
        {"user",
         [](Surface& s) {
             s.ScaleWidth(30);
             s.ScaleHeight(20);
         }},
    };
    for (const auto& [name, scale] : scales) {
        auto plain = page(), shadowed = page();
        scale(*plain);
        scale(*shadowed);
        const float margin = 10 * plain->ScaleWidth() / 300;  // 10 pixels
        std::int32_t none = 4, downRight = 8;
        ASSERT_TRUE(FitText(*plain, QStringLiteral("Same"), 0, margin, none, 0)) << name;
        ASSERT_TRUE(FitText(*shadowed, QStringLiteral("Same"), 0, margin, downRight, 0)) << name;
        const QRect a = inkBounds(plain->retainedImage());
        const QRect b = inkBounds(shadowed->retainedImage());
        EXPECT_EQ(b.size(), a.size()) << name;
        EXPECT_NEAR(b.left() - a.left(), 5, 1) << name;
        EXPECT_NEAR(b.top() - a.top(), 5, 1) << name;
    }
}

TEST(FitText, ShadowOutsideItsDirectionsIsNoShadow)
{
    for (const std::int32_t odd :
         {-1, 9, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        auto plain = page(), s = page();
        std::int32_t none = 4, shadow = odd;
        ASSERT_TRUE(FitText(*plain, QStringLiteral("Plain"), 0, 150, none, 0x0000FF));
        ASSERT_TRUE(FitText(*s, QStringLiteral("Plain"), 0, 150, shadow, 0x0000FF)) << odd;
        EXPECT_EQ(s->retainedImage(), plain->retainedImage()) << odd;
        EXPECT_EQ(shadow, 4);
    }
}

TEST(FitText, LongWordIsCutAtTheWidth)
{
    auto s = page(200, 300);
    std::int32_t shadow = 4;
    ASSERT_TRUE(FitText(*s, QString(60, QLatin1Char('W')), 0, 150, shadow, 0));
    const QRect ink = inkBounds(s->retainedImage());
    EXPECT_LE(ink.right(), 190);
    EXPECT_GT(ink.height(), 2 * s->TextHeight(QStringLiteral("X")) / 15);
}

// The fitting done the plain way, measuring the whole line at every
// character and printing one character per call: what FitText must draw.
// Shadowless; returns the size it settled on, 0 when nothing fits.
int fitByMeasuringEveryLine(Surface& s, const QString& text, int alignment, float margin)
{
    const float width = s.ScaleWidth() - 2 * margin, height = s.ScaleHeight() - 2 * margin;
    const int breaks = CountOccurrences(text, QStringLiteral("\r\n"));
    int size = 0;
    for (int n = 6; size < 72; ++n) {
        s.FontSize(float(n));
        if (!((s.TextWidth(text) / width + breaks) * s.TextHeight(QStringLiteral(" ")) < height))
            break;
        size = n;
    }
    if (size == 0)
        return 0;
    auto trim = [](QString t) {
        while (t.startsWith(u' '))
            t.remove(0, 1);
        while (t.endsWith(u' '))
            t.chop(1);
        return t;
    };
    QList<std::pair<QString, int>> lines;  // text, kind
    for (;; --size) {
        s.FontSize(float(size));
        lines = {{QString(), 0}};
        QString word;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            auto& line = lines.back();
            const bool breakOrBlank = c == u' ' || c == u'\n' || c == u'\r';
            if (!breakOrBlank && s.TextWidth(line.first + word + c) > width) {
                if (line.second != 0) {
                    line.first = trim(line.first);
                    word += c;
                } else {
                    line.first = word;
                    word = c;
                }
                lines.append({QString(), 0});
            } else if (c == u' ' || c == u'-') {
                line.first += word + c;
                line.second = c == u' ' ? 1 : 2;
                word.clear();
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                    ++i;
                line.first += word;
                line.second = 3;
                word.clear();
                lines.append({QString(), 0});
            } else {
                word += c;
            }
        }
        lines.back().first += word;
        lines.back().second = 3;
        if (!(float(lines.size()) * s.TextHeight(QStringLiteral("X")) > height))
            break;
    }
    s.CurrentY(margin);
    for (auto& [line, kind] : lines) {
        line = trim(line);
        s.CurrentX(margin);
        if (alignment == 1 || alignment == 2)
            s.CurrentX((width - s.TextWidth(line)) / (alignment == 1 ? 2 : 1) + margin);
        if (alignment != 3 || kind == 3) {
            s.Print(line);
            continue;
        }
        const float blank = s.TextWidth(QStringLiteral(" "));
        const int blanks = int(line.count(u' '));
        const float room = width - s.TextWidth(line);
        float extraBlank = 0, extraOther = 0;
        if (blanks >= 1 && 3 * blank >= static_cast<long>(std::nearbyint(room)) / blanks) {
            extraBlank = room / blanks;
        } else {
            extraOther = room / (line.size() + 2 * blanks - 1);
            extraBlank = 3 * extraOther;
        }
        for (const QChar c : line) {
            const float x = s.CurrentX() + s.TextWidth(QString(c)), y = s.CurrentY();
            s.Print(QString(c));
            s.CurrentX(x + (c == u' ' ? extraBlank : extraOther));
            s.CurrentY(y);
        }
        s.Print(QString());
    }
    return size;
}

// Texts whose lines end close to the width at many sizes: kerning pairs,
// ligatures, hyphens, words longer than a line, paragraphs, and scripts that
// are measured whole.
TEST(FitText, BreaksLinesWhereMeasuringEveryLineBreaksThem)
{
    const QString sentence = QStringLiteral("Layouts are fitted word by word, and every size is tried in turn. ");
    const struct {
        const char* name;
        QString text;
        int width, height;
    } cases[] = {
        {"sentences", sentence.repeated(12), 300, 200},
        {"narrow", sentence.repeated(5), 120, 260},
        {"kerning and ligatures", QStringLiteral("AVAST! To Yvonne: We offer office affiliates "
                                                 "a fine T.V. LTA, \u00c6sop's caf\u00e9 na\u00efve. ")
                                      .repeated(6),
         280, 180},
        {"hyphens", QStringLiteral("well-known state-of-the-art long-winded co-op re-entry ").repeated(6), 220, 160},
        {"long words", QStringLiteral("Antidisestablishmentarianism ") + QString(90, u'W') + QStringLiteral(" end"),
         150, 300},
        {"paragraphs", QStringLiteral("First paragraph here.\r\nSecond one,\rthird\nand a last, longer one.\r\n"),
         200, 120},
        {"other scripts", QStringLiteral("\u0393\u03b5\u03b9\u03ac \u03c3\u03bf\u03c5 \u043c\u0438\u0440 "
                                         "na\u0308ive \u00ad soft ")
                              .repeated(8),
         240, 160},
    };
    for (const auto& c : cases) {
        for (int alignment = 0; alignment <= 3; ++alignment) {
            SCOPED_TRACE(std::string(c.name) + ", alignment " + std::to_string(alignment));
            auto fitted = page(c.width, c.height), reference = page(c.width, c.height);
            std::int32_t shadow = 4;
            const bool written = FitText(*fitted, c.text, alignment, 100, shadow, 0);
            const int size = fitByMeasuringEveryLine(*reference, c.text, alignment, 100);
            ASSERT_EQ(written, size != 0);
            EXPECT_EQ(fitted->FontSize(), reference->FontSize());
            EXPECT_EQ(fitted->retainedImage(), reference->retainedImage());
        }
    }
}

}  // namespace
}  // namespace kwpnd::test
