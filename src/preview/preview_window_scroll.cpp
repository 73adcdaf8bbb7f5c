// Scrolling: the scroll bars move the canvas in its frame, the zoom view
// with it, and the numbering of the rulers.
#include "engine_api.h"
#include "kwpnd/super_ruler.h"
#include "preview_visual.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace kwpnd {

void frmKWPNDPreviewA::setScrollRanges(int widthTwips, int heightTwips)
{
    Visual& v = visual();
    v.form->VScroll1->setMinimum(1);
    v.form->HScroll1->setMinimum(1);
    v.form->VScroll1->setMaximum(heightTwips);
    v.form->HScroll1->setMaximum(widthTwips);
    v.scrollRangesFor = QSizeF(v.CerPrvC.Width(), v.CerPrvC.Height());
}

void frmKWPNDPreviewA::scrollRangesFollowCanvas()
{
    Visual& v = *visual_;
    const QSizeF size(v.CerPrvC.Width(), v.CerPrvC.Height());
    if (v.scrollRangesFor.isEmpty() || v.scrollRangesFor == size)
        return;
    // Every part of the page stays reachable whatever size it takes after
    // the load (a page larger than the window's design size). Past the
    // load's 16-bit ranges the bars simply take larger numbers.
    setScrollRanges(std::max(1, qRound(size.width())), std::max(1, qRound(size.height())));
}

void frmKWPNDPreviewA::wheelOverPage(const QPoint& angleDelta, Qt::KeyboardModifiers modifiers)
{
    Visual& v = visual();
    // One notch of the wheel (120 eighths of a degree) moves as many small
    // steps of the bar as the desktop's lines per notch; turning the wheel
    // away from oneself (a positive delta) goes up or left.
    auto scroll = [](QScrollBar* bar, int delta) {
        if (delta == 0)
            return;
        const double steps = delta / 120.0 * QApplication::wheelScrollLines() * bar->singleStep();
        const double target =
            std::clamp(bar->value() - std::round(steps), double(bar->minimum()), double(bar->maximum()));
        bar->setValue(static_cast<int>(target));
    };
    int vertical = angleDelta.y(), horizontal = angleDelta.x();
    if (modifiers & Qt::ShiftModifier) {
        // Shift turns the vertical wheel sideways (some systems already do).
        horizontal = horizontal != 0 ? horizontal : vertical;
        vertical = 0;
    }
    scroll(v.form->VScroll1, vertical);
    scroll(v.form->HScroll1, horizontal);
}

void frmKWPNDPreviewA::HScroll1_Change()
{
    Visual& v = visual();
    const int value = v.form->HScroll1->value();
    skipOnError([&] {
        v.CerPrvC.Left(float(1 - value));
        v.form->placeCanvas();
    });
    skipOnError([&] {
        QRectF r = image1Rect();
        r.moveLeft(float(1 - value));  // the same number, in the canvas's own units
        image1Rect(r);
    });
    skipOnError([&] { v.form->SuperRuler1->StartValue(value - 1); });
}

void frmKWPNDPreviewA::VScroll1_Change()
{
    Visual& v = visual();
    const int value = v.form->VScroll1->value();
    skipOnError([&] {
        v.CerPrvC.Top(float(1 - value));
        v.form->placeCanvas();
    });
    skipOnError([&] {
        QRectF r = image1Rect();
        r.moveTop(float(1 - value));
        image1Rect(r);
    });
    skipOnError([&] { v.form->SuperRuler2->StartValue(value - 1); });
}

}  // namespace kwpnd
