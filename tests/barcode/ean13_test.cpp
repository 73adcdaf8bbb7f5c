// EAN-13: check digits, module colours, the drawn modules against the
// standard, digit text, back colour, bad input, and what a decoder reads.

#include "ean13.h"
#include "barcode_support.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

// A twip surface: one module of 15 units is one pixel.
struct TwipSurface : Surface {
    TwipSurface() : Surface(1680, 1000) { ScaleMode(smTwip); }
};

// The 95 modules as drawn, read at the middle of the data bars (y 400).
QString drawnModules(const QImage& image) { return sampleRow(image, 400 / 15, 135 / 15, 95, 1); }

TEST(EAN13, CheckDigits)
{
    struct Case {
        const char* text;
        const char* code;
    };
    for (Case c : {Case{"123", "0000000001236"}, Case{"123456789012", "1234567890128"},
                   Case{"4006381333931", "4006381333931"}, Case{"4006381333930", "4006381333931"},
                   Case{"400638133393", "4006381333931"}, Case{"000000000000", "0000000000000"}})
        EXPECT_EQ(EAN13CheckDigit(QLatin1String(c.text)), QLatin1String(c.code)) << c.text;
    for (const char* bad : {"12.5", "+123", "ABC", " 123"})
        EXPECT_EQ(errorOf([&] { EAN13CheckDigit(QLatin1String(bad)); }), ErrorNumber::TypeMismatch) << bad;
}

TEST(EAN13, ModuleColoursFollowTheParityOfTheLeadingDigit)
{
    const Colour space = 0x00FFFF;
    auto modules = [&](int leading, int position, int digit) {
        QString m;
        for (int h = 1; h <= 7; ++h)
            m += EAN13ModuleColour(leading, position, digit, h, space) == 0 ? u'1' : u'0';
        return m;
    };
    // Leading 1: sets A A B A B B on the left, C on the right.
    EXPECT_EQ(modules(1, 1, 0), QStringLiteral("0001101"));
    EXPECT_EQ(modules(1, 3, 0), QStringLiteral("0100111"));
    EXPECT_EQ(modules(1, 4, 0), QStringLiteral("0001101"));
    EXPECT_EQ(modules(1, 6, 0), QStringLiteral("0100111"));
    EXPECT_EQ(modules(1, 7, 0), QStringLiteral("1110010"));
    for (int position = 1; position <= 6; ++position)
        EXPECT_EQ(modules(0, position, 5), QStringLiteral("0110001")) << "leading 0: all set A";
    EXPECT_EQ(EAN13ModuleColour(0, 1, 0, 1, space), space);
}

TEST(EAN13, DrawsTheStandardModules)
{
    for (const char* text : {"123456789012", "400638133393", "5901234123457", "000000000000", "987654321098"}) {
        TwipSurface s;
        DrawEAN13(QLatin1String(text), s);
        const QString code = EAN13CheckDigit(QLatin1String(text));
        EXPECT_EQ(drawnModules(s.retainedImage()), ean13StandardModules(code)) << text;
    }
}

TEST(EAN13, GuardsAreLongerThanDataBars)
{
    TwipSurface s;
    DrawEAN13(QStringLiteral("123456789012"), s);
    const QImage image = s.retainedImage();
    const int dataEnd = 690 / 15;
    EXPECT_LT(qGray(image.pixel(9, 800 / 15)), 128) << "left guard reaches 840";
    EXPECT_LT(qGray(image.pixel(825 / 15, 750 / 15)), 128) << "centre guard reaches 765";
    EXPECT_EQ(qGray(image.pixel(825 / 15, 800 / 15)), 255);
    EXPECT_EQ(qGray(image.pixel(180 / 15 + 2, dataEnd + 1)), 255) << "data bars end at 690";
}

TEST(EAN13, LeadingDigitIsPrintedOnlyWhenNotZero)
{
    auto leftInk = [](const char* text) {
        TwipSurface s;
        DrawEAN13(QLatin1String(text), s);
        return inkBounds(s.retainedImage().copy(0, 0, 135 / 15, 1000 / 15));
    };
    EXPECT_TRUE(leftInk("000000000123").isNull());
    EXPECT_FALSE(leftInk("123456789012").isNull());
}

TEST(EAN13, SpaceModulesArePaintedInTheBackColour)
{
    TwipSurface s;
    s.BackColor(0xC0FFFF);                             // pale yellow
    s.Line(0, 0, 1680, 1000, 0, LineMode::FilledBox);  // black everywhere first
    DrawEAN13(QStringLiteral("123456789012"), s);
    const QImage image = s.retainedImage();
    const QRgb yellow = qRgb(0xFF, 0xFF, 0xC0);
    const QString expected = ean13StandardModules(QStringLiteral("1234567890128"));
    for (int i = 3; i < 92; ++i) {
        const bool guard = (i >= 45 && i <= 49);
        if (guard)
            continue;
        const QRgb pixel = image.pixel(9 + i, 400 / 15) & 0xFFFFFF;
        EXPECT_EQ(pixel, expected[i] == u'1' ? 0u : (yellow & 0xFFFFFF)) << i;
    }
}

TEST(EAN13, TextThatIsNotPlainDigits)
{
    TwipSurface s;
    DrawEAN13(QStringLiteral("ABC"), s);
    EXPECT_TRUE(inkBounds(s.retainedImage()).isNull()) << "not a number: nothing drawn, no error";
    for (const char* bad : {"12.5", "-123", "1E5"})
        EXPECT_EQ(errorOf([&] { DrawEAN13(QLatin1String(bad), s); }), ErrorNumber::TypeMismatch) << bad;
}

TEST(EAN13, DecoderReadsOneModulePerPixel)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    for (const char* text : {"123456789012", "400638133393", "590123412345", "000000000123"}) {
        TwipSurface s;
        DrawEAN13(QLatin1String(text), s);
        EXPECT_EQ(decode(s.retainedImage()),
                  QStringList{QStringLiteral("EAN-13:") + EAN13CheckDigit(QLatin1String(text))})
            << text;
    }
}

}  // namespace
}  // namespace kwpnd::test
