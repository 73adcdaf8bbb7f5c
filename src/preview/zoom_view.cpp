#include "zoom_view.h"

#include <QPainter>

namespace kwpnd {

ZoomView::ZoomView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void ZoomView::setPicture(const QImage& image)
{
    picture_ = image;
    update();
}

void ZoomView::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void ZoomView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(QRectF(rect()), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace kwpnd
