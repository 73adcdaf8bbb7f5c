// Print, text measurement and rotated text.
#include "surface_test_util.h"

#include "kwpnd/error.h"

#include <gtest/gtest.h>
#include <QFontMetricsF>
#include <QPainter>

namespace kwpnd::test {
namespace {

std::unique_ptr<Surface> textSurface()
{
    auto s = pixelSurface(300, 200);
    s->FontName("Arial");
    s->FontSize(12);  // 16 px
    return s;
}

TEST(Print, TextStartsAtTheCurrentPositionAndTheNextLineAtTheLeftEdge)
{
    auto s = textSurface();
    const float line = s->TextHeight("A");
    s->CurrentX(100);
    s->CurrentY(20);
    s->Print("A");
    EXPECT_FLOAT_EQ(s->CurrentX(), 0);
    EXPECT_FLOAT_EQ(s->CurrentY(), 20 + line);
    const QRect a = inkBounds(s->retainedImage());
    EXPECT_GE(a.left(), 100);
    EXPECT_LE(a.left(), 102);
    EXPECT_GT(a.top(), 20);
    EXPECT_LT(a.bottom(), 20 + line);

    const QImage before = s->retainedImage();
    s->Print("B");
    QImage after = s->retainedImage();
    QRect b;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y))
                b |= QRect(x, y, 1, 1);
    EXPECT_LE(b.left(), 2);
    EXPECT_GE(b.top(), int(20 + line));
    EXPECT_FLOAT_EQ(s->CurrentY(), 20 + 2 * line);
}

TEST(Print, IntegersGetABlankForTheSignAndOneAfter)
{
    auto s = textSurface();
    s->Print(std::int16_t(0));
    const QRect zero = inkBounds(s->retainedImage());
    EXPECT_NEAR(zero.left(), s->TextWidth(" "), 2.0);  // the digit sits one blank in
    EXPECT_NEAR(s->TextWidth(" 0 "), s->TextWidth(" ") * 2 + s->TextWidth("0"), 0.5);

    struct Case {
        std::int16_t number;
        const char* text;
    };
    for (Case c : {Case{-7, "-7 "}, Case{-32768, "-32768 "}, Case{32767, " 32767 "}, Case{40, " 40 "}}) {
        auto t = textSurface();
        t->Print(c.number);
        auto u = textSurface();
        u->Print(c.text);
        EXPECT_EQ(t->retainedImage(), u->retainedImage()) << c.text;
        EXPECT_FLOAT_EQ(t->CurrentY(), u->CurrentY());
    }
}

TEST(Print, ForeColorAndNoBackgroundFill)
{
    auto s = textSurface();
    s->BackColor(0x00FF00);
    s->ForeColor(0x0000FF);
    s->Print("HHHH");
    const QImage image = s->retainedImage();
    EXPECT_GT(countPixels(image, 0xFF0000), 10);  // red ink
    // Between the strokes the back colour shows: the text cell is not filled.
    const QRect ink = inkBounds(image, 0x00FF00);
    EXPECT_GT(countPixels(image, 0x00FF00, ink), ink.width() * ink.height() / 3);
}

TEST(Print, LineBreaksPrintSeveralLines)
{
    auto s = textSurface();
    const float line = s->TextHeight("X");
    EXPECT_FLOAT_EQ(s->TextHeight("X\r\nY\nZ"), 3 * line);
    EXPECT_FLOAT_EQ(s->TextWidth("i\r\nWWW"), s->TextWidth("WWW"));
    s->Print("X\r\nY");
    EXPECT_FLOAT_EQ(s->CurrentY(), 2 * line);
    const QRect ink = inkBounds(s->retainedImage());
    EXPECT_GT(ink.bottom(), line);
    EXPECT_LT(ink.right(), s->TextWidth("XY"));
}

// printSpaced against the Print calls it stands for: the same pixels on the
// raster and in a replay at another resolution, the same position after.
TEST(PrintSpaced, DrawsWhatPrintingEachCharacterDraws)
{
    struct Case {
        const char* name;
        QString text;
        float extraBlank, extraOther;
        bool bold, underline;
    } cases[] = {
        {"spread blanks", QStringLiteral("Fit the line, AV To ffi"), 7.3f, 0, false, false},
        {"spread letters", QStringLiteral("Wavy\u00e9 \u00c6ther"), 4.5f, 1.5f, true, false},
        {"fallback and marks", QStringLiteral("\u03a9 \u0436 e\u0301 \u05d0 x"), 2, 0.75f, false, false},
        {"decorated", QStringLiteral("under line"), 3, 0.5f, false, true},
        {"line break inside", QStringLiteral("a\nb"), 1, 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto spaced = textSurface();
        auto printed = textSurface();
        for (Surface* s : {spaced.get(), printed.get()}) {
            s->ScaleMode(smTwip);
            s->FontBold(c.bold);
            s->FontUnderline(c.underline);
            s->ForeColor(0x336699);
            s->CurrentX(100.4f);
            s->CurrentY(230.6f);
        }
        spaced->printSpaced(c.text, c.extraBlank, c.extraOther);
        for (const QChar ch : c.text) {
            const float x = printed->CurrentX() + printed->TextWidth(QString(ch));
            const float y = printed->CurrentY();
            printed->Print(QString(ch));
            printed->CurrentX(x + (ch == u' ' ? c.extraBlank : c.extraOther));
            printed->CurrentY(y);
        }
        printed->Print(QString());

        EXPECT_FALSE(inkBounds(spaced->retainedImage()).isNull());
        EXPECT_EQ(spaced->retainedImage(), printed->retainedImage());
        EXPECT_EQ(spaced->CurrentX(), printed->CurrentX());
        EXPECT_EQ(spaced->CurrentY(), printed->CurrentY());
        for (const double factor : {1.0, 2.5}) {
            // At 2.5 times the size and resolution, as on a printer.
            QImage a(qRound(spaced->pixelWidth() * factor), qRound(spaced->pixelHeight() * factor),
                     QImage::Format_RGB32);
            a.setDotsPerMeterX(qRound(3780 * factor));
            a.setDotsPerMeterY(qRound(3780 * factor));
            QImage b = a.copy();
            for (auto [image, surface] : {std::pair{&a, spaced.get()}, std::pair{&b, printed.get()}}) {
                image->fill(Qt::white);
                QPainter painter(image);
                surface->replay(painter, QRectF(QPointF(0, 0), QSizeF(image->size())));
            }
            EXPECT_EQ(a, b) << "replayed at " << factor;
        }
    }
}

TEST(PrintSpaced, CharactersBeforeAFailingOneStayDrawn)
{
    auto s = textSurface();
    s->ScaleMode(smTwip);
    s->CurrentX(0);
    // The second character's place has no device pixel.
    EXPECT_THROW(s->printSpaced(QStringLiteral("WW"), 0, 6.0e10f), Error);
    const QRect ink = inkBounds(s->retainedImage());
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.right(), 20);
}

