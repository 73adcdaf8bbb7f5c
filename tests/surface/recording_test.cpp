// Snapshots and the recording: immutability, replay at other resolutions.
#include "recording.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace kwpnd::test {
namespace {

// Lines, boxes, a circle, text and a picture: something of every kind.
void drawSample(Surface& s)
{
    s.ScaleMode(smPixel);
    s.FontName("Arial");
    s.FontSize(14);
    s.CurrentX(10);
    s.CurrentY(10);
    s.Print("Sample");
    s.Line(10, 50, 90, 50);
    s.DrawWidth(3);
    s.Line(10, 60, 60, 80, 0x0000FF, LineMode::Box);
    s.DrawWidth(1);
    s.Line(100, 60, 120, 80, 0xFF0000, LineMode::FilledBox);
    s.Circle(150, 40, 20, 0x00FF00);
    s.drawRotatedText("Arial", 16, 900, 180, 90, "Up");
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    s.PaintPicture(picture, 130, 80);
}

// The surface replayed onto an image `factor` times its size, of `dpi` dots
// per inch (a printer's page is both larger and of a higher resolution).
QImage replayed(const Surface& s, double factor, int dpi = 96)
{
    QImage image(qRound(s.pixelWidth() * factor), qRound(s.pixelHeight() * factor), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::gray);
    QPainter painter(&image);
    s.replay(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    return image;
}

TEST(Snapshot, LaterDrawingNeverChangesATakenPicture)
{
    auto s = pixelSurface(20, 20);
    s->Line(0, 0, 19, 0);
    const Picture first = s->Image();
    const QImage copy = first.image().copy();
    EXPECT_TRUE(first.sharesImageWith(s->Image()));  // nothing drawn in between

    s->Line(0, 5, 19, 5);
    s->Print("x");
    s->BackColor(0x00FF00);
    EXPECT_EQ(first.image(), copy);
    EXPECT_FALSE(first.sharesImageWith(s->Image()));
    EXPECT_EQ(recordingOf(first)->ops().size(), 1u);
    EXPECT_EQ(first.pixelSize(), QSize(20, 20));
    EXPECT_DOUBLE_EQ(first.widthTwips(), 300);
}

TEST(Snapshot, ImageShowsBackgroundAndDrawingAndCarriesTheRecording)
{
    auto s = pixelSurface(20, 20);
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    s->Picture(red);
    s->Line(5, 0, 5, 19);
    const Picture picture = s->Image();
    EXPECT_EQ(picture.image().pixel(5, 3) & 0xFFFFFF, kBlack);
    EXPECT_EQ(picture.image().pixel(9, 3) & 0xFFFFFF, 0xFF0000u);
    ASSERT_TRUE(recordingOf(picture));
}

TEST(Replay, OneToOneGivesTheRasterBack)
{
    Surface s(240 * 15, 120 * 15);
    drawSample(s);
    QImage red(30, 30, QImage::Format_RGB32);
    red.fill(Qt::yellow);
    s.Picture(red);  // re-renders from the recording as well
    s.Width(200 * 15);
    s.Width(240 * 15);  // content beyond 200 px is gone
    EXPECT_EQ(replayed(s, 1), s.retainedImage());
}

TEST(Replay, FourTimesLargerKeepsEveryShapeInPlace)
{
    Surface s(240 * 15, 120 * 15);
    drawSample(s);
    const QImage raster = s.retainedImage();
    const QImage big = replayed(s, 4);
    // Colour by colour, the ink lands where four times the raster's ink is.
    auto boundsOf = [](const QImage& image, QRgb colour) {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    for (QRgb colour : {0x0000FFu, 0xFF0000u, 0x00FF00u, 0xFF00FFu}) {
        const QRect small = boundsOf(raster, colour);
        const QRect large = boundsOf(big, colour);
        ASSERT_FALSE(small.isNull()) << std::hex << colour;
        EXPECT_NEAR(large.left(), small.left() * 4, 4) << std::hex << colour;
        EXPECT_NEAR(large.top(), small.top() * 4, 4) << std::hex << colour;
        EXPECT_NEAR(large.right() + 1, (small.right() + 1) * 4, 4) << std::hex << colour;
        EXPECT_NEAR(large.bottom() + 1, (small.bottom() + 1) * 4, 4) << std::hex << colour;
    }
}

TEST(Replay, TextKeepsItsPhysicalSize)
{
    Surface s(300 * 15, 100 * 15);
    s.ScaleMode(smPixel);
    s.FontName("Arial");
    s.FontSize(20);
    s.CurrentX(10);
    s.CurrentY(10);
    s.Print("Physical size");
    s.drawRotatedText("Arial", 30, 0, 10, 50, "Rotated face");
    const QRect small = inkBounds(s.retainedImage());
    // Four times larger at screen resolution, and a 600 dpi page at the
    // same physical size (6.25 times the pixels).
    for (const auto& [factor, dpi] : {std::pair{4.0, 96}, std::pair{6.25, 600}}) {
        const QRect large = inkBounds(replayed(s, factor, dpi));
        const double tolerance = 1.5 * factor;
        EXPECT_NEAR(large.left(), small.left() * factor, tolerance) << dpi;
        EXPECT_NEAR(large.top(), small.top() * factor, tolerance) << dpi;
        EXPECT_NEAR(large.right() + 1, (small.right() + 1) * factor, 2 * tolerance) << dpi;
        EXPECT_NEAR(large.bottom() + 1, (small.bottom() + 1) * factor, 2 * tolerance) << dpi;
    }
}

TEST(Replay, PdfAtPrinterResolutionKeepsThePhysicalSize)
{
    Surface s(300 * 15, 100 * 15);
    drawSample(s);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        // 300 × 100 pixels at 96 dpi are 1875 × 625 dots at 600 dpi.
        s.replay(painter, QRectF(0, 0, 300 * 600 / 96.0, 100 * 600 / 96.0));
    }
    const QByteArray bytes = pdf.data();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_TRUE(bytes.contains("/FontFile")) << "text stays text, not pixels";
}

TEST(Replay, SnapshotPictureDrawsSharpAtAnyResolution)
{
    Surface s(100 * 15, 40 * 15);
    s.ScaleMode(smPixel);
    s.Line(10, 10, 10, 30);
    const Picture picture = s.Image();
    QImage big(400, 160, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter painter(&big);
    picture.draw(painter, QRectF(0, 0, 400, 160));
    painter.end();
    // One raster pixel becomes a 4 × 4 block, not a blurred column.
    EXPECT_EQ(inkBounds(big), QRect(40, 40, 4, 84));

    // Pasted into another surface, then replayed enlarged: still sharp.
    Surface page(200 * 15, 100 * 15);
    page.ScaleMode(smPixel);
    page.PaintPicture(picture, 50, 20);
    EXPECT_EQ(inkBounds(page.retainedImage()), QRect(60, 30, 1, 21));
    EXPECT_EQ(inkBounds(replayed(page, 4)), QRect(240, 120, 4, 84));
}

TEST(Replay, RasterOperationsEnterAsTheirResultingPixels)
{
    auto s = pixelSurface(10, 10);
    s->Line(0, 0, 9, 9, 0x0000FF, LineMode::FilledBox);
    QImage mask(4, 4, QImage::Format_RGB32);
    mask.fill(qRgb(0, 255, 255));
    s->PaintPicture(mask, 2, 2, {}, {}, {}, {}, {}, {}, SRCAND);  // red & cyan = black
    EXPECT_EQ(countPixels(s->retainedImage(), kBlack), 16);
    EXPECT_EQ(replayed(*s, 1), s->retainedImage());
    EXPECT_EQ(countPixels(replayed(*s, 2), kBlack), 64);
}

TEST(Snapshot, DrawingAfterASnapshotCopiesTheRasterFirst)
{
    auto s = pixelSurface(10, 10);
    const QImage shared = s->retainedImage();
    const qint64 key = shared.cacheKey();
    s->Line(0, 0, 9, 0);
    EXPECT_EQ(shared.cacheKey(), key);
    EXPECT_EQ(countPixels(shared, kBlack), 0);
    EXPECT_EQ(countPixels(s->retainedImage(), kBlack), 10);
}

}  // namespace
}  // namespace kwpnd::test
