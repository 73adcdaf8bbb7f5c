// drawLines: the pixels, recording, errors and position of the Line calls
// it stands for, with bars of one colour filled as one rectangle.
#include "kwpnd/error.h"
#include "recording.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <cmath>
#include <limits>
#include <vector>

namespace kwpnd::test {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The Line calls a run stands for, made one by one.
void drawOneByOne(Surface& s, const std::vector<LineRun>& runs)
{
    for (const LineRun& run : runs)
        for (int k = 0; k < run.count; ++k) {
            const float shift = float(k) * run.stepX;
            s.Line(run.x1 + shift, run.y1, run.x2 + shift, run.y2, run.colour, run.mode);
        }
}

QImage replayed(const Surface& s, double factor)
{
    QImage image(qRound(s.pixelWidth() * factor), qRound(s.pixelHeight() * factor), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    s.replay(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

// A barcode's worth of bars in twips: modules of 15 one-twip lines,
// alternating black and white, as the UPC encoder draws them.
std::vector<LineRun> twipBars()
{
    std::vector<LineRun> runs;
    float x = 250;
    const int modules[] = {1, 1, 1, 3, 2, 1, 1, 4, 1, 1, 2, 2};
    for (int i = 0; i < int(std::size(modules)); ++i) {
        const int count = 15 * modules[i];
        const Colour colour = i % 2 == 0 ? Colour(kBlack) : Colour(kWhite);
        runs.push_back({x, 200, x, 600, colour, LineMode::Line, count, 1});
        x += float(count);
    }
    return runs;
}

struct RunCase {
    const char* name;
    std::int16_t scale;
    std::int16_t drawWidth;
    std::vector<LineRun> runs;
};

class LineRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(LineRuns, DrawWhatTheLineCallsDraw)
{
    const RunCase& c = GetParam();
    Surface one(1500, 900), runs(1500, 900);  // 100 × 60 pixels
    for (Surface* s : {&one, &runs}) {
        s->ScaleMode(c.scale);
        s->DrawWidth(c.drawWidth);
    }
    drawOneByOne(one, c.runs);
    runs.drawLines(c.runs);
    EXPECT_EQ(runs.retainedImage(), one.retainedImage());
    EXPECT_EQ(replayed(runs, 1), one.retainedImage());
    // A printer's page: the same cells at three and at 12.5 device pixels
    // to the pixel.
    EXPECT_EQ(replayed(runs, 3), replayed(one, 3));
    EXPECT_EQ(replayed(runs, 12.5), replayed(one, 12.5));
    EXPECT_EQ(runs.CurrentX(), one.CurrentX());
    EXPECT_EQ(runs.CurrentY(), one.CurrentY());
}

INSTANTIATE_TEST_SUITE_P(Cases, LineRuns,
                         ::testing::Values(RunCase{"TwipBars", smTwip, 1, twipBars()},
                                           // Boxes sharing their edge column, the later one covering it; one of
                                           // them zero wide.
                                           RunCase{"TouchingBoxes",
                                                   smPixel,
                                                   1,
                                                   {{5, 5, 8, 40, kBlack, LineMode::FilledBox},
                                                    {8, 5, 12, 40, kBlack, LineMode::FilledBox},
                                                    {12, 5, 14, 40, Colour(kWhite), LineMode::FilledBox},
                                                    {14, 5, 14, 40, kBlack, LineMode::FilledBox},
                                                    {15, 40, 20, 5, kBlack, LineMode::FilledBox},
                                                    {30, 5, 30, 40, kRed, LineMode::FilledBox, 6, 1}}},
                                           // Bars over rows drawn before them: a column left out between two
                                           // bars and the columns beside the bars keep the rows' colour.
                                           RunCase{"BarsOverRows",
                                                   smPixel,
                                                   1,
                                                   {{0, 10, 99, 10, kRed},
                                                    {0, 20, 99, 20, kRed},
                                                    {0, 30, 99, 30, kRed},
                                                    {5, 5, 8, 40, kBlack, LineMode::FilledBox},
                                                    {10, 5, 12, 40, Colour(kWhite), LineMode::FilledBox},
                                                    {12, 5, 20, 40, kBlack, LineMode::FilledBox},
                                                    {21, 5, 21, 40, kRed, LineMode::FilledBox},
                                                    {22, 6, 25, 40, kBlack, LineMode::FilledBox},
                                                    {26, 5, 30, 40, Colour(kWhite), LineMode::FilledBox},
                                                    {0, 25, 99, 25, kBlack}}},
                                           // A step of exactly one pixel, one of two (columns in between stay
                                           // as they were), and a run stepping leftwards.
                                           RunCase{"PixelSteps",
                                                   smPixel,
                                                   1,
                                                   {{10, 2, 10, 50, kBlack, LineMode::Line, 8, 1},
                                                    {30, 2, 30, 50, kRed, LineMode::Line, 5, 2},
                                                    {70, 50, 70, 2, kBlack, LineMode::Line, 6, -1}}},
                                           // Rows, points, columns stacked on a column, a slanted line, an
                                           // outline, and lines reaching past every edge.
                                           RunCase{"Shapes",
                                                   smPixel,
                                                   1,
                                                   {{2, 3, 60, 3, kRed},
                                                    {61, 3, 90, 3, kRed},
                                                    {5, 10, 5, 10, kBlack},
                                                    {6, 10, 6, 10, kBlack},
                                                    {40, 10, 40, 20, kBlack},
                                                    {40, 21, 40, 30, kBlack},
                                                    {50, 10, 80, 40, kRed},
                                                    {20, 20, 35, 35, kBlack, LineMode::Box},
                                                    {-10, 45, 200, 45, kBlack},
                                                    {95, -20, 95, 300, kRed, LineMode::Line, 20, 1}}},
                                           // A wider pen ends round: every line is its own stroke.
                                           RunCase{
                                               "WidePen", smPixel, 3, {{10, 10, 10, 40, kBlack, LineMode::Line, 5, 1}}},
                                           // Steps of a third of a pixel in a scale of inches, and fractions.
                                           RunCase{"FractionalUnits",
                                                   smMilimeter,
                                                   1,
                                                   {{1.25f, 1, 1.25f, 12, kBlack, LineMode::Line, 7, 0.1f},
                                                    {4, 1, 4, 12, kRed, LineMode::Line, 30, 1},
                                                    {20, 3, 21.5f, 9, kBlack, LineMode::FilledBox, 4, 0.25f}}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The fills of each recorded operation, in order.
std::vector<std::size_t> fillsPerOperation(const Picture& picture)
{
    std::vector<std::size_t> fills;
    recordingOf(picture)->ops().forEach([&](const DrawOp& op) {
        const auto* run = std::get_if<FillRunOp>(&op);
        fills.push_back(run ? run->fills.size() : std::holds_alternative<FillOp>(op) ? 1 : 0);
    });
    return fills;
}

TEST(LineRunsRecording, ABarOfManyLinesIsOneFill)
{
    Surface s(1500, 900);
    s.drawLines(twipBars());
    // Twelve bars of alternating colour: twelve fills, recorded as one
    // operation.
    EXPECT_EQ(fillsPerOperation(s.Image()), std::vector<std::size_t>{12});

    s.BackColor(kWhite);
    const LineRun touching[] = {{150, 100, 150, 600, kBlack, LineMode::Line, 30, 1},
                                {180, 100, 180, 600, kBlack, LineMode::Line, 15, 1}};
    s.drawLines(touching);
    EXPECT_EQ(fillsPerOperation(s.Image()), std::vector<std::size_t>{1});

    // A slanted line is drawn by Line between the fills before and after it.
    s.BackColor(kWhite);
    const LineRun slanted[] = {{150, 100, 150, 600, kBlack, LineMode::Line, 30, 1},
                               {300, 100, 400, 600, kBlack},
                               {450, 100, 450, 600, kBlack, LineMode::Line, 15, 1},
                               {465, 100, 465, 600, kWhite, LineMode::Line, 15, 1}};
    s.drawLines(slanted);
    EXPECT_EQ(fillsPerOperation(s.Image()), (std::vector<std::size_t>{1, 0, 2}));

    // Runs drawn one after the other join the fills before them, up to the
    // next other drawing.
    s.BackColor(kWhite);
    for (const LineRun& run : twipBars())
        s.drawLines({&run, 1});
    s.Print("1");
    s.drawLines(touching);
    EXPECT_EQ(fillsPerOperation(s.Image()), (std::vector<std::size_t>{12, 0, 1}));
}

// A line that has no device pixel stops the run where Line would stop it:
// what came before stays drawn, the error names the coordinate.
TEST(LineRunsErrors, StopWhereTheLineCallsStop)
{
    const float far = 1e12f;
    for (float bad : {kNaN, far}) {
        const std::vector<LineRun> runs = {
            {5, 5, 5, 40, kBlack, LineMode::Line, 4, 1}, {20, 5, 20, bad, kBlack}, {30, 5, 30, 40, kBlack}};
        auto one = pixelSurface(60, 60);
        auto batch = pixelSurface(60, 60);
        int expected = 0, got = 0;
        try {
            drawOneByOne(*one, runs);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const Error& e) {
            expected = e.number();
        }
        std::size_t runsDrawn = 99;
        try {
            batch->drawLines(runs, runsDrawn);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const Error& e) {
            got = e.number();
        }
        EXPECT_EQ(runsDrawn, 1u);
        EXPECT_EQ(got, int(ErrorNumber::Overflow));
        EXPECT_EQ(got, expected);
        EXPECT_EQ(batch->retainedImage(), one->retainedImage());
        EXPECT_EQ(pixelAt(*batch, 8, 20), kBlack);
        EXPECT_EQ(batch->CurrentX(), one->CurrentX());
    }
    // A colour that names no system colour stops the run of that colour.
    const std::vector<LineRun> runs = {{5, 5, 5, 40, kBlack, LineMode::Line, 4, 1},
                                       {9, 5, 9, 40, Colour(0x80000100), LineMode::Line, 2, 1},
                                       {11, 5, 11, 40, Colour(0x80000100)}};
    auto one = pixelSurface(60, 60);
    auto batch = pixelSurface(60, 60);
    EXPECT_EQ(errorOf([&] { drawOneByOne(*one, runs); }), int(ErrorNumber::InvalidPropertyValue));
    std::size_t runsDrawn = 99;
    EXPECT_EQ(errorOf([&] { batch->drawLines(runs, runsDrawn); }), int(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(runsDrawn, 1u);
    EXPECT_EQ(batch->retainedImage(), one->retainedImage());
    std::size_t all = 0;
    batch->drawLines({runs.data(), 1}, all);
    EXPECT_EQ(all, 1u);
}

}  // namespace
}  // namespace kwpnd::test
