#pragma once
// SurfaceView: a widget that shows a surface's retained image one to one and
// reports the pointer and the keyboard in the surface's own coordinates.
//
// The view repaints once per change notification of its surface, however
// many operations were drawn in between. It does not own the surface; the
// surface must outlive the view, or be taken away with setSurface(nullptr).

#include <QWidget>

namespace kwpnd {

class Surface;

class SurfaceView : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceView(Surface* surface = nullptr, QWidget* parent = nullptr);
    ~SurfaceView() override;

    Surface* surface() const { return surface_; }
    void setSurface(Surface* surface);

    QSize sizeHint() const override;

    // Surface coordinates (scale units) of a point of the widget.
    QPointF toSurface(const QPointF& widgetPoint) const;

public slots:
    // Places and sizes the widget as the surface's Left/Top/Width/Height say.
    void syncGeometry();

signals:
    void mouseMoved(float x, float y, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mousePressed(float x, float y, Qt::MouseButtons button, Qt::KeyboardModifiers modifiers);
    void mouseReleased(float x, float y, Qt::MouseButtons button, Qt::KeyboardModifiers modifiers);
    void mouseDoubleClicked(float x, float y, Qt::MouseButtons button, Qt::KeyboardModifiers modifiers);
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent* event) override;  // shows the surface's ToolTipText
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void surfaceChanged();

    Surface* surface_ = nullptr;
};

}  // namespace kwpnd
