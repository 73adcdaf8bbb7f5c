// holdRaster / releaseRaster: setting a surface up with its raster made once
// leaves it exactly as setting it up step by step does.
#include "kwpnd/error.h"
#include "recording.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <functional>

namespace kwpnd::test {
namespace {

QImage replayed(const Surface& s)
{
    QImage image(s.pixelWidth() * 2, s.pixelHeight() * 2, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    s.replay(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

QImage checker()
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    image.setPixel(3, 2, qRgb(0, 0, 255));
    return image;
}

using Steps = std::function<void(Surface&)>;

struct HoldCase {
    const char* name;
    Steps before;  // what the surface already shows
    Steps steps;   // the set-up, held in one of the two surfaces
};

class RasterHold : public ::testing::TestWithParam<HoldCase> {};

TEST_P(RasterHold, LeavesTheSurfaceAsTheStepsDo)
{
    const HoldCase& c = GetParam();
    Surface plain(1500, 900), held(1500, 900);
    for (Surface* s : {&plain, &held})
        c.before(*s);
    c.steps(plain);
    held.holdRaster();
    c.steps(held);
    held.releaseRaster();

    EXPECT_EQ(held.pixelWidth(), plain.pixelWidth());
    EXPECT_EQ(held.pixelHeight(), plain.pixelHeight());
    EXPECT_EQ(held.retainedImage(), plain.retainedImage());
    EXPECT_EQ(replayed(held), replayed(plain));
    EXPECT_EQ(recordingOf(held.Image())->ops().size(), recordingOf(plain.Image())->ops().size());
}

void drawSomething(Surface& s)
{
    s.Line(30, 30, 900, 600, 0x0000FF, LineMode::FilledBox);
    s.CurrentX(100);
    s.CurrentY(100);
    s.Print("Kept?");
}

INSTANTIATE_TEST_SUITE_P(Cases, RasterHold,
                         ::testing::Values(
                             // As a preview window's canvas is set up: erased, scaled, sized,
                             // moved and given its background picture.
                             HoldCase{"CanvasSetUp", drawSomething,
                                      [](Surface& s) {
                                          s.Cls();
                                          s.ScaleMode(smTwip);
                                          s.BackColor(0xFFFFFF);
                                          s.ScaleHeight(31);
                                          s.ScaleWidth(22);
                                          s.Height(2400);
                                          s.Width(3000);
                                          s.ScaleMode(smTwip);
                                          s.Move(0, 0);
                                          s.Picture(checker());
                                      }},
                             // A resize before any erase keeps what was drawn; drawing in the
                             // hold goes onto the raster as it is by then.
                             HoldCase{"KeepsAndDrawsInBetween", drawSomething,
                                      [](Surface& s) {
                                          s.Height(600);
                                          s.BackColor(0x00FF00);
                                          s.Width(1200);
                                          s.Line(0, 0, 600, 300);
                                          s.Width(2000);
                                          s.Picture(checker());
                                          s.BackColor(0x808080);
                                          s.Height(1000);
                                          s.Line(0, 300, 900, 0);
                                      }},
                             // Shrunk to nothing and grown again.
                             HoldCase{"NoAreaOnTheWay", drawSomething,
                                      [](Surface& s) {
                                          s.Cls();
                                          s.Width(0);
                                          s.Line(0, 0, 100, 100);
                                          s.Width(1800);
                                          s.Print("back");
                                      }}),
                         [](const auto& info) { return std::string(info.param.name); });

// A step that fails leaves the surface as far as the set-up got, the raster
// made at its next use even without the release.
TEST(RasterHoldErrors, AFailedStepLeavesWhatWasReached)
{
    Surface plain(1500, 900), held(1500, 900);
    const auto steps = [](Surface& s) {
        s.BackColor(0xFF0000);
        s.Height(1200);
        s.Width(-15);
    };
    EXPECT_THROW(steps(plain), Error);
    held.holdRaster();
    EXPECT_THROW(steps(held), Error);
    EXPECT_EQ(held.pixelHeight(), 80);
    EXPECT_EQ(held.retainedImage(), plain.retainedImage());
    held.releaseRaster();
    EXPECT_EQ(held.retainedImage(), plain.retainedImage());
}

}  // namespace
}  // namespace kwpnd::test
