// Guides: the field crosses generation draws, the Shift-click cross-hair and
// the ruler lines, all as pixels of the page.

#include "design_fixture.h"
#include "kwpnd/super_ruler.h"
#include "preview_api.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace kwpnd::test {
namespace {

constexpr QRgb kGreen = 0xFF00FF00;

class GuidesTest : public DesignFixture {
protected:
    QByteArray layoutText() const override
    {
        // No data for these fields: only their guides are drawn.
        return "[PreviewWindow]\nHeight=3000\nWidth=4500\n"
               "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
               "[Mark]\nEnabled=1\nXLeft=1440\nYTop=720\nFontSize=8\n";
    }

    // The canvas in twips (4500 by 3000: 300 by 200 pixels), or in pixels.
    void scaleCanvas(bool pixels)
    {
        component().InitialiseForm(pixels ? 200 : 3000, pixels ? 300 : 4500);
        window().PreviewGenerate();
    }

    QImage page() { return window().CerPrvC().retainedImage().convertToFormat(QImage::Format_RGB32); }
    int greenPixels() { return countPixels(page(), kGreen); }

    // How many pixels of `caption` printed with its top-left at (x, y), in the
    // canvas's font and colour, differ from `drawn` (the guide lines through
    // that point aside, where the letters blend with green).
    int captionDifferences(const QImage& drawn, double x, double y, const char* caption)
    {
        Surface& canvas = window().CerPrvC();
        canvas.Cls();
        canvas.CurrentX(float(x));
        canvas.CurrentY(float(y));
        canvas.Print(QLatin1String(caption));
        const QImage reference = page();
        // The guide lines' column and row: where they meet the page's far edges.
        int lineX = 0, lineY = 0;
        while (lineX < drawn.width() && drawn.pixel(lineX, drawn.height() - 1) != kGreen)
            ++lineX;
        while (lineY < drawn.height() && drawn.pixel(drawn.width() - 1, lineY) != kGreen)
            ++lineY;
        const QRect ink = inkBounds(reference);
        int differing = 0;
        for (int py = ink.top(); py <= ink.bottom(); ++py)
            for (int px = ink.left(); px <= ink.right(); ++px)
                if (px != lineX && py != lineY)
                    differing += reference.pixel(px, py) != drawn.pixel(px, py);
        return ink.isNull() ? -1 : differing;
    }

    // Whether a green line runs down column x and across row y, end to end.
    void expectCross(const QImage& image, int x, int y)
    {
        EXPECT_EQ(image.pixel(x, 0), kGreen);
        EXPECT_EQ(image.pixel(x, image.height() - 1), kGreen);
        EXPECT_EQ(image.pixel(0, y), kGreen);
        EXPECT_EQ(image.pixel(image.width() - 1, y), kGreen);
        EXPECT_GE(countPixels(image, kGreen, QRect(x, 0, 1, image.height())), image.height() - 20);
        EXPECT_GE(countPixels(image, kGreen, QRect(0, y, image.width(), 1)), image.width() - 200);
    }
};

TEST_F(GuidesTest, EachFieldGetsACrossAndItsCaptionWhileGuidesAreOn)
{
    scaleCanvas(false);
    EXPECT_EQ(greenPixels(), 0);
    window().mnuPopUpGuides_Click();
    ASSERT_TRUE(window().mbGuides);
    const QImage image = page();
    expectCross(image, 96, 48);  // (1440, 720) twips
    EXPECT_EQ(captionDifferences(image, 1440, 720, "Mark : X:1440 ,Y:720"), 0);

    window().mnuPopUpGuides_Click();  // off again: the page is generated without them
    EXPECT_EQ(greenPixels(), 0);
}

TEST_F(GuidesTest, CaptionsShowTheNumbersInTheirShortForm)
{
    scaleCanvas(false);
    struct Case {
        double x, y;
        const char* caption;
    };
    const Case cases[] = {
        {12.5, 0, "A : X:12.5 ,Y:0"}, {1440, 720, "A : X:1440 ,Y:720"}, {7.25, 100, "A : X:7.25 ,Y:100"}};
    Surface& canvas = window().CerPrvC();
    for (const Case& c : cases) {
        canvas.Cls();
        aids().DrawGuides(c.x, c.y, QStringLiteral("A"));
        const QImage drawn = page();
        EXPECT_EQ(captionDifferences(drawn, c.x, c.y, c.caption), 0) << c.caption;
    }
    // The comparison tells the forms apart.
    canvas.Cls();
    aids().DrawGuides(12.5, 0, QStringLiteral("A"));
    EXPECT_GT(captionDifferences(page(), 12.5, 0, "A : X:12.50 ,Y:0"), 0);
}

TEST_F(GuidesTest, AShiftClickDrawsACrossHairAndOtherClicksDrawNothing)
{
    scaleCanvas(true);
    PreviewForm& f = window().form();
    const std::pair<Qt::KeyboardModifiers, bool> clicks[] = {
        {Qt::NoModifier, false},
        {Qt::ControlModifier | Qt::ShiftModifier, false},
        {Qt::AltModifier | Qt::ShiftModifier, false},
        {Qt::ShiftModifier, true},
    };
    for (const auto& [modifiers, draws] : clicks) {
        QTest::mouseClick(f.CerPrvC, Qt::LeftButton, modifiers, QPoint(30, 20));
        EXPECT_EQ(greenPixels() > 0, draws) << modifiers;
    }
    expectCross(page(), 30, 20);
    QTest::mouseClick(f.CerPrvC, Qt::MiddleButton, Qt::ShiftModifier, QPoint(60, 60));  // not the left button
    EXPECT_EQ(page().pixel(60, 0), 0xFFFFFFFF);

    // Guides are part of the page: copying takes them along.
    window().PreviewCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->image().pixel(30, 5), kGreen);
}

TEST_F(GuidesTest, ARulerClickDrawsALineAtATenthOfItsValue)
{
    scaleCanvas(true);
    PreviewForm& f = window().form();
    emit f.SuperRuler1->Click(1, 0, 250);
    const QImage afterVertical = page();
    EXPECT_EQ(countPixels(afterVertical, kGreen), afterVertical.height());
    EXPECT_EQ(countPixels(afterVertical, kGreen, QRect(25, 0, 1, afterVertical.height())), afterVertical.height());
    emit f.SuperRuler2->Click(2, 1, 1004);  // 100.4: a single-precision position
    const QImage image = page();
    EXPECT_EQ(countPixels(image, kGreen, QRect(0, 100, image.width(), 1)), image.width());
}

}  // namespace
}  // namespace kwpnd::test
