// WindowCapture: finding a widget by its window handle and picturing it as
// it looks now, shown or not.

#include "window_capture.h"
#include "kwpnd/error.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QTableWidget>

namespace kwpnd::test {
namespace {

int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

TEST(WindowHandle, ReadByNameOrFromTheWidget)
{
    QLabel label(QStringLiteral("x"));
    const qint64 handle = windowHandleOf(&label);
    EXPECT_NE(handle, 0);
    EXPECT_EQ(windowHandleOf(&label), handle);
    EXPECT_EQ(static_cast<qint64>(label.winId()), handle);

    // An "hwnd" property wins, also on a widget.
    label.setProperty("hwnd", qint64(4242));
    EXPECT_EQ(windowHandleOf(&label), 4242);
    QObject control;
    control.setProperty("hwnd", 77);
    EXPECT_EQ(windowHandleOf(&control), 77);

    QObject plain;
    EXPECT_EQ(errorOf([&] { windowHandleOf(&plain); }), ErrorNumber::MethodNotSupported);
    EXPECT_EQ(errorOf([&] { windowHandleOf(nullptr); }), ErrorNumber::ObjectNotSet);
    control.setProperty("hwnd", QStringLiteral("not a number"));
    EXPECT_EQ(errorOf([&] { windowHandleOf(&control); }), ErrorNumber::TypeMismatch);
}

TEST(WindowCapture, HiddenWidgetIsRenderedAtItsSize)
{
    QTableWidget table(2, 2);
    table.setItem(0, 0, new QTableWidgetItem(QStringLiteral("Apples")));
    table.setItem(1, 1, new QTableWidgetItem(QStringLiteral("Pears")));
    table.resize(200, 90);
    ASSERT_FALSE(table.isVisible());

    const Picture picture = WindowCapture().CaptureAnyWindow(windowHandleOf(&table));
    EXPECT_EQ(picture.pixelSize(), QSize(200, 90));
    EXPECT_EQ(picture.image().dotsPerMeterX(), 3780);  // 96 dpi
    EXPECT_GT(darkPixels(picture.image()), 50);
}

TEST(WindowCapture, CapturesTheCurrentLook)
{
    QLabel label;
    label.resize(120, 30);
    label.show();
    const qint64 handle = windowHandleOf(&label);
    const Picture empty = WindowCapture().CaptureAnyWindow(handle);
    label.setText(QStringLiteral("Total 12.50"));
    const Picture written = WindowCapture().CaptureAnyWindow(handle);
    EXPECT_EQ(darkPixels(empty.image()), 0);
    EXPECT_GT(darkPixels(written.image()), 20);
    // A picture already taken does not change with the widget.
    label.clear();
    EXPECT_GT(darkPixels(written.image()), 20);
}

TEST(WindowCapture, HandlesNamingNoWidgetAndEmptyWidgetsFail)
{
    WindowCapture capture;
    EXPECT_EQ(errorOf([&] { capture.CaptureAnyWindow(0); }), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { capture.CaptureAnyWindow(987654321); }), ErrorNumber::InvalidProcedureCall);

    // A handle that named a widget no longer names anything once it is gone.
    qint64 gone = 0;
    {
        QLabel label;
        gone = windowHandleOf(&label);
    }
    EXPECT_EQ(errorOf([&] { capture.CaptureAnyWindow(gone); }), ErrorNumber::InvalidProcedureCall);

    QWidget empty;
    empty.resize(0, 10);
    EXPECT_EQ(errorOf([&] { capture.CaptureAnyWindow(windowHandleOf(&empty)); }), ErrorNumber::InvalidPicture);

    // Larger than a picture may be: refused before anything is rendered.
    QWidget huge;
    huge.resize(20000, 20000);
    EXPECT_EQ(errorOf([&] { capture.CaptureAnyWindow(windowHandleOf(&huge)); }), ErrorNumber::InvalidPicture);
}

}  // namespace
}  // namespace kwpnd::test
