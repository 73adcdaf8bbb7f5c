#pragma once
// Guides: green lines drawn on the page canvas to help align fields. The
// generation walk draws a cross and a caption at each field's origin; a
// Shift-click draws a cross-hair through the pointer; a click on a ruler
// draws a line across the page at a tenth of the ruler's value. They are
// plain drawing: part of the page image (copied, saved and printed with it)
// until the page is cleared or generated again.

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace kwpnd {

class frmKWPNDPreviewA;
class PreviewForm;
class Surface;

// The colour of every guide: green.
inline constexpr std::int32_t kGuideColour = 0x00FF00;

class Guides {
public:
    explicit Guides(frmKWPNDPreviewA& window);
    ~Guides();
    Guides(const Guides&) = delete;
    Guides& operator=(const Guides&) = delete;

    void formLoaded(PreviewForm& form);
    void formUnloading();

    // The guide of one field: a cross through (dX_Left, dY_Top) across the
    // whole canvas and the caption "sField : X:x ,Y:y" printed there in the
    // canvas's current font and colour. Failures go to the caller.
    void DrawGuides(double dX_Left, double dY_Top, const QString& sField);

    // A green line down the canvas at x, and one across it at y.
    void verticalGuide(float x);
    void horizontalGuide(float y);

private:
    Surface& canvas();

    frmKWPNDPreviewA& window_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace kwpnd
