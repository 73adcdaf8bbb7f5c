// Scale modes, extents, coordinate mapping and outer size.
#include "kwpnd/error.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <functional>

namespace kwpnd::test {
namespace {

struct ModeCase {
    std::int16_t mode;
    double twipsPerUnitX;
    double twipsPerUnitY;
};

class ScaleModeTable : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ScaleModeTable, ExtentsAndMappingUseTheUnit)
{
    const ModeCase c = GetParam();
    Surface s(4800, 3600);  // 320 × 240 pixels
    s.ScaleMode(c.mode);
    EXPECT_EQ(s.ScaleMode(), c.mode);
    EXPECT_NEAR(s.ScaleWidth(), 4800 / c.twipsPerUnitX, 1e-3);
    EXPECT_NEAR(s.ScaleHeight(), 3600 / c.twipsPerUnitY, 1e-3);
    const QPointF p = s.toPixels(2, 3);
    EXPECT_NEAR(p.x(), 2 * c.twipsPerUnitX / 15, 1e-4);
    EXPECT_NEAR(p.y(), 3 * c.twipsPerUnitY / 15, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Modes, ScaleModeTable,
                         ::testing::Values(ModeCase{smTwip, 1, 1}, ModeCase{smPoint, 20, 20}, ModeCase{smPixel, 15, 15},
                                           ModeCase{smCharacter, 120, 240}, ModeCase{smInche, 1440, 1440},
                                           ModeCase{smMilimeter, 1440 / 25.4, 1440 / 25.4},
                                           ModeCase{smCentimeter, 1440 / 2.54, 1440 / 2.54}));

TEST(Scale, NewSurfaceIsInTwipsWithPixelsFromTheOuterSize)
{
    Surface s(4810, 3600);
    EXPECT_EQ(s.ScaleMode(), smTwip);
    EXPECT_EQ(s.pixelWidth(), 321);  // 4810 / 15 rounded
    EXPECT_EQ(s.pixelHeight(), 240);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 321 * 15);
    EXPECT_EQ(s.retainedImage().size(), QSize(321, 240));
    EXPECT_EQ(s.retainedImage().format(), QImage::Format_RGB32);
    EXPECT_EQ(s.retainedImage().dotsPerMeterX(), 3780);
    EXPECT_EQ(s.retainedImage().dotsPerMeterY(), 3780);
}

TEST(Scale, UserScaleAndBackToAStandardMode)
{
    Surface s(4800, 3600);
    s.ScaleMode(smPixel);
    s.ScaleWidth(10);
    EXPECT_EQ(s.ScaleMode(), smUser);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 10);
    EXPECT_FLOAT_EQ(s.ScaleHeight(), 240);  // kept from the pixel scale
    EXPECT_NEAR(s.toPixels(5, 10).x(), 160, 1e-4);
    EXPECT_NEAR(s.toPixels(5, 10).y(), 10, 1e-4);

    s.ScaleMode(smPixel);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 320);
    EXPECT_FLOAT_EQ(s.ScaleHeight(), 240);
}

TEST(Scale, ModeZeroKeepsTheExtents)
{
    Surface s(4800, 3600);
    s.ScaleMode(smInche);
    s.ScaleMode(smUser);
    EXPECT_EQ(s.ScaleMode(), smUser);
    EXPECT_NEAR(s.ScaleWidth(), 4800 / 1440.0, 1e-5);
    EXPECT_NEAR(s.toPixels(1, 1).x(), 96, 1e-3);
}

TEST(Scale, UserScaleStretchesWithTheSurfaceStandardScaleFollowsIt)
{
    Surface s(4800, 3600);
    s.ScaleHeight(100);
    s.ScaleWidth(100);
    s.Width(9600);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 100);
    EXPECT_NEAR(s.toPixels(50, 50).x(), 320, 1e-4);

    Surface t(4800, 3600);
    t.ScaleMode(smPixel);
    t.Width(9600);
    EXPECT_FLOAT_EQ(t.ScaleWidth(), 640);
}

TEST(Scale, InvalidValuesAreRefusedAndChangeNothing)
{
    Surface s(4800, 3600);
    s.ScaleMode(smPoint);
    for (std::int16_t bad : {std::int16_t(-1), std::int16_t(8)}) {
        try {
            s.ScaleMode(bad);
            FAIL() << "mode " << bad;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 380);
        }
    }
    EXPECT_THROW(s.ScaleWidth(0), Error);
    EXPECT_THROW(s.ScaleHeight(0), Error);
    EXPECT_EQ(s.ScaleMode(), smPoint);
    EXPECT_FLOAT_EQ(s.ScaleWidth(), 240);
}

