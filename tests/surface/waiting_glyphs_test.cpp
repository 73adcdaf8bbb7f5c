// Texts drawn as glyphs on a surface's raster wait to be painted with the
// texts after them: the raster must always be what painting each operation
// at once gives (the recording replayed one to one).
#include "recording.h"
#include "surface_test_util.h"
#include "text_font.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <functional>

namespace kwpnd::test {
namespace {

QImage replayedOneToOne(const Surface& s)
{
    QImage image(s.pixelWidth(), s.pixelHeight(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    s.replay(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

void printAt(Surface& s, float x, float y, const QString& text)
{
    s.CurrentX(x);
    s.CurrentY(y);
    s.Print(text);
}

void bar(Surface& s, float x, float top, float bottom, Colour colour = 0)
{
    const LineRun run{x, top, x + 2, bottom, colour, LineMode::FilledBox};
    s.drawLines({&run, 1});
}

struct Sequence {
    const char* name;
    std::function<void(Surface&)> draw;
};

class WaitingGlyphs : public ::testing::TestWithParam<Sequence> {};

TEST_P(WaitingGlyphs, RasterIsWhatPaintingAtOnceGives)
{
    auto s = pixelSurface(160, 90);
    s->FontName("Arial");
    s->FontSize(10);
    GetParam().draw(*s);
    EXPECT_EQ(s->retainedImage(), replayedOneToOne(*s));
}

INSTANTIATE_TEST_SUITE_P(Cases, WaitingGlyphs,
                         ::testing::Values(
                             // Digits under bars, a guard bar reaching down between them.
                             Sequence{"DigitsUnderBars",
                                      [](Surface& s) {
                                          for (int i = 0; i < 8; ++i) {
                                              printAt(s, float(10 + 15 * i), 50, QString::number(i));
                                              bar(s, float(12 + 15 * i), 5, 45);
                                          }
                                          const LineRun guard[] = {{40, 5, 41, 70, 0, LineMode::FilledBox},
                                                                   {42, 5, 43, 70, 0xFFFFFF, LineMode::FilledBox}};
                                          s.drawLines(guard);
                                          printAt(s, 40, 50, QStringLiteral("8"));
                                      }},
                             // A bar and a line over texts still waiting, texts over texts.
                             Sequence{"OverTheText",
                                      [](Surface& s) {
                                          printAt(s, 10, 10, QStringLiteral("Waiting"));
                                          printAt(s, 10, 10, QStringLiteral("Waiting"));
                                          bar(s, 20, 0, 40, 0xFFFFFF);
                                          printAt(s, 10, 30, QStringLiteral("Ag"));
                                          s.Line(0, 35, 100, 35, 0x0000FF);
                                          printAt(s, 12, 31, QStringLiteral("Ag"));
                                      }},
                             // Another colour, another face, a wide pen, a circle.
                             Sequence{"OtherStates",
                                      [](Surface& s) {
                                          printAt(s, 5, 5, QStringLiteral("black"));
                                          s.ForeColor(0x00AA00);
                                          printAt(s, 8, 8, QStringLiteral("green"));
                                          s.FontName("Times New Roman");
                                          s.FontBold(true);
                                          printAt(s, 9, 12, QStringLiteral("bold"));
                                          s.DrawWidth(3);
                                          s.Circle(20, 20, 10);
                                          printAt(s, 15, 15, QStringLiteral("Over"));
                                      }},
                             // Erased, resized and given a background while texts wait.
                             Sequence{"EraseResizeBackground",
                                      [](Surface& s) {
                                          printAt(s, 5, 5, QStringLiteral("gone"));
                                          s.Cls();
                                          printAt(s, 100, 60, QStringLiteral("cut"));
                                          s.Width(s.Width() - 15 * 40);
                                          printAt(s, 5, 5, QStringLiteral("kept"));
                                          QImage red(20, 20, QImage::Format_RGB32);
                                          red.fill(Qt::red);
                                          s.Picture(Picture(red));
                                          printAt(s, 8, 8, QStringLiteral("on red"));
                                      }},
                             // Grown and shrunk: what is kept stays, the rest is the back colour.
                             Sequence{"GrowAndShrink",
                                      [](Surface& s) {
                                          s.BackColor(0x3366CC);
                                          printAt(s, 120, 70, QStringLiteral("edge"));
                                          bar(s, 150, 0, 89, 0x00FF00);
                                          s.Width(s.Width() + 15 * 40);
                                          s.Height(s.Height() + 15 * 20);
                                          bar(s, 190, 100, 109);
                                          s.Width(s.Width() - 15 * 20);
                                          s.Height(s.Height() - 15 * 10);
                                      }},
                             // A held raster made again from the recording.
                             Sequence{"HeldRaster",
                                      [](Surface& s) {
                                          printAt(s, 5, 5, QStringLiteral("first"));
                                          s.holdRaster();
                                          s.Cls();
                                          printAt(s, 5, 5, QStringLiteral("second"));
                                          bar(s, 7, 0, 30);
                                          s.releaseRaster();
                                          printAt(s, 6, 6, QStringLiteral("third"));
                                      }}),
                         [](const auto& info) { return std::string(info.param.name); });

// A snapshot holds every text printed before it, and later texts do not
// reach it.
TEST(WaitingGlyphs, SnapshotsHoldTheTextsBeforeThem)
{
    auto s = pixelSurface(100, 40);
    printAt(*s, 5, 5, QStringLiteral("12"));
    const Picture first = s->Image();
    printAt(*s, 30, 5, QStringLiteral("34"));
    EXPECT_EQ(inkBounds(first.image()).right() < 30, true);
    EXPECT_GT(inkBounds(s->Image().image()).right(), 30);
}

// Painting a text's glyphs changes pixels only within their reach, for
// every character a text can be drawn as glyphs with, in plain, bold and
// italic faces from small to large.
TEST(WaitingGlyphs, GlyphsStayWithinTheirReach)
{
    struct Face {
        const char* name;
        float points;
        FontStyle style;
    };
    const Face faces[] = {{"Arial", 8, {}},
                          {"Arial", 8, {true, false}},
                          {"Times New Roman", 24, {false, true}},
                          {"Courier New", 12, {true, true}},
                          {"Arial", 72, {}},
                          {"DejaVu Math TeX Gyre", 14, {true, false}}};
    for (const Face& face : faces) {
        const SurfaceFont font(QString::fromLatin1(face.name), face.points, face.style);
        const int pad = int(font.lineSpacing) + 4;
        for (char16_t u = 0x21; u <= 0xFF; ++u)
            for (const QString& text : {QString(QChar(u)), QStringLiteral(" %1 ").arg(QChar(u))}) {
                const LineGlyphs glyphs = font.glyphsOfLine(text);
                if (glyphs.runs.isEmpty() || glyphs.outlines.isEmpty())
                    continue;
                QImage image(3 * pad, 3 * pad, QImage::Format_RGB32);
                image.fill(Qt::white);
                const QPointF baseline(pad, pad + font.ascent);
                {
                    QPainter painter(&image);
                    painter.setRenderHint(QPainter::TextAntialiasing, true);
                    painter.setPen(Qt::black);
                    for (const QGlyphRun& run : glyphs.runs)
                        painter.drawGlyphRun(baseline, run);
                }
                const QRectF reach = glyphReach(glyphs.outlines.translated(baseline), font.font);
                const QRect ink = inkBounds(image);
                if (ink.isEmpty())
                    continue;
                EXPECT_TRUE(reach.contains(QRectF(ink)))
                    << face.name << " " << face.points << " U+" << std::hex << int(u) << ": ink " << ink.x() << ","
                    << ink.y() << " " << ink.width() << "x" << ink.height() << " outside the reach";
            }
    }
}

}  // namespace
}  // namespace kwpnd::test