TEST(Measure, OneLineOfTheFontInScaleUnits)
{
    auto s = textSurface();
    QFont font("Arial");
    font.setPointSizeF(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    const QFontMetricsF m(font, &device);
    EXPECT_NEAR(s->TextHeight("Hello"), m.lineSpacing(), 1e-3);
    EXPECT_NEAR(s->TextWidth("Hello"), m.horizontalAdvance("Hello"), 1e-3);

    s->ScaleMode(smTwip);
    EXPECT_NEAR(s->TextHeight("Hello"), m.lineSpacing() * 15, 1e-2);
    EXPECT_FLOAT_EQ(s->TextHeight(""), s->TextHeight("x"));
}

TEST(Measure, FontFieldsChangeLaterText)
{
    auto s = textSurface();
    const float plain = s->TextWidth("Wide text");
    s->FontBold(true);
    EXPECT_GT(s->TextWidth("Wide text"), plain);
    s->FontBold(false);
    s->FontSize(24);
    EXPECT_NEAR(s->TextWidth("Wide text"), 2 * plain, plain * 0.05);
}

TEST(Print, UnderlineAndStrikeoutAddInk)
{
    auto printed = [](auto style) {
        auto s = textSurface();
        style(*s);
        s->CurrentX(10);
        s->CurrentY(10);
        s->Print("ace");
        return s->retainedImage();
    };
    const QImage plain = printed([](Surface&) {});
    const QRect plainInk = inkBounds(plain);
    const QImage underlined = printed([](Surface& s) { s.FontUnderline(true); });
    EXPECT_GT(inkBounds(underlined).bottom(), plainInk.bottom());  // a line below the letters
    const QImage struck = printed([](Surface& s) { s.FontStrikethru(true); });
    EXPECT_GT(countPixels(struck, kBlack), countPixels(plain, kBlack));
    EXPECT_EQ(inkBounds(struck).bottom(), plainInk.bottom());
    EXPECT_NE(printed([](Surface& s) { s.FontItalic(true); }), plain);
}

TEST(RotatedText, AngleZeroRunsRightBelowThePoint)
{
    auto s = pixelSurface(200, 200);
    s->ForeColor(0x0000FF);
    s->drawRotatedText("Arial                           ", 20, 0, 100, 100, "Watermark");
    const QRect ink = inkBounds(s->retainedImage());
    EXPECT_GE(ink.left(), 100);
    EXPECT_GE(ink.top(), 100);
    EXPECT_GT(ink.width(), ink.height() * 3);
    EXPECT_LE(ink.bottom(), 100 + 24);
    EXPECT_GT(countPixels(s->retainedImage(), 0xFF0000), 20);
}

TEST(RotatedText, NinetyDegreesRunsUpwardsRightOfThePoint)
{
    auto s = pixelSurface(200, 200);
    s->drawRotatedText("Arial", 20, 900, 100, 150, "Watermark");
    const QRect ink = inkBounds(s->retainedImage());
    EXPECT_LE(ink.bottom(), 150);
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.right(), 100 + 24);
    EXPECT_GT(ink.height(), ink.width() * 3);
}

TEST(RotatedText, BlankPaddedFaceResolvesLikeTheTrimmedName)
{
    auto padded = pixelSurface(200, 50);
    padded->drawRotatedText("Verdana                         ", 20, 0, 5, 5, "Face");
    auto trimmed = pixelSurface(200, 50);
    trimmed->drawRotatedText("Verdana", 20, 0, 5, 5, "Face");
    auto other = pixelSurface(200, 50);
    other->drawRotatedText("Arial", 20, 0, 5, 5, "Face");
    EXPECT_EQ(padded->retainedImage(), trimmed->retainedImage());
    EXPECT_NE(padded->retainedImage(), other->retainedImage());
}

TEST(RotatedText, EmptyTextDrawsNothing)
{
    auto s = pixelSurface(50, 50);
    s->drawRotatedText("Arial", 20, 450, 10, 10, "");
    EXPECT_TRUE(inkBounds(s->retainedImage()).isNull());
    EXPECT_FALSE(s->takeChanged());
}

}  // namespace
}  // namespace kwpnd::test
