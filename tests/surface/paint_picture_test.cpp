// PaintPicture: placement, sizes, source rectangles, raster operations.
#include "kwpnd/error.h"
#include "raster_op.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

// A picture of w × h pixels: red with a blue top-left pixel.
Picture marked(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, 0, qRgb(0, 0, 255));
    return Picture(image);
}

TEST(PaintPicture, NaturalSizeAtThePositionInTwips)
{
    Surface s(100 * 15, 100 * 15);
    s.CurrentX(50);
    s.PaintPicture(marked(10, 6), 150, 300);
    EXPECT_EQ(inkBounds(s.retainedImage()), QRect(10, 20, 10, 6));
    EXPECT_EQ(pixelAt(s, 10, 20), 0x0000FFu);
    EXPECT_FLOAT_EQ(s.CurrentX(), 50);  // the position is left alone
}

TEST(PaintPicture, DestinationSizeStretches)
{
    auto s = pixelSurface(100, 100);
    s->PaintPicture(marked(10, 6), 5, 5, 40.0f, 12.0f);
    EXPECT_EQ(inkBounds(s->retainedImage()), QRect(5, 5, 40, 12));
    EXPECT_EQ(countPixels(s->retainedImage(), 0x0000FF), 4 * 2);  // the marked pixel grew
}

TEST(PaintPicture, SourceRectangleInTheSurfaceUnits)
{
    auto s = pixelSurface(100, 100);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            image.setPixel(x, y, qRgb(0, 255, 0));
    // The lower right quarter only, at its own size.
    s->PaintPicture(image, 0, 0, {}, {}, 10.0f, 10.0f, 10.0f, 10.0f);
    EXPECT_EQ(countPixels(s->retainedImage(), 0x00FF00), 100);
    EXPECT_EQ(countPixels(s->retainedImage(), 0xFF0000), 0);
    // From a corner to the picture's edges, stretched twice.
    s->Cls();
    s->PaintPicture(image, 0, 0, 20.0f, 20.0f, 10.0f, 10.0f);
    EXPECT_EQ(countPixels(s->retainedImage(), 0x00FF00), 400);

    Surface t(100 * 15, 100 * 15);  // twips: 150 twips are 10 picture pixels
    t.PaintPicture(image, 0, 0, {}, {}, 150.0f, 0.0f, 150.0f, 150.0f);
    EXPECT_EQ(inkBounds(t.retainedImage()), QRect(0, 0, 10, 10));
    EXPECT_EQ(countPixels(t.retainedImage(), 0xFF0000), 100);
}

TEST(PaintPicture, ErrorsAndNothingDrawn)
{
    auto s = pixelSurface(20, 20);
    EXPECT_EQ(errorOf([&] { s->PaintPicture(Picture(), 0, 0); }), 91);
    EXPECT_EQ(errorOf([&] { s->PaintPicture(marked(4, 4), 0, 0, -1.0f, 4.0f); }), 5);
    EXPECT_EQ(errorOf([&] { s->PaintPicture(marked(4, 4), 0, 0, 4.0f, 4.0f, 0.0f, 0.0f, -2.0f); }), 5);
    s->PaintPicture(marked(4, 4), 0, 0, 0.0f, 0.0f);
    s->PaintPicture(marked(4, 4), 0, 0, 5.0f, 0.0f);
    EXPECT_TRUE(inkBounds(s->retainedImage()).isNull());
    EXPECT_FALSE(s->takeChanged());
}

// The result bit for each (P, S, D) is the operation byte's bit (P<<2)|(S<<1)|D.
std::uint32_t byFormula(std::uint8_t op, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    std::uint32_t out = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const unsigned index = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
        out |= std::uint32_t((op >> index) & 1) << bit;
    }
    return out;
}

struct RopCase {
    const char* name;
    std::int32_t code;
};

class RasterOps : public ::testing::TestWithParam<RopCase> {};

TEST_P(RasterOps, EachPixelFollowsTheBitFormulaWithAWhitePattern)
{
    const RopCase c = GetParam();
    constexpr QRgb dest[] = {0x000000, 0xFFFFFF, 0x12A5F0, 0x808080};
    constexpr QRgb src[] = {0xFFFFFF, 0x000000, 0x3C0FA9, 0x7F7F01};
    auto s = pixelSurface(4, 1);
    QImage source(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        s->Line(x, 0, x, 0, colourOf(dest[x]));
        source.setPixel(x, 0, src[x]);
    }
    s->PaintPicture(source, 0, 0, {}, {}, {}, {}, {}, {}, c.code);
    const std::uint8_t op = rasterOperation(c.code);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(pixelAt(*s, x, 0), byFormula(op, 0xFFFFFF, src[x], dest[x])) << c.name << " pixel " << x;
}

INSTANTIATE_TEST_SUITE_P(Codes, RasterOps,
                         ::testing::Values(RopCase{"SRCCOPY", SRCCOPY}, RopCase{"SRCAND", SRCAND},
                                           RopCase{"SRCPAINT", SRCPAINT}, RopCase{"SRCINVERT", SRCINVERT},
                                           RopCase{"NOTSRCCOPY", NOTSRCCOPY}, RopCase{"BLACKNESS", 0x00000042},
                                           RopCase{"WHITENESS", 0x00FF0062}, RopCase{"DSTINVERT", 0x00550009},
                                           RopCase{"SRCERASE", 0x00440328}, RopCase{"MERGEPAINT", 0x00BB0226},
                                           RopCase{"PATINVERT", 0x005A0049}, RopCase{"op 0x1B", 0x001B0000},
                                           RopCase{"op 0xE4", 0x00E40000}, RopCase{"op 0x01", 0x00010000}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(RasterOps, KnownResults)
{
    EXPECT_EQ(combine(rasterOperation(SRCAND), 0xFFFFFF, 0x00FF0F, 0x0F0FFF), 0x000F0Fu);
    EXPECT_EQ(combine(rasterOperation(SRCPAINT), 0xFFFFFF, 0x00FF0F, 0x0F0F00), 0x0FFF0Fu);
    EXPECT_EQ(combine(rasterOperation(SRCINVERT), 0xFFFFFF, 0xFF00FF, 0x0F0F0F), 0xF00FF0u);
    EXPECT_EQ(combine(rasterOperation(NOTSRCCOPY), 0xFFFFFF, 0x123456, 0), 0xEDCBA9u);
    EXPECT_EQ(combine(0x55, 0xFFFFFF, 0, 0x123456), 0xEDCBA9u);  // DSTINVERT
}

TEST(RasterOps, StretchedAndClippedToTheSurface)
{
    auto s = pixelSurface(10, 10);
    s->BackColor(0);
    QImage white(2, 2, QImage::Format_RGB32);
    white.fill(Qt::white);
    s->PaintPicture(white, 6, 6, 8.0f, 8.0f, {}, {}, {}, {}, SRCPAINT);
    EXPECT_EQ(inkBounds(s->retainedImage(), 0xFF000000), QRect(6, 6, 4, 4));
}

}  // namespace
}  // namespace kwpnd::test
