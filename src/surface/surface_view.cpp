#include "surface_view.h"

#include "device_integer.h"
#include "kwpnd/surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace kwpnd {

SurfaceView::SurfaceView(Surface* surface, QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);  // pointer moves without a button are reported too
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSurface(surface);
}

SurfaceView::~SurfaceView()
{
    if (surface_)
        surface_->onChanged(nullptr);
}

void SurfaceView::setSurface(Surface* surface)
{
    if (surface_)
        surface_->onChanged(nullptr);
    surface_ = surface;
    if (surface_) {
        surface_->onChanged([this] { surfaceChanged(); });
        surface_->takeChanged();
    }
    updateGeometry();
    update();
}

QSize SurfaceView::sizeHint() const
{
    return surface_ ? QSize(surface_->pixelWidth(), surface_->pixelHeight()) : QSize(0, 0);
}

QPointF SurfaceView::toSurface(const QPointF& p) const
{
    if (!surface_ || surface_->pixelWidth() == 0 || surface_->pixelHeight() == 0)
        return {};
    return {surface_->ScaleLeft() + p.x() * surface_->ScaleWidth() / surface_->pixelWidth(),
            surface_->ScaleTop() + p.y() * surface_->ScaleHeight() / surface_->pixelHeight()};
}

void SurfaceView::syncGeometry()
{
    if (!surface_)
        return;
    // Left and Top were checked as device pixels when they were set.
    setGeometry(toDeviceInt(surface_->Left() / TwipsPerPixelX), toDeviceInt(surface_->Top() / TwipsPerPixelY),
                surface_->pixelWidth(), surface_->pixelHeight());
}

void SurfaceView::surfaceChanged()
{
    if (surface_ && sizeHint() != size())
        updateGeometry();
    update();  // one repaint, however many operations follow before it
}

bool SurfaceView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QString text = surface_ ? surface_->ToolTipText() : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    if (!surface_)
        return;
    surface_->takeChanged();  // the next change asks for a repaint again
    painter.drawImage(QPoint(0, 0), surface_->retainedImage());
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = toSurface(event->position());
    emit mouseMoved(float(at.x()), float(at.y()), event->buttons(), event->modifiers());
}

void SurfaceView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = toSurface(event->position());
    emit mousePressed(float(at.x()), float(at.y()), event->button(), event->modifiers());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = toSurface(event->position());
    emit mouseReleased(float(at.x()), float(at.y()), event->button(), event->modifiers());
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPointF at = toSurface(event->position());
    emit mouseDoubleClicked(float(at.x()), float(at.y()), event->button(), event->modifiers());
}

void SurfaceView::keyPressEvent(QKeyEvent* event) { emit keyPressed(event->key(), event->modifiers()); }

}  // namespace kwpnd
