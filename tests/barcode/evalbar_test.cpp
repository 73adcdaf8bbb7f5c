// Evalbar: character lookup, runs of one-unit segments, the composer's
// geometry, header and footer, and overflows.

#include "evalbar.h"
#include "barcode_support.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "label_symbols.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

struct PixelSurface : Surface {
    PixelSurface(int w, int h) : Surface(w * 15.0, h * 15.0) { ScaleMode(smPixel); }
};

// Modules of "*data*" with a narrow gap after every character.
QString expectedModules(const QString& data)
{
    QString m;
    for (QChar c : QLatin1Char('*') + data + QLatin1Char('*'))
        m += code39StandardModules(c) + QLatin1Char('0');
    return m;
}

TEST(Evalbar, IndexOfCharacters)
{
    struct Case {
        const char* text;
        int index;
    };
    for (Case c : {Case{"0", 0}, Case{"9", 9}, Case{"A", 10}, Case{"Z", 35}, Case{"-", 36}, Case{".", 37},
                   Case{" ", 38}, Case{"$", 39}, Case{"/", 40}, Case{"+", 41}, Case{"%", 42}, Case{"*", 43},
                   Case{"#", 0}, Case{"a", 0}, Case{"", 0}, Case{"AB", 0}})
        EXPECT_EQ(EvalbarIndex(QLatin1String(c.text)), c.index) << c.text;
}

TEST(Evalbar, DrawsRunsOfSegmentsInStandardModules)
{
    PixelSurface s(600, 60);
    std::int16_t x = 10;
    DrawEvalbar(QStringLiteral("A1"), QString(), QString(), s, 5, 50, x, 3);
    EXPECT_EQ(x, 10 + 13 * 3 * 4);
    EXPECT_EQ(runModules(s.retainedImage(), 30, 10, x, 3), expectedModules(QStringLiteral("A1")));
    EXPECT_EQ(qGray(s.retainedImage().pixel(20, 4)), 255) << "segments start at the top given";
    EXPECT_LT(qGray(s.retainedImage().pixel(10, 5)), 128);
}

TEST(Evalbar, CaseAndUnknownCharactersAsTheTableSays)
{
    auto draw = [](const QString& data) {
        PixelSurface s(700, 40);
        std::int16_t x = 0;
        DrawEvalbar(data, QString(), QString(), s, 0, 30, x, 2);
        return s.retainedImage();
    };
    EXPECT_EQ(draw(QStringLiteral("abc")), draw(QStringLiteral("ABC")));
    EXPECT_EQ(draw(QStringLiteral("1#2")), draw(QStringLiteral("102"))) << "unknown characters are drawn as 0";
}

TEST(Evalbar, ComposerGeometryAndFooterPosition)
{
    Surface s(2000, 1000);  // twips
    std::int16_t x = 10;
    DrawEvalbar(QStringLiteral("12"), QStringLiteral("header"), QStringLiteral("12"), s, 50, 550, x, 20);
    EXPECT_EQ(x, 1050);
    // The footer starts at the left edge where the last segment ended.
    EXPECT_FLOAT_EQ(s.CurrentX(), 0);
    EXPECT_FLOAT_EQ(s.CurrentY(), 550 + s.TextHeight(QStringLiteral("12")));

    std::int16_t empty = 0;
    DrawEvalbar(QString(), QString(), QString(), s, 50, 550, empty, 20);
    EXPECT_EQ(empty, 26 * 20) << "start and stop only";
}

TEST(Evalbar, ErasesTheSurfaceFirst)
{
    PixelSurface s(400, 40);
    s.Line(300, 0, 399, 39, 0, LineMode::FilledBox);
    std::int16_t x = 0;
    DrawEvalbar(QStringLiteral("1"), QString(), QString(), s, 0, 39, x, 1);
    EXPECT_TRUE(inkBounds(s.retainedImage().copy(300, 0, 100, 40)).isNull());
}

TEST(Evalbar, WidthsAndPositionsBeyondSixteenBitsOverflow)
{
    PixelSurface s(50, 20);
    std::int16_t x = 0;
    EXPECT_EQ(errorOf([&] { DrawEvalbar(QStringLiteral("1"), QString(), QString(), s, 0, 10, x, 16384); }),
              ErrorNumber::Overflow);
    std::int16_t nearEnd = 32700;
    EXPECT_EQ(errorOf([&] { DrawEvalbar(QStringLiteral("1"), QString(), QString(), s, 0, 10, nearEnd, 20); }),
              ErrorNumber::Overflow);
}

TEST(Evalbar, DecoderReadsPixelModules)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    PixelSurface s(400, 60);
    std::int16_t x = 20;
    DrawEvalbar(QStringLiteral("KW-42"), QString(), QStringLiteral("KW-42"), s, 5, 40, x, 2);
    EXPECT_EQ(decode(s.retainedImage()), QStringList{QStringLiteral("CODE-39:KW-42")});
}

// A label's module: 20 units, or the nearest whole number of pixels where a
// pixel is a whole number of units.
TEST(Evalbar, LabelModuleLandsOnWholePixels)
{
    struct Case {
        std::int16_t scaleMode;
        std::int16_t module;
        std::int16_t expected;
    };
    for (Case c : {Case{smTwip, 20, 15}, Case{smTwip, 40, 45}, Case{smTwip, 5, 15}, Case{smTwip, 30, 30},
                   Case{smPixel, 20, 20}, Case{smPoint, 20, 20}, Case{smMilimeter, 20, 20}}) {
        Surface s(3000, 1000);
        s.ScaleMode(c.scaleMode);
        EXPECT_EQ(evalbarModule(s, c.module), c.expected) << c.scaleMode << " " << c.module;
    }
}

// The label's symbol at a twip scale: one pixel per module, read as Code 39.
TEST(Evalbar, LabelSymbolAtTwipScaleDecodes)
{
    Surface s(13 * 15 * 9 + 400, 900);  // twips
    ASSERT_TRUE(drawLabelSymbol(QStringLiteral("evalbar"), LabelSymbol{"KW-42", "KW-42", 40}, s));
    const QImage image = s.retainedImage();
    // From x 10 (pixel 1 on): "*KW-42*" and its gaps, a module a pixel.
    EXPECT_EQ(sampleRow(image, 300 / 15, 1, 13 * 7, 1), expectedModules(QStringLiteral("KW-42")));
    if (haveDecoder())
        EXPECT_EQ(decode(image), QStringList{QStringLiteral("CODE-39:KW-42")});
}

}  // namespace
}  // namespace kwpnd::test
