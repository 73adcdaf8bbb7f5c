// Scrolling: the scroll bars move the canvas in its frame, the zoom view
// with it, and the numbering of the rulers.
#include "engine/error_handling.h"
#include "kwpnd/super_ruler.h"
#include "preview_visual.h"

#include <QScrollBar>

namespace kwpnd {

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
