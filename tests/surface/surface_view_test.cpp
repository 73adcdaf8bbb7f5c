// SurfaceView: one repaint per change notification, events in surface units.
#include "surface_view.h"
#include "surface_test_util.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

namespace kwpnd::test {
namespace {

class CountingView : public SurfaceView {
public:
    using SurfaceView::SurfaceView;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        SurfaceView::paintEvent(event);
    }
};

TEST(SurfaceView, RepaintsOnceForManyOperations)
{
    auto s = pixelSurface(100, 50);
    CountingView view(s.get());
    view.resize(view.sizeHint());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    const int before = view.paints;
    for (int i = 0; i < 1000; ++i)
        s->Line(i % 100, 0, i % 100, 49);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.paints, before + 1);

    s->Cls();  // the next change is heard again
    s->Line(50, 0, 50, 49);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.paints, before + 2);
    EXPECT_EQ(view.grab().toImage().pixel(50, 10) & 0xFFFFFF, kBlack);
    EXPECT_EQ(view.sizeHint(), QSize(100, 50));
}

TEST(SurfaceView, MouseAndKeysInSurfaceCoordinates)
{
    Surface s(100 * 15, 50 * 15);  // twips
    SurfaceView view(&s);
    view.resize(100, 50);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy pressed(&view, &SurfaceView::mousePressed);
    QSignalSpy keys(&view, &SurfaceView::keyPressed);
    QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 10));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_FLOAT_EQ(pressed[0][0].toFloat(), 300);
    EXPECT_FLOAT_EQ(pressed[0][1].toFloat(), 150);
    EXPECT_EQ(pressed[0][2].value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    EXPECT_EQ(pressed[0][3].value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QTest::keyClick(&view, Qt::Key_PageDown);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys[0][0].toInt(), int(Qt::Key_PageDown));
}

}  // namespace
}  // namespace kwpnd::test
