// The zoom view Image1 over the canvas, the zoom buttons and the zoom loop.
#include "preview_visual.h"
#include "surface_api.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>

namespace kwpnd {

namespace {
// One zoom step grows or shrinks the view by 5 % about its centre.
constexpr double kHalfStep = 0.025;
constexpr double kStep = 0.05;
// Shrinking stops at a view this small (canvas units).
constexpr double kSmallestSide = 25;
// A turn of the zoom loop lets the window run its events for this long, so
// that a held button zooms at a pace a person can follow.
constexpr int kTurnMilliseconds = 40;

// Twips of the canvas per unit of its scale; 1 for a canvas without area.
QPointF twipsPerUnit(const Surface& canvas)
{
    auto factor = [](int pixels, int twipsPerPixel, float units) {
        const double f = units != 0 ? pixels * double(twipsPerPixel) / units : 0;
        return f != 0 ? f : 1.0;
    };
    return {factor(canvas.pixelWidth(), TwipsPerPixelX, canvas.ScaleWidth()),
            factor(canvas.pixelHeight(), TwipsPerPixelY, canvas.ScaleHeight())};
}

// What the zoom view shows of the canvas: its snapshot with the vectors it
// was drawn with, redrawn sharp at any size. Under a page put there by paging
// that has only its raster, the snapshot's raster alone, scaled smoothly.
Picture zoomPicture(const Surface& canvas)
{
    const Picture snapshot = canvas.Image();
    const Picture background = canvas.Picture();
    if (!background.isEmpty() && !hasVectors(background))
        return Picture(snapshot.image());
    return snapshot;
}

void runOneTurn()
{
    QEventLoop turn;
    QTimer::singleShot(kTurnMilliseconds, &turn, &QEventLoop::quit);
    turn.exec();
}
}  // namespace

QRectF frmKWPNDPreviewA::image1Rect()
{
    Visual& v = visual();
    const QPointF f = twipsPerUnit(v.CerPrvC);
    const QRectF& t = v.image1Twips;
    return {v.CerPrvC.ScaleLeft() + t.left() / f.x(), v.CerPrvC.ScaleTop() + t.top() / f.y(), t.width() / f.x(),
            t.height() / f.y()};
}

void frmKWPNDPreviewA::image1Rect(const QRectF& units)
{
    Visual& v = visual();
    const QPointF f = twipsPerUnit(v.CerPrvC);
    v.image1Twips = QRectF((units.left() - v.CerPrvC.ScaleLeft()) * f.x(), (units.top() - v.CerPrvC.ScaleTop()) * f.y(),
                           units.width() * f.x(), units.height() * f.y());
    v.form->placeImage1(v.image1Twips);
}

void frmKWPNDPreviewA::canvasPlacementChanged()
{
    Visual& v = visual();
    v.form->placeCanvas();
    scrollRangesFollowCanvas();
    if (!v.image1Zoomed) {
        v.image1Twips.setSize(
            QSizeF(v.CerPrvC.pixelWidth() * double(TwipsPerPixelX), v.CerPrvC.pixelHeight() * double(TwipsPerPixelY)));
        v.form->placeImage1(v.image1Twips);
    }
}

void frmKWPNDPreviewA::dismissZoomView()
{
    if (!visual_ || !visual_->form)
        return;
    ZoomView* view = visual_->form->Image1;
    view->hide();
    view->setPicture(Picture());
}

void frmKWPNDPreviewA::Command1_MouseDown(std::int16_t Index, std::int16_t, std::int16_t, float, float)
{
    mbZoomButtonDown = true;
    ZoomPreview(Index);
}

void frmKWPNDPreviewA::Command1_MouseUp(std::int16_t, std::int16_t, std::int16_t, float, float)
{
    mbZoomButtonDown = false;
}

void frmKWPNDPreviewA::zoomButtonLost()
{
    mbZoomButtonDown = false;
    if (visual_ && visual_->form)
        for (QPushButton* button : visual_->form->Command1)
            button->setDown(false);
}

void frmKWPNDPreviewA::ZoomPreview(std::int16_t Index)
{
    // A press the window system saw is also checked against the buttons it
    // says are held: its release may reach another window and never this one.
    const bool systemPress = QGuiApplication::mouseButtons() != Qt::NoButton;
    {
        const QRectF r = image1Rect();
        image1Rect(QRectF(0, 0, r.width(), r.height()));
        form().Image1->setPicture(zoomPicture(CerPrvC()));
        visual_->image1Zoomed = true;
    }
    do {
        ZoomView* view = form().Image1;
        view->hide();
        const QRectF r = image1Rect();
        // Single precision, as the view's properties hold them.
        const float top = float(r.top()), left = float(r.left());
        const float height = float(r.height()), width = float(r.width());
        if (Index == 0) {
            image1Rect(QRectF(float(left - width * kHalfStep), float(top - height * kHalfStep),
                              float(width + width * kStep), float(height + height * kStep)));
        } else if (Index == 1) {
            if (height <= kSmallestSide || width <= kSmallestSide) {
                view->show();
                mbZoomButtonDown = false;
                return;
            }
            image1Rect(QRectF(float(left + width * kHalfStep), float(top + height * kHalfStep),
                              float(width - width * kStep), float(height - height * kStep)));
        }
        view->show();
        // The release of the button arrives here. Closing the window here
        // unloads it: then there is nothing left to zoom.
        runOneTurn();
        if (!isLoaded())
            return;
        if (systemPress && QGuiApplication::mouseButtons() == Qt::NoButton)
            zoomButtonLost();
    } while (mbZoomButtonDown);
}

}  // namespace kwpnd
