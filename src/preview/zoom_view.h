#pragma once

#include <QImage>
#include <QWidget>

namespace kwpnd {

// Image1: shows a picture stretched to its own size, whatever that is. Only
// the part inside its parent is painted, so a view far larger than the
// screen costs no more than one the size of it.
class ZoomView : public QWidget {
    Q_OBJECT
public:
    explicit ZoomView(QWidget* parent);
    void setPicture(const QImage& image);
    const QImage& picture() const { return picture_; }
    // Stretched to the view's size (on), or at its natural size (off).
    void setStretch(bool on);
    bool stretch() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
};

}  // namespace kwpnd
