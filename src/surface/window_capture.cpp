// WindowCapture: a picture of one of the process's widgets, found by the
// native window handle a host control reports.
#include "window_capture.h"

#include "kwpnd/error.h"
#include "text_font.h"

#include <QApplication>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

namespace kwpnd {

namespace {

[[noreturn]] void noSuchWindow(qint64 hwnd)
{
    throw Error::detailed(ErrorNumber::InvalidProcedureCall,
                          QStringLiteral("no window of this program has the handle %1").arg(hwnd));
}

// A widget's size is checked before it is rendered: a grab of a huge widget
// would take the memory of the machine.
void requireCapturableSize(const QWidget& widget, qint64 hwnd)
{
    const qint64 pixels = qint64(widget.width()) * widget.height();
    if (pixels <= 0)
        throw Error::detailed(ErrorNumber::InvalidPicture,
                              QStringLiteral("the window with handle %1 has no area to capture").arg(hwnd));
    if (pixels > kMaxDecodedPixels)
        throw Error::detailed(ErrorNumber::InvalidPicture,
                              QStringLiteral("the window with handle %1 is %2 × %3 pixels, more than "
                                             "the %4 pixels a picture may have")
                                  .arg(hwnd)
                                  .arg(widget.width())
                                  .arg(widget.height())
                                  .arg(kMaxDecodedPixels));
}

// The grab as a picture raster: the widget's own size in pixels (a high
// density screen grabs more device pixels than that), at 96 dpi.
QImage asPictureRaster(const QPixmap& grab, QSize logicalSize)
{
    QImage image = grab.toImage();
    if (image.size() != logicalSize)
        image = image.scaled(logicalSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    return image;
}

// The widget of this process whose native window is `hwnd`; null when none.
QWidget* widgetOfHandle(qint64 hwnd)
{
    if (hwnd == 0)
        return nullptr;
    // internalWinId() does not create native windows while looking.
    for (QWidget* widget : QApplication::allWidgets())
        if (static_cast<qint64>(widget->internalWinId()) == hwnd)
            return widget;
    return nullptr;
}

}  // namespace

Picture WindowCapture::CaptureAnyWindow(qint64 hwnd)
{
    QWidget* widget = widgetOfHandle(hwnd);
    if (!widget)
        noSuchWindow(hwnd);
    requireCapturableSize(*widget, hwnd);
    // grab() renders a hidden widget off-screen too, after laying it out.
    const QPixmap grab = widget->grab();
    if (grab.isNull())
        throw Error::detailed(ErrorNumber::InvalidPicture,
                              QStringLiteral("the window with handle %1 could not be rendered").arg(hwnd));
    return Picture(asPictureRaster(grab, widget->size()));
}

qint64 windowHandleOf(QObject* control)
{
    if (!control)
        throw Error(ErrorNumber::ObjectNotSet);
    const QVariant hwnd = control->property("hwnd");
    if (hwnd.isValid()) {
        bool ok = false;
        const qint64 handle = hwnd.toLongLong(&ok);
        if (!ok)
            throw Error(ErrorNumber::TypeMismatch);
        return handle;
    }
    if (auto* widget = qobject_cast<QWidget*>(control))
        return static_cast<qint64>(widget->winId());
    throw Error(ErrorNumber::MethodNotSupported);
}

}  // namespace kwpnd
