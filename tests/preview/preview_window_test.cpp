// The preview window: its parts, load and unload, showing, paging, zoom,
// scrolling, keys and the preview menu.

#include "preview_window.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "kwpnd/super_ruler.h"
#include "preview_form.h"
#include "support/shown_texts.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>

namespace kwpnd::test {
namespace {

// Headless answers that also note what the window looked like when each
// message came.
class WatchingDialogs : public HeadlessDialogs {
public:
    using HeadlessDialogs::HeadlessDialogs;
    std::function<void()> onMessage;
    MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption,
                        const QString& detail = {}) override
    {
        if (onMessage)
            onMessage();
        return HeadlessDialogs::messageBox(text, buttons, icon, caption, detail);
    }
};

class PreviewWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs = std::make_shared<WatchingDialogs>(true);
        Dialogs::setCurrent(dialogs);
        layout = writeFile(dir, QStringLiteral("layout.ini"),
                           "[PreviewWindow]\nTitle=Invoice 7\nHeight=4500\nWidth=3000\n"
                           "[Hello]\nEnabled=1\nXLeft=2\nYTop=1\nFontSize=12\n");
        data = writeFile(dir, QStringLiteral("data.ini"), "[Hello]\nData=Hello\n");
    }

    // A component armed with the layout, its window loaded by InitialiseForm.
    std::shared_ptr<clsKWPNDPreviewA> component(bool initialise = true)
    {
        auto c = clsKWPNDPreviewA::create();
        c->SettingFile(layout);
        c->DataFile(data);
        c->PreviewGenerate(true);
        if (initialise)
            c->InitialiseForm();
        return c;
    }

    QStringList shownTexts() const { return test::shownTexts(*dialogs); }

    QTemporaryDir dir;
    QString layout, data;
    std::shared_ptr<WatchingDialogs> dialogs;
};

bool hasInk(Surface& canvas) { return !inkBounds(canvas.retainedImage()).isNull(); }

