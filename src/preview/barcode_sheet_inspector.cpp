#include "barcode_sheet_inspector.h"

#include <QEvent>
#include <QScreen>

namespace kwpnd {

namespace {
const QString kInspectorName = QStringLiteral("picBarCodeInspector");
constexpr int kGap = 8;  // pixels between the preview window and the inspector
}  // namespace

BarcodeSheetInspector& BarcodeSheetInspector::of(PreviewForm& form)
{
    if (auto* existing = form.findChild<BarcodeSheetInspector*>(kInspectorName, Qt::FindDirectChildrenOnly))
        return *existing;
    return *new BarcodeSheetInspector(form);  // owned by the form
}

BarcodeSheetInspector::BarcodeSheetInspector(PreviewForm& form)
    : QWidget(&form, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint), form_(form)
{
    setObjectName(kInspectorName);
    setWindowTitle(QStringLiteral("Barcode Label"));
    // The label first, the barcode over it, at the places their surfaces say.
    for (SurfaceView* view : {form.picBarCodeLabel, form.picBarCodePicObj}) {
        const bool shown = view->isVisibleTo(view->parentWidget());
        view->setParent(this);
        view->setVisible(shown);
    }
    form.installEventFilter(this);
}

void BarcodeSheetInspector::follow(bool formShown)
{
    // The views are the inspector's own children from its first day: the
    // form's members are not touched here, as the form may be going (its
    // destruction hides it, which brings us here).
    QRect area;
    for (const QWidget* view : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (view->isVisibleTo(this))
            area |= view->geometry();
    if (!formShown || area.isEmpty()) {
        hide();
        return;
    }
    setFixedSize(area.right() + 1, area.bottom() + 1);
    if (!placed_)
        placeBesideForm();
    show();
}

// To the right of the form, or to its left when the screen has no room on
// the right; when neither side has room, at the screen's right edge.
void BarcodeSheetInspector::placeBesideForm()
{
    placed_ = true;
    const QRect frame = form_.frameGeometry();
    const QScreen* screen = form_.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint at(frame.right() + 1 + kGap, frame.top());
    if (!room.isEmpty() && at.x() + width() > room.right()) {
        const QPoint left(frame.left() - kGap - width(), frame.top());
        at = left.x() >= room.left() ? left : QPoint(room.right() - width(), frame.top());
    }
    move(at);
}

bool BarcodeSheetInspector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_ && event->type() == QEvent::Show)
        follow(true);
    else if (watched == &form_ && event->type() == QEvent::Hide)
        follow(false);
    return QWidget::eventFilter(watched, event);
}

}  // namespace kwpnd
