#include "zoom_view.h"

#include <QPainter>

namespace kwpnd {

ZoomView::ZoomView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void ZoomView::setPicture(const Picture& picture)
{
    picture_ = picture;
    update();
}

void ZoomView::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void ZoomView::paintEvent(QPaintEvent*)
{
    if (picture_.isEmpty())
        return;
    QPainter painter(this);
    // For a raster alone; a picture redrawn from its vectors sets its own.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = stretch_ ? QRectF(rect()) : QRectF(QPointF(0, 0), QSizeF(picture_.pixelSize()));
    picture_.draw(painter, target);
}

}  // namespace kwpnd
