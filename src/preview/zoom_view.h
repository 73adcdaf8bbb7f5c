#pragma once

#include "kwpnd/picture.h"

#include <QWidget>

namespace kwpnd {

// Image1: shows a picture stretched to its own size, whatever that is. A
// picture that carries its vectors (a snapshot of the canvas) is redrawn
// from them at the view's size, so text and bars stay sharp however far the
// view is enlarged; a picture with only a raster is scaled smoothly. Only
// the part inside its parent is painted, so a view far larger than the
// screen costs no more than one the size of it.
class ZoomView : public QWidget {
    Q_OBJECT
public:
    explicit ZoomView(QWidget* parent);
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    // Stretched to the view's size (on), or at its natural size (off).
    void setStretch(bool on);
    bool stretch() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    bool stretch_ = false;
};

}  // namespace kwpnd