TEST_F(PreviewWindow, PartsSitAtTheirDesignPlaces)
{
    auto c = component();
    PreviewForm& f = windowOf(*c).form();
    struct Part {
        QWidget* widget;
        QRect pixels;
    };
    const Part parts[] = {
        {f.picContainer, {80, 40, 841, 617}}, {f.SuperRuler1, {80, 8, 841, 33}}, {f.SuperRuler2, {48, 40, 33, 617}},
        {f.HScroll1, {80, 657, 841, 17}},     {f.VScroll1, {921, 40, 17, 617}},
    };
    for (const Part& p : parts)
        EXPECT_EQ(p.widget->geometry(), p.pixels) << p.widget->objectName().toStdString();
    EXPECT_EQ(f.CerPrvC->parentWidget(), f.picContainer);
    EXPECT_EQ(f.Image1->parentWidget(), f.CerPrvC);
    EXPECT_EQ(f.picPaging->parentWidget(), &f);
    EXPECT_EQ(f.lblPage->parentWidget(), f.picPaging);
    EXPECT_EQ(f.picContainer->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(f.lblPennardPreview->text(), QStringLiteral("Pennard Preview 1.0"));
    EXPECT_EQ(f.lblXLeft->text(), QStringLiteral("Left"));
    EXPECT_EQ(f.lblYTop->text(), QStringLiteral("Top"));
    EXPECT_EQ(f.Command1[0]->text(), QStringLiteral("Enlarge"));
    EXPECT_EQ(f.Command1[1]->text(), QStringLiteral("Shrink"));
    EXPECT_EQ(f.cmdPages[0]->text(), QStringLiteral("<<"));
    EXPECT_EQ(f.cmdPages[3]->text(), QStringLiteral(">>"));
    EXPECT_EQ(f.lblPage->text(), QStringLiteral("Page"));
    EXPECT_EQ(f.mnuPopUpPreviewMenu->title(), QStringLiteral("&Preview Menu"));
    EXPECT_EQ(windowOf(*c).caption(), QStringLiteral("Invoice 7"));
}

TEST_F(PreviewWindow, LoadRunsItsStepsInOrder)
{
    // A field that fails makes generation report while the window loads:
    // the caption is already read then, the paging bar and the scroll
    // ranges are not set yet.
    writeFile(dir, QStringLiteral("layout.ini"),
              "[PreviewWindow]\nTitle=Order\nHeight=4500\nWidth=3000\n"
              "[Total]\nEnabled=1\nType=rsetn\nBuffer=5\nXLeft=1\nYTop=1\n");
    writeFile(dir, QStringLiteral("data.ini"), "[Total]\nData=abc\n");
    auto c = component(false);
    c->Paging(false);
    frmKWPNDPreviewA& w = windowOf(*c);
    QString captionAtReport;
    int scrollMaxAtReport = -1;
    bool pagingBarShownAtReport = false;
    dialogs->onMessage = [&] {
        PreviewForm& f = w.form();
        captionAtReport = f.windowTitle();
        scrollMaxAtReport = f.HScroll1->maximum();
        pagingBarShownAtReport = !f.picPaging->isHidden();
    };
    c->InitialiseForm();
    ASSERT_FALSE(dialogs->shown().empty());
    EXPECT_EQ(captionAtReport, QStringLiteral("Order"));
    EXPECT_TRUE(pagingBarShownAtReport);
    EXPECT_EQ(scrollMaxAtReport, 99);
    dialogs->onMessage = nullptr;

    // Steps 5 to 8 against the canvas's design size; the scroll ranges then
    // follow the size InitialiseForm gives the canvas.
    PreviewForm& f = w.form();
    EXPECT_TRUE(f.picPaging->isHidden());
    EXPECT_FALSE(f.menuItem(QStringLiteral("mnuPopUpGotoPage"))->isVisible());
    EXPECT_EQ(f.HScroll1->minimum(), 1);
    EXPECT_EQ(f.HScroll1->maximum(), 3000);
    EXPECT_EQ(f.VScroll1->minimum(), 1);
    EXPECT_EQ(f.VScroll1->maximum(), 4500);
    EXPECT_TRUE(f.Image1->stretch());
    EXPECT_TRUE(f.SuperRuler1->isHidden());
    EXPECT_TRUE(f.SuperRuler2->isHidden());
}

TEST_F(PreviewWindow, PagingAndRulersFollowTheComponentAtLoad)
{
    auto c = component(false);
    c->Paging(true);
    c->Rulers(true);
    c->InitialiseForm();
    PreviewForm& f = windowOf(*c).form();
    EXPECT_FALSE(f.picPaging->isHidden());
    EXPECT_TRUE(f.menuItem(QStringLiteral("mnuPopUpGotoPage"))->isVisible());
    EXPECT_FALSE(f.SuperRuler1->isHidden());
    EXPECT_EQ(f.SuperRuler1->Orientation(), 0);
    EXPECT_EQ(f.SuperRuler1->ScaleMode(), SuperRuler::Milimeters);
    EXPECT_EQ(f.SuperRuler2->Orientation(), 1);
    EXPECT_EQ(f.SuperRuler1->BackColor(), 0xFFFFFF);
    EXPECT_TRUE(f.SuperRuler1->MouseTrackingOn());

    // Unloading stops the rulers' tracking first.
    QStringList notices;
    for (SuperRuler* r : {f.SuperRuler1, f.SuperRuler2})
        QObject::connect(r, &SuperRuler::propertyChanged, [&](const QString& n) { notices << n; });
    windowOf(*c).unload();
    EXPECT_EQ(notices, (QStringList{"MouseTrackingOn", "MouseTrackingOn"}));
}

TEST_F(PreviewWindow, CaptionIsEmptyWithoutATitle)
{
    writeFile(dir, QStringLiteral("layout.ini"), "[PreviewWindow]\nHeight=4500\nWidth=3000\n");
    auto c = component();
    EXPECT_EQ(windowOf(*c).caption(), QString());
}

TEST_F(PreviewWindow, UnloadKeepsTheMembersAndTheNextTouchLoadsAgain)
{
    auto c = component();
    c->Generate();
    frmKWPNDPreviewA& w = windowOf(*c);
    ASSERT_TRUE(hasInk(w.CerPrvC()));
    c->ShowUI(nullptr, false);
    ASSERT_TRUE(w.form().isVisible());
    w.form().close();
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(w.msSettingFile, layout);
    EXPECT_TRUE(w.mbPreviewGenerate);

    // A fresh load: design size again, the page generated once more.
    Surface& canvas = w.CerPrvC();
    EXPECT_EQ(canvas.Width(), 12529);
    EXPECT_TRUE(hasInk(canvas));
    EXPECT_EQ(w.caption(), QStringLiteral("Invoice 7"));
}

TEST_F(PreviewWindow, ShowUIModalReturnsWhenTheWindowCloses)
{
    auto c = component();
    bool sawModalWindow = false;
    QTimer::singleShot(0, [&] {
        PreviewForm& f = windowOf(*c).form();
        sawModalWindow = f.isVisible() && f.windowModality() == Qt::ApplicationModal;
        f.close();
    });
    c->ShowUI(nullptr);
    EXPECT_TRUE(sawModalWindow);
    EXPECT_FALSE(windowOf(*c).isLoaded());

    // The Exit menu item unloads the window too.
    QTimer::singleShot(0, [&] { windowOf(*c).form().menuItem(QStringLiteral("mnuPopUpExit"))->trigger(); });
    c->ShowUI(nullptr, true);
    EXPECT_FALSE(windowOf(*c).isLoaded());
}

TEST_F(PreviewWindow, BackgroundIsAYellowToBlackGradient)
{
    auto c = component();
    const QImage shot = windowOf(*c).form().grab().toImage();
    const QColor top = shot.pixelColor(3, 2), middle = shot.pixelColor(3, 360), bottom = shot.pixelColor(3, 717);
    EXPECT_GT(top.red(), 240);
    EXPECT_GT(top.green(), 240);
    EXPECT_LT(top.blue(), 10);
    EXPECT_NEAR(middle.red(), 128, 6);
    EXPECT_LT(middle.blue(), 10);
    EXPECT_LT(bottom.red(), 10);
    EXPECT_LT(bottom.green(), 10);
}

TEST_F(PreviewWindow, LoadFailsOnACanvasBeyondTheScrollRange)
{
    auto c = component(false);
    windowOf(*c).canvasDesignSize(QSizeF(40000, 9128));
    EXPECT_EQ(errorOf([&] { c->InitialiseForm(); }), 6);  // reported to whoever touched the window
    EXPECT_FALSE(windowOf(*c).isLoaded());
    windowOf(*c).canvasDesignSize(QSizeF(12529, 9128));
    EXPECT_NO_THROW(c->InitialiseForm());
}

// ---- Paging ----------------------------------------------------------------------

class Paging : public PreviewWindow {
protected:
    // Registers `keys.size()` pages, each from a layout of its own and with a
    // mark of its own.
    std::shared_ptr<clsKWPNDPreviewA> withPages(const QStringList& keys)
    {
        auto c = component();
        for (int i = 0; i < keys.size(); ++i) {
            const QString file = writeFile(dir, QStringLiteral("page%1.ini").arg(i + 1), "[PreviewWindow]\n");
            layouts << file;
            c->SettingFile(file);
            Surface& canvas = windowOf(*c).CerPrvC();
            canvas.Cls();
            canvas.Line(float(i), 0, float(i) + 0.5f, 1, 0, LineMode::FilledBox);
            c->AddToPages(keys[i]);
        }
        windowOf(*c).CerPrvC().Cls();
        return c;
    }

    static QString readout(clsKWPNDPreviewA& c) { return windowOf(c).form().lblPage->text(); }
    static int shownPage(clsKWPNDPreviewA& c)
    {
        const Picture shown = windowOf(c).CerPrvC().Picture();
        for (int i = 1; i <= c.Pages()->Count(); ++i)
            if (shown.sharesImageWith(pictureOf(c.Pages()->Item(i))))
                return i;
        return 0;
    }

    QStringList layouts;
};

TEST_F(Paging, WithoutPages)
{
    auto c = withPages({});
    windowOf(*c).CerPrvC().Line(0, 0, 5, 5, 0, LineMode::FilledBox);
    c->GoToPageFirst();
    EXPECT_EQ(readout(*c), QStringLiteral("1 of 0"));
    EXPECT_FALSE(hasInk(windowOf(*c).CerPrvC()));
    c->GoToPageLast();
    EXPECT_EQ(readout(*c), QStringLiteral("0 of 0"));
    c->GoToPageNext();  // 0 < 0 fails: nothing at all
    EXPECT_EQ(readout(*c), QStringLiteral("0 of 0"));
}

TEST_F(Paging, ThroughThreePages)
{
    auto c = withPages({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    frmKWPNDPreviewA& w = windowOf(*c);
    const QString generatedFrom = w.CerPrvC().Tag();  // generation names its layout there
    struct Step {
        void (clsKWPNDPreviewA::*go)();
        const char* readout;
        int page;  // 0: none shown
    };
    const Step steps[] = {
        {&clsKWPNDPreviewA::GoToPagePrevious, "Page", 0},  // before any paging: nothing
        {&clsKWPNDPreviewA::GoToPageNext, "1 of 3", 1},
        {&clsKWPNDPreviewA::GoToPageNext, "2 of 3", 2},
        {&clsKWPNDPreviewA::GoToPageLast, "3 of 3", 3},
        {&clsKWPNDPreviewA::GoToPageNext, "3 of 3", 3},  // on the last page: nothing
        {&clsKWPNDPreviewA::GoToPagePrevious, "2 of 3", 2},
        {&clsKWPNDPreviewA::GoToPageFirst, "1 of 3", 1},
        {&clsKWPNDPreviewA::GoToPagePrevious, "1 of 3", 1},  // on page 1: nothing
    };
    for (const Step& s : steps) {
        (c.get()->*s.go)();
        EXPECT_EQ(readout(*c), QLatin1String(s.readout));
        EXPECT_EQ(shownPage(*c), s.page) << s.readout;
        EXPECT_EQ(w.CerPrvC().Tag(), s.page ? layouts[s.page - 1] : generatedFrom) << s.readout;
    }
    // The page is the background: clearing leaves it and the Tag.
    w.PreviewClear();
    EXPECT_EQ(shownPage(*c), 1);
    EXPECT_EQ(w.CerPrvC().Tag(), layouts[0]);
}

TEST_F(Paging, KeysOtherThanPageNumbersLeaveTheTagEmpty)
{
    auto c = withPages({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    c->GoToPageFirst();
    EXPECT_EQ(windowOf(*c).CerPrvC().Tag(), layouts[0]);
    c->GoToPageNext();
    EXPECT_EQ(shownPage(*c), 2);
    EXPECT_EQ(windowOf(*c).CerPrvC().Tag(), QString());
    EXPECT_EQ(readout(*c), QStringLiteral("2 of 3"));
}

TEST_F(Paging, ButtonsAndTheGoToPageMenu)
{
    auto c = withPages({QStringLiteral("1"), QStringLiteral("2")});
    PreviewForm& f = windowOf(*c).form();
    QTest::mouseClick(f.cmdPages[3], Qt::LeftButton);
    EXPECT_EQ(readout(*c), QStringLiteral("2 of 2"));
    QTest::mouseClick(f.cmdPages[1], Qt::LeftButton);
    EXPECT_EQ(readout(*c), QStringLiteral("1 of 2"));
    f.menuItem(QStringLiteral("mnuPopUpGotoPageNext"))->trigger();
    EXPECT_EQ(readout(*c), QStringLiteral("2 of 2"));
    f.menuItem(QStringLiteral("mnuPopUpGotoPageFirst"))->trigger();
    EXPECT_EQ(readout(*c), QStringLiteral("1 of 2"));
    f.menuItem(QStringLiteral("mnuPopUpGotoPageLast"))->trigger();
    f.menuItem(QStringLiteral("mnuPopUpGotoPagePrevious"))->trigger();
    EXPECT_EQ(readout(*c), QStringLiteral("1 of 2"));
    windowOf(*c).cmdPages_Click(7);  // any other index: the readout only
    EXPECT_EQ(readout(*c), QStringLiteral("1 of 2"));
}

// ---- Zoom --------------------------------------------------------------------------

class Zoom : public PreviewWindow {
protected:
    // A window whose canvas keeps its design scale (twips).
    std::shared_ptr<clsKWPNDPreviewA> twipsWindow()
    {
        auto c = component(false);
        windowOf(*c).CerPrvC();
        return c;
    }

    // Presses a zoom button and lets it go after `holdMs` (0: at the first turn).
    static void press(PreviewForm& f, int index, int holdMs)
    {
        QTimer::singleShot(holdMs, [&f, index] { QTest::mouseRelease(f.Command1[index], Qt::LeftButton); });
        QTest::mousePress(f.Command1[index], Qt::LeftButton);
    }
};

TEST_F(Zoom, ShortPressGivesOneStepAboutTheCentre)
{
    auto c = twipsWindow();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    const QRectF before = w.image1Rect();
    EXPECT_EQ(before, QRectF(0, 0, 835 * 15, 609 * 15));  // covers the canvas
    EXPECT_TRUE(f.Image1->isHidden());

    press(f, 0, 0);
    const QRectF r = w.image1Rect();
    EXPECT_NEAR(r.left(), -before.width() * 0.025, 0.05);
    EXPECT_NEAR(r.top(), -before.height() * 0.025, 0.05);
    EXPECT_NEAR(r.width(), before.width() * 1.05, 0.05);
    EXPECT_NEAR(r.height(), before.height() * 1.05, 0.05);
    EXPECT_FALSE(f.Image1->isHidden());  // stays over the canvas after the release
    EXPECT_EQ(f.Image1->picture().pixelSize(), QSize(835, 609));

    // Each press starts again from (0, 0) with the size reached.
    press(f, 1, 0);
    const QRectF s = w.image1Rect();
    EXPECT_NEAR(s.left(), r.width() * 0.025, 0.05);
    EXPECT_NEAR(s.width(), r.width() * 0.95, 0.05);
}

TEST_F(Zoom, HoldingZoomsOneStepPerTurnUntilReleased)
{
    auto c = twipsWindow();
    frmKWPNDPreviewA& w = windowOf(*c);
    const double start = w.image1Rect().width();
    press(w.form(), 0, 300);
    const double steps = std::log(w.image1Rect().width() / start) / std::log(1.05);
    EXPECT_GE(steps, 2.5);
    EXPECT_NEAR(steps, std::round(steps), 0.01);  // whole steps of 5 %
}

TEST_F(Zoom, ShrinkStopsAtTwentyFiveUnits)
{
    auto c = component();  // InitialiseForm: 22 × 31 units
    frmKWPNDPreviewA& w = windowOf(*c);
    const QRectF before = w.image1Rect();
    EXPECT_NEAR(before.width(), 22, 0.01);
    press(w.form(), 1, 500);  // returns at once, without waiting for the release
    EXPECT_EQ(w.image1Rect().size(), before.size());
    EXPECT_FALSE(w.form().Image1->isHidden());
    QTest::qWait(600);  // let the pending release go by
}

// A zoom button held through the window system whose release never reaches
// the button. Returns whether the zoom loop ended by itself, before a late
// release handled by the window would have ended it anyway.
bool zoomEndsWithoutRelease(frmKWPNDPreviewA& w, const std::function<void()>& meanwhile)
{
    PreviewForm& f = w.form();
    QWindow* window = f.windowHandle();
    const QPoint enlarge = f.Command1[0]->mapTo(&f, f.Command1[0]->rect().center());
    bool released = false;
    QTimer late;
    late.setSingleShot(true);
    QObject::connect(&late, &QTimer::timeout, [&] {
        released = true;
        w.Command1_MouseUp(0, 1, 0, 0, 0);
    });
    late.start(5000);
    QTimer::singleShot(100, meanwhile);
    QTest::mousePress(window, Qt::LeftButton, {}, enlarge);  // runs the zoom loop
    late.stop();
    QTest::mouseRelease(window, Qt::LeftButton, {}, enlarge);  // the pointer's state let go
    return !released;
}

TEST_F(Zoom, ALostReleaseEndsTheLoop)
{
    auto c = twipsWindow();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    c->ShowUI(nullptr, false);
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

    // Ctrl+P while holding: its message box is modal and takes the release.
    dialogs->onMessage = [] {
        QDialog box;
        box.setModal(true);
        QTimer::singleShot(50, &box, &QDialog::accept);
        box.exec();
    };
    const double start = w.image1Rect().width();
    EXPECT_TRUE(zoomEndsWithoutRelease(w, [&] { QTest::keyClick(f.HScroll1, Qt::Key_P, Qt::ControlModifier); }));
    EXPECT_GT(w.image1Rect().width(), start);  // it did zoom while held
    EXPECT_FALSE(f.Command1[0]->isDown());
    dialogs->onMessage = nullptr;

    // Another window takes the focus while holding.
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QWidget other;
    other.resize(100, 100);
    EXPECT_TRUE(zoomEndsWithoutRelease(w, [&] {
        other.show();
        other.activateWindow();
    }));
    w.unload();
    QTest::qWait(50);  // the unloaded window goes before other tests move the pointer
}

// ---- Scrolling -------------------------------------------------------------------

TEST_F(PreviewWindow, ScrollRangesFollowThePageSize)
{
    // An A3 page, far taller than the window's design canvas.
    layout = writeFile(dir, QStringLiteral("a3.ini"),
                       "[PreviewWindow]\nHeight=23811\nWidth=16838\n"
                       "[Hello]\nEnabled=1\nXLeft=2\nYTop=1\nFontSize=12\n");
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    EXPECT_EQ(f.VScroll1->maximum(), 23811);
    EXPECT_EQ(f.HScroll1->maximum(), 16838);

    // The bottom right corner of the page can be brought into the frame.
    const int down = 23811 - 9255 + 1, right = 16838 - 12615 + 1;
    f.VScroll1->setValue(down);
    f.HScroll1->setValue(right);
    EXPECT_EQ(f.VScroll1->value(), down);
    EXPECT_EQ(f.HScroll1->value(), right);
    const QRect page = f.CerPrvC->geometry();
    EXPECT_GE(page.bottom(), f.picContainer->height() - 2);
    EXPECT_LT(page.bottom(), f.picContainer->height());
    EXPECT_GE(page.right(), f.picContainer->width() - 2);
    EXPECT_LT(page.right(), f.picContainer->width());

    // A smaller page later gives smaller ranges.
    layout = writeFile(dir, QStringLiteral("a6.ini"), "[PreviewWindow]\nHeight=8391\nWidth=5953\n");
    c->SettingFile(layout);
    c->InitialiseForm();
    EXPECT_EQ(f.VScroll1->maximum(), 8391);
    EXPECT_EQ(f.HScroll1->maximum(), 5953);
}

TEST_F(PreviewWindow, ScrollBarsMoveCanvasZoomViewAndRulers)
{
    auto c = component(false);
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    f.HScroll1->setValue(301);
    f.VScroll1->setValue(151);
    EXPECT_EQ(w.CerPrvC().Left(), -300);
    EXPECT_EQ(w.CerPrvC().Top(), -150);
    EXPECT_EQ(f.CerPrvC->pos(), QPoint(-20, -10));
    EXPECT_NEAR(w.image1Rect().left(), -300, 0.01);
    EXPECT_NEAR(w.image1Rect().top(), -150, 0.01);
    EXPECT_EQ(f.SuperRuler1->StartValue(), 300);
    EXPECT_EQ(f.SuperRuler2->StartValue(), 150);

    f.HScroll1->setValue(1);
    EXPECT_EQ(w.CerPrvC().Left(), 0);
    EXPECT_EQ(f.SuperRuler1->StartValue(), 0);
}

// ---- Keys and the menu -----------------------------------------------------------------

TEST_F(PreviewWindow, Keys)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    QWidget* target = f.HScroll1;  // the window sees keys before any part

    QTest::keyClick(target, Qt::Key_F5, Qt::ShiftModifier);  // generates, with any modifiers
    ASSERT_TRUE(hasInk(w.CerPrvC()));
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              w.CerPrvC().retainedImage().convertToFormat(QImage::Format_RGB32));
    const QString saved = dir.filePath(QStringLiteral("saved.jpg"));
    dialogs->scriptText(saved);
    QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(saved));
    QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);  // not Ctrl alone
    EXPECT_TRUE(hasInk(w.CerPrvC()));
    QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(hasInk(w.CerPrvC()));
    dialogs->clearShown();
    QTest::keyClick(target, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_F7);
    EXPECT_EQ(shownTexts(), (QStringList{"0|print direct", "tag|" + layout}));
    EXPECT_FALSE(w.Form_KeyDown(80, 3));  // Ctrl+Shift+P is no shortcut
}

TEST_F(PreviewWindow, PreviewMenuItems)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    PreviewForm& f = w.form();
    auto item = [&](const char* name) { return f.menuItem(QLatin1String(name)); };
    QStringList captions;
    for (QAction* a : f.mnuPopUpPreviewMenu->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"&Copy", "&Save", "&Print", "&Email", "&Generate", "Guides", "&Adjusters",
                                     "Set&tings", "Go To Page", "&Exit"}));

    // Generate clears first, and generates only when the component armed it.
    w.CerPrvC().Line(20, 30, 21, 31, 0, LineMode::FilledBox);
    item("mnuPopUpGenerate")->trigger();
    const QRect generated = inkBounds(w.CerPrvC().retainedImage());
    EXPECT_LT(generated.bottom(), 280);
    w.mbPreviewGenerate = false;
    item("mnuPopUpGenerate")->trigger();
    EXPECT_FALSE(hasInk(w.CerPrvC()));
    w.mbPreviewGenerate = true;

    // Guides toggles from the window's own state; the mark shows only toggles.
    w.mbGuides = true;
    EXPECT_FALSE(item("mnuPopUpGuides")->isChecked());
    item("mnuPopUpGuides")->trigger();
    EXPECT_FALSE(w.mbGuides);
    EXPECT_FALSE(item("mnuPopUpGuides")->isChecked());
    EXPECT_TRUE(hasInk(w.CerPrvC()));
    item("mnuPopUpGuides")->trigger();
    EXPECT_TRUE(w.mbGuides);
    EXPECT_TRUE(item("mnuPopUpGuides")->isChecked());

    item("mnuPopUpCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(200, 300));
    const QString saved = dir.filePath(QStringLiteral("menu.bmp"));
    dialogs->scriptText(saved);
    item("mnuPopUpSave")->trigger();
    EXPECT_TRUE(QFile::exists(saved));
    dialogs->clearShown();
    item("mnuPopUpPrint")->trigger();
    item("mnuPopUpEmail")->trigger();
    item("mnuPopUpSettings")->trigger();
    item("mnuPopUpAdjusters")->trigger();
    // The adjusters toggle generates again: this layout has no [Preview]
    // section, whose after-generation keys then report 13.
    EXPECT_EQ(shownTexts(), (QStringList{"0|print direct", Dialogs::defaultCaption() + "|email", "tag|" + layout,
                                         "13|Type mismatch\r\n"}));
    EXPECT_TRUE(w.mbAdjusters);
    EXPECT_TRUE(item("mnuPopUpAdjusters")->isChecked());
    for (QAction* a : f.mnuPopUpPreviewMenu->findChildren<QAction*>())
        EXPECT_TRUE(a->isEnabled() || !a->isVisible());  // Qt counts hidden items as disabled
    item("mnuPopUpExit")->trigger();
    EXPECT_FALSE(w.isLoaded());
}

TEST_F(PreviewWindow, RightClickOnTheCanvasOpensTheMenuUnlessAdjusting)
{
    auto c = component();
    frmKWPNDPreviewA& w = windowOf(*c);
    c->ShowUI(nullptr, false);
    QWidget* opened = nullptr;
    auto closeOpenMenu = [&] {
        opened = QApplication::activePopupWidget();
        if (opened)
            opened->close();
    };
    QTimer::singleShot(0, closeOpenMenu);
    QTest::mouseClick(w.form().CerPrvC, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(opened, w.form().mnuPopUpPreviewMenu);

    w.mbAdjusters = true;
    opened = nullptr;
    QTimer::singleShot(0, closeOpenMenu);
    QTest::mouseClick(w.form().CerPrvC, Qt::RightButton, {}, QPoint(10, 10));
    QTest::qWait(5);
    EXPECT_EQ(opened, nullptr);
    w.unload();
}

}  // namespace
}  // namespace kwpnd::test
