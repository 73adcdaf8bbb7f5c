#include "canvas_position.h"

#include "canvas_input.h"
#include "engine_api.h"
#include "kwpnd/super_ruler.h"
#include "preview_api.h"
#include "surface_api.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace kwpnd {

namespace {
// The keys that scroll the canvas, with any shift state: the bar they move
// and by how much.
struct ScrollKey {
    int qtKey;
    bool vertical;
    int step;
};
constexpr ScrollKey kScrollKeys[] = {
    {Qt::Key_Up, true, -1},    {Qt::Key_Down, true, 1},    {Qt::Key_Left, false, -1},
    {Qt::Key_Right, false, 1}, {Qt::Key_PageUp, true, -3}, {Qt::Key_PageDown, true, 3},
};

// The value at which a scroll bar shows the canvas at `position` twips in
// its frame: its change puts the canvas at 1 - value. A position the bar
// cannot show (right of or below the frame's corner) gives the bar's nearest
// value, its minimum of 1 for the frame's corner itself.
int barValueFor(const QScrollBar& bar, double position)
{
    const int value = roundToInteger(1 - position);  // 16 bits, as the bars take; else error 6
    return std::clamp(value, bar.minimum(), bar.maximum());
}
}  // namespace

CanvasPosition::CanvasPosition(frmKWPNDPreviewA& window) : window_(window) {}

CanvasPosition::~CanvasPosition() { formUnloading(); }

void CanvasPosition::formLoaded(PreviewForm& form)
{
    formUnloading();
    form_ = &form;
    form.lblXLeft->installEventFilter(this);
    form.lblYTop->installEventFilter(this);
    SurfaceView* canvas = form.CerPrvC;
    connections_.push_back(
        QObject::connect(canvas, &SurfaceView::keyPressed, this,
                         [this](int key, Qt::KeyboardModifiers modifiers) { CerPrvC_KeyDown(key, modifiers); }));
}

void CanvasPosition::formUnloading()
{
    for (const QMetaObject::Connection& c : connections_)
        QObject::disconnect(c);
    connections_.clear();
    if (form_) {
        form_->lblXLeft->removeEventFilter(this);
        form_->lblYTop->removeEventFilter(this);
    }
    form_ = nullptr;
}

bool CanvasPosition::eventFilter(QObject* watched, QEvent* event)
{
    // A click on a readout label: the left button let go over it.
    if (form_ && (watched == form_->lblXLeft || watched == form_->lblYTop) &&
        event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            runCanvasHandler([&] { OnCordinatesClick(0, 0); });
    }
    return false;
}

void CanvasPosition::OnCordinatesClick(double dX, double dY)
{
    if (!form_)
        return;
    PreviewForm& f = *form_;
    Surface& canvas = window_.CerPrvC();
    skipOnError([&] { window_.dismissZoomView(); });
    skipOnError([&] {
        canvas.Move(toSingle(dX), toSingle(dY));
        window_.canvasPlacementChanged();
    });
    // The bars take the values that show the canvas where it now is, and
    // their change places it (and the zoom view and rulers) once more; the
    // rulers then count from the bars' values, as the bars' change sets them,
    // also when a bar's value did not change.
    skipOnError([&] { f.HScroll1->setValue(barValueFor(*f.HScroll1, dX)); });
    skipOnError([&] { f.VScroll1->setValue(barValueFor(*f.VScroll1, dY)); });
    skipOnError([&] { f.SuperRuler1->StartValue(roundToLong(double(f.HScroll1->value()) - 1)); });
    skipOnError([&] { f.SuperRuler2->StartValue(roundToLong(double(f.VScroll1->value()) - 1)); });
}

void CanvasPosition::CerPrvC_KeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (!form_)
        return;
    for (const ScrollKey& k : kScrollKeys) {
        if (k.qtKey != qtKey)
            continue;
        QScrollBar* bar = k.vertical ? form_->VScroll1 : form_->HScroll1;
        skipOnError([&] { bar->setValue(bar->value() + k.step); });
        return;
    }
    const std::optional<int> digit = digitOfKey(qtKey, modifiers);
    if (!digit)
        return;
    OnCordinatesClick(0, *digit);
    // Shift with a digit from 1 on also goes ten further.
    if (*digit >= 1 && isShiftAlone(modifiers))
        OnCordinatesClick(0, 10 + *digit);
}

}  // namespace kwpnd
