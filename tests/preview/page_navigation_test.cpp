// Moving about the page: the mouse wheel, the zoom view's picture and the
// zoom view going away whenever the page under it changes.

#include "kwpnd/preview.h"
#include "kwpnd/super_ruler.h"
#include "preview_form.h"
#include "preview_window.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace kwpnd::test {
namespace {

class PageNavigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        Dialogs::setCurrent(std::make_shared<HeadlessDialogs>(true));
        layout = writeFile(dir, QStringLiteral("layout.ini"),
                           "[PreviewWindow]\nHeight=4500\nWidth=3000\n"
                           "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
                           "[Hello]\nEnabled=1\nXLeft=200\nYTop=100\nFontSize=12\n");
        data = writeFile(dir, QStringLiteral("data.ini"), "[Hello]\nData=Hello\n");
    }
    void TearDown() override { Dialogs::setCurrent(nullptr); }

    // A component whose window is loaded and generated, the canvas in twips.
    std::shared_ptr<clsKWPNDPreviewA> component()
    {
        auto c = clsKWPNDPreviewA::create();
        c->SettingFile(layout);
        c->DataFile(data);
        c->PreviewGenerate(true);
        windowOf(*c).CerPrvC();
        return c;
    }

    // One step of "Enlarge": the zoom view is then shown over the canvas.
    static void enlarge(PreviewForm& f)
    {
        QTimer::singleShot(0, [&f] { QTest::mouseRelease(f.Command1[0], Qt::LeftButton); });
        QTest::mousePress(f.Command1[0], Qt::LeftButton);
        ASSERT_FALSE(f.Image1->isHidden());
        ASSERT_FALSE(f.Image1->picture().isEmpty());
    }

    static void expectDismissed(PreviewForm& f, const char* after)
    {
        EXPECT_TRUE(f.Image1->isHidden()) << after;
        EXPECT_TRUE(f.Image1->picture().isEmpty()) << after;
    }

    QTemporaryDir dir;
    QString layout, data;
};

void turnWheel(QWidget* over, QPoint angleDelta, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at(5, 5);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), angleDelta, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    // As the window system delivers it: a widget that ignores it passes it on.
    // (as QTest delivers its mouse events, past sendEvent, which would take
    // the mark away).
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(over, &wheel);
}

TEST_F(PageNavigation, TheWheelOverThePageScrollsItThroughTheBars)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    const int notch = QApplication::wheelScrollLines() * f.VScroll1->singleStep();
    ASSERT_GT(notch, 0);

    turnWheel(f.CerPrvC, QPoint(0, -120));  // towards oneself: down
    EXPECT_EQ(f.VScroll1->value(), 1 + notch);
    EXPECT_EQ(w.CerPrvC().Top(), -notch);
    EXPECT_EQ(f.SuperRuler2->StartValue(), notch);  // the ruler follows the bar
    EXPECT_EQ(f.HScroll1->value(), 1);

    turnWheel(f.CerPrvC, QPoint(0, -120), Qt::ShiftModifier);  // Shift: sideways
    EXPECT_EQ(f.HScroll1->value(), 1 + notch);
    EXPECT_EQ(w.CerPrvC().Left(), -notch);
    EXPECT_EQ(f.VScroll1->value(), 1 + notch);

    turnWheel(f.picContainer, QPoint(120, 0));  // a horizontal wheel, over the frame
    EXPECT_EQ(f.HScroll1->value(), 1);
    EXPECT_EQ(f.SuperRuler1->StartValue(), 0);

    turnWheel(f.CerPrvC, QPoint(0, 10 * 120));  // past the top: stops at the bar's minimum
    EXPECT_EQ(f.VScroll1->value(), 1);
    EXPECT_EQ(w.CerPrvC().Top(), 0);
}

