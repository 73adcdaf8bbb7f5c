#include "guides.h"

#include "canvas_input.h"
#include "engine_api.h"
#include "kwpnd/super_ruler.h"
#include "preview_api.h"
#include "surface_api.h"

namespace kwpnd {

Guides::Guides(frmKWPNDPreviewA& window) : window_(window) {}

Guides::~Guides() { formUnloading(); }

Surface& Guides::canvas() { return window_.CerPrvC(); }

void Guides::formLoaded(PreviewForm& form)
{
    formUnloading();
    SurfaceView* view = form.CerPrvC;
    connections_.push_back(
        QObject::connect(view, &SurfaceView::mousePressed, view,
                         [this](float x, float y, Qt::MouseButtons button, Qt::KeyboardModifiers modifiers) {
                             // The cross-hair: the left button with Shift alone.
                             if (button == Qt::LeftButton && isShiftAlone(modifiers))
                                 runCanvasHandler([&] {
                                     verticalGuide(x);
                                     horizontalGuide(y);
                                 });
                         }));
    // A ruler's value is in tenths of the canvas's units.
    connections_.push_back(QObject::connect(form.SuperRuler1, &SuperRuler::Click, form.SuperRuler1,
                                            [this](std::int16_t, std::int16_t, std::int32_t value) {
                                                runCanvasHandler([&] { verticalGuide(toSingle(double(value) / 10)); });
                                            }));
    connections_.push_back(QObject::connect(
        form.SuperRuler2, &SuperRuler::Click, form.SuperRuler2, [this](std::int16_t, std::int16_t, std::int32_t value) {
            runCanvasHandler([&] { horizontalGuide(toSingle(double(value) / 10)); });
        }));
}

void Guides::formUnloading()
{
    for (const QMetaObject::Connection& c : connections_)
        QObject::disconnect(c);
    connections_.clear();
}

void Guides::verticalGuide(float x)
{
    Surface& c = canvas();
    c.Line(x, 0, x, c.ScaleHeight(), kGuideColour);
}

void Guides::horizontalGuide(float y)
{
    Surface& c = canvas();
    c.Line(0, y, c.ScaleWidth(), y, kGuideColour);
}

void Guides::DrawGuides(double dX_Left, double dY_Top, const QString& sField)
{
    Surface& c = canvas();
    const float x = toSingle(dX_Left), y = toSingle(dY_Top);
    verticalGuide(x);
    horizontalGuide(y);
    c.CurrentX(x);
    c.CurrentY(y);
    c.Print(sField + QLatin1String(" : X:") + numberText(dX_Left) + QLatin1String(" ,Y:") + numberText(dY_Top));
}

}  // namespace kwpnd
