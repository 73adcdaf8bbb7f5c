// Lines, boxes, circles, erasing, the background picture and notifications.
#include "kwpnd/error.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <numbers>

namespace kwpnd::test {
namespace {

constexpr double pi = std::numbers::pi;

TEST(Line, SegmentCoversBothEndPixelsInUserUnits)
{
    Surface s(100 * 15, 50 * 15);
    s.ScaleWidth(10);  // 10 px per unit
    s.ScaleHeight(5);
    s.Line(2, 1, 2, 3);
    EXPECT_EQ(inkBounds(s.retainedImage()), QRect(QPoint(20, 10), QPoint(20, 30)));
    EXPECT_FLOAT_EQ(s.CurrentX(), 2);
    EXPECT_FLOAT_EQ(s.CurrentY(), 3);
}

TEST(Line, HorizontalSegmentInTwipsAndDrawWidth)
{
    Surface s(100 * 15, 50 * 15);
    s.DrawWidth(3);
    s.Line(150, 300, 600, 300, 0x0000FF);
    const QImage image = s.retainedImage();
    const QRect ink = inkBounds(image);
    EXPECT_EQ(ink.height(), 3);
    EXPECT_LE(ink.top(), 20);
    EXPECT_GE(ink.bottom(), 20);
    EXPECT_NEAR(ink.left(), 10, 2);
    EXPECT_NEAR(ink.right(), 40, 2);
    EXPECT_EQ(image.pixel(25, 20) & 0xFFFFFF, 0xFF0000u);
}

TEST(Line, ZeroLengthSegmentIsOnePixel)
{
    auto s = pixelSurface(10, 10);
    s->Line(4, 5, 4, 5);
    EXPECT_EQ(inkBounds(s->retainedImage()), QRect(4, 5, 1, 1));
}

TEST(Line, BoxOutlineAndFilledBoxIncludeTheFarCorner)
{
    auto s = pixelSurface(40, 40);
    s->Line(5, 6, 15, 20, {}, LineMode::Box);
    const QImage box = s->retainedImage();
    EXPECT_EQ(inkBounds(box), QRect(QPoint(5, 6), QPoint(15, 20)));
    EXPECT_EQ(box.pixel(10, 13) & 0xFFFFFF, kWhite);  // hollow
    EXPECT_EQ(box.pixel(15, 13) & 0xFFFFFF, kBlack);

    s->Cls();
    s->Line(15, 20, 5, 6, {}, LineMode::FilledBox);  // corners in any order
    EXPECT_EQ(countPixels(s->retainedImage(), kBlack), 11 * 15);
    EXPECT_FLOAT_EQ(s->CurrentX(), 5);
    EXPECT_FLOAT_EQ(s->CurrentY(), 6);
}

TEST(Line, ZeroWidthFilledBoxIsOnePixelWideAndLaterBoxesCoverSharedEdges)
{
    auto s = pixelSurface(30, 10);
    s->Line(3, 0, 3, 9, 0, LineMode::FilledBox);
    EXPECT_EQ(inkBounds(s->retainedImage()), QRect(3, 0, 1, 10));
    s->Line(10, 0, 12, 9, 0, LineMode::FilledBox);
    s->Line(12, 0, 14, 9, 0xFFFFFF, LineMode::FilledBox);
    EXPECT_EQ(pixelAt(*s, 11, 5), kBlack);
    EXPECT_EQ(pixelAt(*s, 12, 5), kWhite);
}

TEST(Line, WhiteFilledBoxOverBlackLeavesAWhiteRectangle)
{
    auto s = pixelSurface(20, 20);
    s->BackColor(0);
    s->Line(4, 4, 9, 7, 0xFFFFFF, LineMode::FilledBox);
    EXPECT_EQ(inkBounds(s->retainedImage(), 0xFF000000), QRect(QPoint(4, 4), QPoint(9, 7)));
    EXPECT_EQ(countPixels(s->retainedImage(), kWhite), 6 * 4);
    EXPECT_FLOAT_EQ(s->CurrentX(), 9);
    EXPECT_FLOAT_EQ(s->CurrentY(), 7);
}

TEST(Line, ForeColorIsUsedWhenNoColourIsGiven)
{
    auto s = pixelSurface(10, 10);
    s->ForeColor(0x00FF00);
    s->Line(1, 1, 8, 1);
    EXPECT_EQ(pixelAt(*s, 5, 1), 0x00FF00u);
}

TEST(Line, FarCoordinatesAreClippedNotFatal)
{
    auto s = pixelSurface(20, 20);
    s->Line(-1e9f, 10, 1e9f, 10);
    EXPECT_EQ(inkBounds(s->retainedImage()), QRect(0, 10, 20, 1));
    s->Line(-2e9f, -2e9f, 2e9f, 2e9f, {}, LineMode::FilledBox);
    EXPECT_EQ(countPixels(s->retainedImage(), kBlack), 400);
    // Beyond a device coordinate it is an overflow, not a clipped box.
    s->Cls();
    EXPECT_EQ(errorOf([&] { s->Line(-1e30f, -1e30f, 1e30f, 1e30f, {}, LineMode::FilledBox); }), 6);
    EXPECT_EQ(countPixels(s->retainedImage(), kBlack), 0);
    EXPECT_THROW(s->Line(std::numeric_limits<float>::quiet_NaN(), 0, 1, 1), Error);
}

TEST(Circle, FullCircleAroundTheCentreInUserUnits)
{
    Surface s(100 * 15, 100 * 15);
    s.ScaleWidth(50);  // 2 px per unit
    s.ScaleHeight(50);
    s.Circle(25, 20, 10);  // centre (50, 40) px, radius 20 px
    const QRect ink = inkBounds(s.retainedImage());
    EXPECT_NEAR(ink.left(), 30, 1);
    EXPECT_NEAR(ink.right(), 70, 1);
    EXPECT_NEAR(ink.top(), 20, 1);
    EXPECT_NEAR(ink.bottom(), 60, 1);
    EXPECT_EQ(pixelAt(s, 50, 40), kWhite);
    EXPECT_FLOAT_EQ(s.CurrentX(), 25);
    EXPECT_FLOAT_EQ(s.CurrentY(), 20);
}

TEST(Circle, AspectSquashesTheVerticalRadius)
{
    auto s = pixelSurface(100, 100);
    s->Circle(50, 50, 40, {}, {}, {}, 0.5f);
    const QRect flat = inkBounds(s->retainedImage());
    EXPECT_NEAR(flat.width(), 81, 2);
    EXPECT_NEAR(flat.height(), 41, 2);

    s->Cls();
    s->Circle(50, 50, 40, {}, {}, {}, 2.0f);  // the radius is the longer axis
    const QRect tall = inkBounds(s->retainedImage());
    EXPECT_NEAR(tall.width(), 41, 2);
    EXPECT_NEAR(tall.height(), 81, 2);
}

TEST(Circle, ArcsRunCounterClockwiseFromTheStartAngle)
{
    auto s = pixelSurface(100, 100);
    s->Circle(50, 50, 40, 0, 0.0f, float(pi / 2));  // upper right quarter
    QRect ink = inkBounds(s->retainedImage());
    EXPECT_GE(ink.left(), 49);
    EXPECT_LE(ink.bottom(), 51);
    EXPECT_NEAR(ink.top(), 10, 1);
    EXPECT_NEAR(ink.right(), 90, 1);

    s->Cls();
    s->Circle(50, 50, 40, 0, float(pi));  // start only: on to a full turn
    ink = inkBounds(s->retainedImage());
    EXPECT_GE(ink.top(), 49);
    EXPECT_NEAR(ink.left(), 10, 1);
    EXPECT_NEAR(ink.right(), 90, 1);

    s->Cls();
    s->Circle(50, 50, 40, 0, float(3 * pi / 2), float(pi / 2));  // through 0: the right half
    ink = inkBounds(s->retainedImage());
    EXPECT_GE(ink.left(), 49);
    EXPECT_NEAR(ink.top(), 10, 1);
    EXPECT_NEAR(ink.bottom(), 90, 1);

    EXPECT_THROW(s->Circle(50, 50, 40, 0, 7.0f), Error);
}

TEST(Erase, BackColorErasesEvenWithTheSameColour)
{
    auto s = pixelSurface(10, 10);
    s->CurrentX(3);
    s->Line(0, 0, 9, 9, {}, LineMode::FilledBox);
    s->CurrentX(3);
    s->BackColor(0xFFFFFF);
    EXPECT_EQ(countPixels(s->retainedImage(), kWhite), 100);
    EXPECT_FLOAT_EQ(s->CurrentX(), 3);  // the position stays
    EXPECT_EQ(s->BackColor(), 0xFFFFFF);
}

TEST(Erase, ClsKeepsTheBackgroundPictureAndResetsThePosition)
{
    auto s = pixelSurface(20, 20);
    QImage red(5, 5, QImage::Format_RGB32);
    red.fill(Qt::red);
    s->Picture(red);
    s->Line(0, 0, 19, 19, {}, LineMode::FilledBox);
    s->CurrentX(7);
    s->CurrentY(8);
    s->Cls();
    EXPECT_EQ(countPixels(s->retainedImage(), 0xFF0000), 25);
    EXPECT_EQ(pixelAt(*s, 10, 10), kWhite);
    EXPECT_FLOAT_EQ(s->CurrentX(), 0);
    EXPECT_FLOAT_EQ(s->CurrentY(), 0);
    EXPECT_FALSE(s->Picture().isEmpty());
}

TEST(Erase, BackgroundPictureGoesBeneathWhatIsAlreadyDrawn)
{
    auto s = pixelSurface(20, 20);
    s->Line(2, 2, 2, 17);
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    s->Picture(red);
    EXPECT_EQ(pixelAt(*s, 2, 5), kBlack);  // drawing stays on top
    EXPECT_EQ(pixelAt(*s, 5, 5), 0xFF0000u);
    EXPECT_EQ(pixelAt(*s, 15, 15), kWhite);

    s->Picture(LoadPicture(""));  // the empty picture removes it
    EXPECT_TRUE(s->Picture().isEmpty());
    EXPECT_EQ(pixelAt(*s, 5, 5), kWhite);
    EXPECT_EQ(pixelAt(*s, 2, 5), kBlack);
}

TEST(Properties, InvalidValuesAreRefused)
{
    Surface s;
    EXPECT_THROW(s.DrawWidth(0), Error);
    EXPECT_EQ(s.DrawWidth(), 1);
    for (float bad : {0.0f, -1.0f, 2049.0f, std::numeric_limits<float>::quiet_NaN()}) {
        try {
            s.FontSize(bad);
            FAIL() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 380);
        }
    }
    s.FontSize(2048);
    EXPECT_FLOAT_EQ(s.FontSize(), 2048);
    EXPECT_THROW(s.ForeColor(Colour(0x80000000u | 200)), Error);
}

TEST(Properties, SystemColoursResolve)
{
    auto s = pixelSurface(4, 4);
    s->BackColor(Colour(0x80000005u));  // window background
    EXPECT_EQ(s->BackColor(), Colour(0x80000005u));
    EXPECT_EQ(pixelAt(*s, 1, 1), kWhite);
}

TEST(Handles, HandlesNameLiveSurfacesOnly)
{
    std::int32_t gone = 0;
    {
        Surface a;
        Surface b;
        EXPECT_NE(a.hDC(), 0);
        EXPECT_NE(a.hDC(), b.hDC());
        EXPECT_EQ(Surface::fromHDC(a.hDC()), &a);
        EXPECT_EQ(Surface::fromHDC(b.hDC()), &b);
        gone = a.hDC();
    }
    EXPECT_EQ(Surface::fromHDC(gone), nullptr);
    EXPECT_EQ(Surface::fromHDC(0), nullptr);
}

TEST(Changes, ListenerHearsOnceUntilTaken)
{
    auto s = pixelSurface(10, 10);
    int calls = 0;
    s->onChanged([&] { ++calls; });
    for (int i = 0; i < 100; ++i)
        s->Line(0, i % 10, 9, i % 10);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(s->takeChanged());
    EXPECT_FALSE(s->takeChanged());
    s->Cls();
    EXPECT_EQ(calls, 2);
    s->CurrentX(4);  // not a change of the image
    EXPECT_TRUE(s->takeChanged());
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace kwpnd::test