TEST(Scale, RefusedSizesLeaveTheSurfaceAsItWas)
{
    Surface s(4800, 3600);
    const float tooWide = (Surface::kMaxPixelSide + 1) * 15.0f;
    for (float bad : {-15.0f, tooWide}) {
        try {
            s.Width(bad);
            FAIL() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 380);
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
    EXPECT_THROW(s.Move(0, 0, 100, -1), Error);
    EXPECT_THROW(Surface(tooWide, 100), Error);
    EXPECT_FLOAT_EQ(s.Width(), 4800);
    EXPECT_FLOAT_EQ(s.Left(), 0);
    EXPECT_EQ(s.pixelWidth(), 320);
}

TEST(Scale, AreaIsCappedAsWellAsEachSide)
{
    // Each side within kMaxPixelSide, together one row more than kMaxPixels.
    const int side = Surface::kMaxPixelSide;
    const int rows = int(Surface::kMaxPixels / side) + 1;
    const float wide = side * 15.0f;
    const float tall = rows * 15.0f;
    const QString size = QStringLiteral("%1 × %2").arg(side).arg(rows);

    Surface s(4800, 3600);
    const std::function<void()> refused[] = {
        [&] {
            s.Width(wide);
            s.Height(tall);
        },
        [&] { s.Move(0, 0, wide, tall); },
        [&] { Surface huge(wide, tall); },
    };
    s.Width(wide);  // a long, thin surface is fine
    for (const auto& call : refused) {
        try {
            call();
            FAIL() << "accepted " << size.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 380);
            EXPECT_TRUE(e.message().contains(size)) << e.message().toStdString();
        }
    }
    EXPECT_EQ(s.retainedImage().size(), QSize(side, 240));  // nothing was allocated
    EXPECT_FLOAT_EQ(s.Width(), wide);
}

TEST(Scale, ScaleLeftAndTopStartAtZero)
{
    Surface s;
    EXPECT_FLOAT_EQ(s.ScaleLeft(), 0);
    EXPECT_FLOAT_EQ(s.ScaleTop(), 0);
}

TEST(Geometry, MoveSetsPlacementAndSize)
{
    Surface s(4800, 3600);
    s.Move(150, 300, 1500, 750);
    EXPECT_FLOAT_EQ(s.Left(), 150);
    EXPECT_FLOAT_EQ(s.Top(), 300);
    EXPECT_EQ(s.pixelWidth(), 100);
    EXPECT_EQ(s.pixelHeight(), 50);
    s.Move(30);
    EXPECT_FLOAT_EQ(s.Left(), 30);
    EXPECT_FLOAT_EQ(s.Top(), 300);
}

TEST(Geometry, ResizeKeepsWhatFitsAndFillsTheRestWithBackColor)
{
    auto s = pixelSurface(20, 20);
    s->BackColor(0x0000FF);
    s->Line(0, 0, 19, 19, 0, LineMode::FilledBox);
    s->Width(10 * 15);
    s->Width(30 * 15);
    EXPECT_EQ(pixelAt(*s, 5, 5), kBlack);
    EXPECT_EQ(pixelAt(*s, 15, 5), 0xFF0000u);  // red (Qt order) where content was cut off
    EXPECT_EQ(pixelAt(*s, 25, 5), 0xFF0000u);
}

TEST(Geometry, ZeroSizeIsAllowedAndDrawingDoesNothing)
{
    Surface s(0, 0);
    EXPECT_EQ(s.pixelWidth(), 0);
    s.Line(0, 0, 100, 100);
    s.Line(0, 0, 100, 100, {}, LineMode::FilledBox);
    s.Circle(10, 10, 5);
    s.Print("text");
    s.PaintPicture(QImage(4, 4, QImage::Format_RGB32), 0, 0);
    s.Cls();
    s.BackColor(0);
    EXPECT_TRUE(s.Image().isEmpty());
    EXPECT_FLOAT_EQ(s.CurrentX(), 0);
    s.Width(150);
    s.Height(150);
    EXPECT_EQ(s.retainedImage().size(), QSize(10, 10));
}

}  // namespace
}  // namespace kwpnd::test
