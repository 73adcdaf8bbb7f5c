// Putting the canvas back in place (the readout labels, digit keys) and
// scrolling it from the keyboard.

#include "design_fixture.h"
#include "kwpnd/super_ruler.h"
#include "preview_api.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace kwpnd::test {
namespace {

class CanvasPositionTest : public DesignFixture {
protected:
    PreviewForm& form() { return window().form(); }
    Surface& canvas() { return window().CerPrvC(); }

    // Scrolled to (500, 400), with the zoom view shown over the canvas.
    void scrollAndZoom()
    {
        form().HScroll1->setValue(500);
        form().VScroll1->setValue(400);
        ASSERT_EQ(canvas().Top(), -399);
        form().Image1->setPicture(canvas().Image());
        form().Image1->show();
    }

    void expectHome(const char* after)
    {
        PreviewForm& f = form();
        EXPECT_TRUE(f.Image1->isHidden()) << after;
        EXPECT_TRUE(f.Image1->picture().isEmpty()) << after;
        EXPECT_EQ(canvas().Left(), 0) << after;
        EXPECT_EQ(f.HScroll1->value(), 1) << after;
        EXPECT_EQ(f.VScroll1->value(), 1) << after;
        EXPECT_EQ(f.SuperRuler1->StartValue(), 0) << after;
        EXPECT_EQ(f.SuperRuler2->StartValue(), 0) << after;
        EXPECT_EQ(f.CerPrvC->pos().x(), 0) << after;
    }
};

TEST_F(CanvasPositionTest, ClickingAReadoutLabelPutsTheCanvasHome)
{
    PreviewForm& f = form();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    // Clicks as the window system delivers them, to the window.
    auto click = [&](QLabel* label, Qt::MouseButton button) {
        QTest::mouseClick(f.windowHandle(), button, {}, label->mapTo(&f, label->rect().center()));
    };
    for (QLabel* label : {f.lblXLeft, f.lblYTop}) {
        scrollAndZoom();
        click(label, Qt::LeftButton);
        expectHome(qPrintable(label->objectName()));
        EXPECT_EQ(canvas().Top(), 0);
    }
    scrollAndZoom();
    click(f.lblXLeft, Qt::MiddleButton);  // only the left button clicks
    EXPECT_EQ(f.HScroll1->value(), 500);
}

TEST_F(CanvasPositionTest, DigitKeysPlaceTheCanvasAndShiftGoesTenFurther)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        float top;  // twips in the frame, after the key
    };
    // Each call puts the bars at their minimum; a bar already there does not
    // move the canvas again, so the second call of a shifted digit shows.
    const Case cases[] = {
        {Qt::Key_3, Qt::NoModifier, 0},
        {Qt::Key_3, Qt::ShiftModifier, 13},
        {Qt::Key_NumberSign, Qt::ShiftModifier, 13},  // Shift+3 as the keyboard reports it
        {Qt::Key_9, Qt::ShiftModifier | Qt::KeypadModifier, 19},
        {Qt::Key_0, Qt::ShiftModifier, 0},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 0},
        {Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier, 0},  // not Shift alone
    };
    for (const Case& c : cases) {
        scrollAndZoom();
        QTest::keyClick(form().CerPrvC, Qt::Key(c.key), c.modifiers);
        expectHome(qPrintable(QKeySequence(c.key).toString()));
        EXPECT_EQ(canvas().Top(), c.top) << QKeySequence(c.key).toString().toStdString();
    }
    // From home a digit only moves the canvas down by that many twips.
    QTest::keyClick(form().CerPrvC, Qt::Key_7);
    EXPECT_EQ(canvas().Top(), 7);
    EXPECT_EQ(form().VScroll1->value(), 1);
}

TEST_F(CanvasPositionTest, ArrowAndPageKeysStepTheScrollBars)
{
    PreviewForm& f = form();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::mouseClick(f.CerPrvC, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(f.CerPrvC->hasFocus());  // a click gives the canvas the focus
    f.HScroll1->setValue(100);
    f.VScroll1->setValue(100);

    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int h, v;
    };
    const Case cases[] = {
        {Qt::Key_Down, {}, 100, 101},
        {Qt::Key_Down, {}, 100, 102},
        {Qt::Key_Down, Qt::ShiftModifier, 100, 103},  // any shift state
        {Qt::Key_PageDown, {}, 100, 106},
        {Qt::Key_PageUp, {}, 100, 103},
        {Qt::Key_Up, Qt::AltModifier, 100, 102},
        {Qt::Key_Right, {}, 101, 102},
        {Qt::Key_Left, Qt::ControlModifier, 100, 102},
        {Qt::Key_Left, {}, 99, 102},
    };
    for (const Case& c : cases) {
        QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
        EXPECT_EQ(f.HScroll1->value(), c.h) << QKeySequence(c.key).toString().toStdString();
        EXPECT_EQ(f.VScroll1->value(), c.v) << QKeySequence(c.key).toString().toStdString();
    }
    EXPECT_EQ(canvas().Top(), -101);  // the bars' change places the canvas and rulers
    EXPECT_EQ(f.SuperRuler2->StartValue(), 101);
    EXPECT_EQ(f.SuperRuler1->StartValue(), 98);
}

}  // namespace
}  // namespace kwpnd::test