TEST_F(PageNavigation, TheZoomViewGoesWhenThePageUnderItChanges)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    // Three pages, each a different picture.
    for (int i = 0; i < 3; ++i) {
        w.CerPrvC().Cls();
        w.CerPrvC().Line(float(100 * i), 0, float(100 * i + 50), 50, 0, LineMode::FilledBox);
        c->AddToPages(QString::number(i + 1));
    }
    const QImage page2 = pictureOf(c->Pages()->Item(2)).image();

    c->GoToPageFirst();
    enlarge(f);
    c->GoToPageNext();
    expectDismissed(f, "paging");
    EXPECT_EQ(f.lblPage->text(), QStringLiteral("2 of 3"));
    w.PreviewCopy();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(page2.format()), page2);

    const std::pair<const char*, std::function<void()>> changes[] = {
        {"Clear", [&] { c->Clear(); }},
        {"Generate", [&] { c->Generate(); }},
        {"the Generate item", [&] { f.menuItem(QStringLiteral("mnuPopUpGenerate"))->trigger(); }},
        {"F5", [&] { QTest::keyClick(f.CerPrvC, Qt::Key_F5); }},
        {"last page", [&] { c->GoToPageLast(); }},
        {"InitialiseForm", [&] { c->InitialiseForm(); }},
    };
    for (const auto& [name, change] : changes) {
        enlarge(f);
        change();
        expectDismissed(f, name);
    }
    // The view keeps the size it was zoomed to: the next press goes on from it.
    const double zoomed = w.image1Rect().width();
    enlarge(f);
    EXPECT_NEAR(w.image1Rect().width(), zoomed * 1.05, 0.05);
}

// Rows of `image` from `top` to `bottom` whose leftmost dark pixel lies more
// than one pixel right of the row above's: the steps of an enlarged raster.
int jumpsAlongLeftEdge(const QImage& image, int top, int bottom)
{
    int jumps = 0, previous = -1;
    for (int y = top; y < bottom; ++y) {
        int x = 0;
        while (x < image.width() && qGray(image.pixel(x, y)) > 128)
            ++x;
        if (previous >= 0 && x - previous > 1)
            ++jumps;
        previous = x;
    }
    return jumps;
}

int greyPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int g = qGray(image.pixel(x, y));
            count += g > 40 && g < 215;
        }
    return count;
}

TEST_F(PageNavigation, TheZoomViewRedrawsThePageSharpAtItsSize)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    Surface& canvas = w.CerPrvC();
    canvas.Cls();
    canvas.Line(150, 150, 1650, 1650, 0);  // a diagonal from pixel (10, 10) to (110, 110)
    enlarge(f);
    const QSize size = f.Image1->picture().pixelSize();
    w.image1Rect(QRectF(0, 0, 4 * size.width() * 15, 4 * size.height() * 15));  // four times as large

    const QImage zoomed = f.Image1->grab().toImage();
    ASSERT_EQ(zoomed.size(), 4 * size);
    const QImage stretched = canvas.Image().image().scaled(4 * size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_GT(jumpsAlongLeftEdge(stretched, 60, 420), 50);  // what a stretched raster gives
    EXPECT_EQ(jumpsAlongLeftEdge(zoomed, 60, 420), 0);
}

TEST_F(PageNavigation, APagedRasterIsZoomedSmoothly)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    // A page the host registered as a plain image: no vectors to redraw.
    QImage page(200, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int i = 10; i < 110; ++i)
        page.setPixel(i, i, qRgb(0, 0, 0));
    c->Pages()->Add(QVariant::fromValue(Picture(page)), QStringLiteral("1"));
    c->Settings()->Add(layout, QStringLiteral("1"));
    c->GoToPageFirst();
    enlarge(f);
    const QSize size = f.Image1->picture().pixelSize();
    w.image1Rect(QRectF(0, 0, 4 * size.width() * 15, 4 * size.height() * 15));

    const QImage zoomed = f.Image1->grab().toImage();
    const QImage stretched =
        w.CerPrvC().Image().image().scaled(4 * size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(greyPixels(stretched), 0);
    EXPECT_GT(greyPixels(zoomed), 200);  // the line's edges blend into the paper
}

}  // namespace
}  // namespace kwpnd::test
