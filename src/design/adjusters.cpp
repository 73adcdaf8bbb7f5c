#include "adjusters.h"

#include "adjuster_menu.h"
#include "design_numbers.h"
#include "engine_api.h"
#include "kwpnd/error.h"
#include "layout_edits.h"
#include "preview_api.h"
#include "surface_api.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStringList>
#include <atomic>
#include <cmath>
#include <cstdlib>

namespace kwpnd {

namespace {
// Back colours (red + 256 * green + 65536 * blue): an adjuster without and
// with the focus.
constexpr Colour kInactiveBack = 255;
constexpr Colour kActiveBack = 65280;
// The crosses through an adjuster's field origin.
constexpr Colour kVerticalCross = 0xFF0000;
constexpr Colour kHorizontalCross = 0x404080;

// An adjuster is 3 canvas units wide; under a fine scale (twips) that is
// less than a pixel, so it never gets narrower than a box one can still
// point at, nor wider than a sensible box.
constexpr double kWidthUnits = 3;
constexpr int kMinWidthPixels = 12;
constexpr int kMaxWidthPixels = 2000;
// Widgets far off the canvas are kept at a distance any window system takes.
constexpr int kFarPixels = 4'000'000;
// Element 0's design place and look, in twips of the canvas.
constexpr int kDesignWidthTwips = 1215, kDesignHeightTwips = 285;
// Control array indexes are 16-bit.
constexpr int kMaxIndex = 32767;

const char* const kIndexProperty = "adjusterIndex";

void setLook(QLineEdit* box, Colour back, bool border)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, toQColor(back));
    box->setPalette(palette);
    box->setFrame(border);
}

int clampedPixels(int pixels) { return std::clamp(pixels, -kFarPixels, kFarPixels); }

// Takes an adjuster off the page. It is deleted once the event loop is back
// from whatever event is running: it may be the one whose own key or drop
// regenerated the page.
void retire(QLineEdit* box, QObject* filter)
{
    if (!box)
        return;
    box->removeEventFilter(filter);
    box->hide();
    box->deleteLater();
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
}

// A window handler must not let a failure reach Qt's event delivery: it is
// shown as the failure that ended the handler.
template <typename Handler>
void handled(Dialogs& dialogs, Handler&& handler) noexcept
{
    endSilently([&] { showOnFailure(dialogs, MsgIcon::Critical, std::forward<Handler>(handler)); });
}

quint64 nextSerial()
{
    static std::atomic<quint64> serial{0};
    return ++serial;
}

// The writes of one action (a key, a drop) to one field's section. A write
// that fails is kept, and the action reports all of them in one message:
// the file is read-only or gone, and saying so once is enough.
class SectionWrites {
public:
    SectionWrites(LayoutEdits& edits, QString path, QString section)
        : edits_(edits), path_(std::move(path)), section_(std::move(section))
    {
    }

    void write(const QString& key, const QString& value) noexcept
    {
        std::optional<Error> failure = failureOf([&] {
            // Writing to a layout file that is gone would make a new file
            // holding this one key.
            if (!QFileInfo(path_).isFile())
                throw Error::detailed(ErrorNumber::FileNotFound, QDir::toNativeSeparators(path_));
            edits_.write(path_, section_, key, value, LayoutEdits::Refresh::GenerateCommand);
        });
        if (!failure)
            return;
        if (!first_)
            first_ = failure;
        keys_ << key;
    }

    bool failed() const { return first_.has_value(); }

    void report(Dialogs& dialogs) const
    {
        if (!first_)
            return;
        dialogs.messageBox(
            QStringLiteral("The layout file could not be written, so the change was not saved:\r\n%1")
                .arg(QDir::toNativeSeparators(path_)),
            MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Adjusters"),
            QStringLiteral("%1 of [%2]: %3").arg(keys_.join(QStringLiteral(", ")), section_, first_->message()));
    }

private:
    LayoutEdits& edits_;
    const QString path_, section_;
    std::optional<Error> first_;
    QStringList keys_;
};
}  // namespace

// The key table's view of the field's section and of the window.
class Adjusters::KeyTarget : public AdjusterKeyTarget {
public:
    KeyTarget(Adjusters& adjusters, const QString& section)
        : writes(adjusters.edits_, adjusters.window_.msSettingFile, section), adjusters_(adjusters), section_(section)
    {
    }

    QString current(const QString& key) override { return adjusters_.window_.driver().ReadLayoutValue(section_, key); }
    void write(const QString& key, const QString& value) override { writes.write(key, value); }
    Dialogs& dialogs() override { return adjusters_.window_.dialogs(); }
    void showActiveAdjusterOnly() override { adjusters_.mbShowActiveAdjusterOnly = true; }

    SectionWrites writes;

private:
    Adjusters& adjusters_;
    const QString section_;
};

Adjusters::Adjusters(frmKWPNDPreviewA& window, LayoutEdits& edits)
    : window_(window), edits_(edits), serial_(nextSerial())
{
    // An undo or redo regenerated the page: the focus goes back to the
    // active adjuster, made anew.
    connect(&edits_, &LayoutEdits::stepApplied, this, [this] { schedule({false, miActiveAdjuster, false}); });
}

Adjusters::~Adjusters() = default;

void Adjusters::formLoaded(PreviewForm& form)
{
    form_ = &form;
    mbShowActiveAdjusterOnly = false;
    pending_.reset();
    auto& boxes = form.lblControlAdjuster;
    if (boxes.empty()) {
        auto* design = new QLineEdit(QStringLiteral("Adjuster"), form.CerPrvC);
        design->setObjectName(QStringLiteral("lblControlAdjuster_0"));
        design->setGeometry(0, 0, kDesignWidthTwips / TwipsPerPixelX, kDesignHeightTwips / TwipsPerPixelY);
        design->hide();  // it never stands for a field
        // Its design look is the inactive one, so the adjusters of a page
        // are red from the first generation on.
        setLook(design, kInactiveBack, false);
        boxes.push_back(design);
    }
    fields_.assign(boxes.size(), std::nullopt);
    form.CerPrvC->setAcceptDrops(true);
    form.CerPrvC->installEventFilter(this);
    connect(form.CerPrvC, &SurfaceView::mousePressed, this,
            [this](float, float, Qt::MouseButtons button, Qt::KeyboardModifiers) {
                if (button == Qt::RightButton && window_.mbAdjusters)
                    showMenu(QCursor::pos());
            });
    buildAdjusterMenu(*form.mnuPopUpAdjusterMenu, *this, window_, edits_);
}

void Adjusters::formUnloading()
{
    form_ = nullptr;
    fields_.clear();
    pending_.reset();
    pressed_ = -1;
}

QLineEdit* Adjusters::adjuster(int index) const
{
    if (!form_ || index < 0 || static_cast<std::size_t>(index) >= form_->lblControlAdjuster.size())
        return nullptr;
    return form_->lblControlAdjuster[static_cast<std::size_t>(index)];
}

const AdjusterField* Adjusters::field(int index) const
{
    if (index < 1 || static_cast<std::size_t>(index) >= fields_.size() || !fields_[static_cast<std::size_t>(index)])
        return nullptr;
    return &*fields_[static_cast<std::size_t>(index)];
}

int Adjusters::indexOf(const QObject* widget) const
{
    bool ok = false;
    const int index = widget->property(kIndexProperty).toInt(&ok);
    return ok && index > 0 && adjuster(index) == widget ? index : -1;
}

// ---- Made and removed by generation ----------------------------------------------------

void Adjusters::ClearAdjusters()
{
    if (!form_) {
        fields_.clear();
        return;
    }
    auto& boxes = form_->lblControlAdjuster;
    clearing_ = true;
    // Hiding the adjuster with the focus would hand the focus on to another
    // one, as if the user had chosen it.
    if (QWidget* focused = form_->focusWidget(); focused && indexOf(focused) > 0)
        form_->CerPrvC->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 1; i < boxes.size(); ++i)
        skipOnError([&] { retire(boxes[i], this); });
    boxes.resize(std::min<std::size_t>(boxes.size(), 1));
    fields_.assign(boxes.size(), std::nullopt);
    clearing_ = false;
    pressed_ = -1;
}

void Adjusters::DrawAdjusters(const QString& sType, double dX_Left, double dY_Top, const QString& sField,
                              std::int32_t lCounter, const QString& sDescription)
{
    if (!form_ || form_->lblControlAdjuster.empty())
        return;
    if (lCounter < 1)
        throw Error::detailed(ErrorNumber::InvalidProcedureCall,
                              QStringLiteral("adjuster %1: element 0 is the design element").arg(lCounter));
    if (lCounter > kMaxIndex)
        throw Error::detailed(ErrorNumber::Overflow, QStringLiteral("adjuster index %1").arg(lCounter));

    // Where it goes, checked before anything is made.
    Surface& canvas = window_.CerPrvC();
    // The canvas places in single precision; a position beyond it (1e308)
    // is beyond every device coordinate.
    const float x = toSingle(dX_Left), y = toSingle(dY_Top), right = toSingle(dX_Left + kWidthUnits);
    if (!std::isfinite(x) || !std::isfinite(right))
        throw deviceOverflow(dX_Left);
    if (!std::isfinite(y))
        throw deviceOverflow(dY_Top);
    const QPointF at = canvas.toPixels(x, y);
    const QPointF end = canvas.toPixels(right, y);
    const int left = toDeviceInt(at.x(), dX_Left);
    const int top = toDeviceInt(at.y(), dY_Top);
    const double widthPixels = std::abs(end.x() - at.x());
    const int width = static_cast<int>(std::clamp(widthPixels, double(kMinWidthPixels), double(kMaxWidthPixels)));

    auto& boxes = form_->lblControlAdjuster;
    const auto index = static_cast<std::size_t>(lCounter);
    if (boxes.size() <= index) {
        boxes.resize(index + 1, nullptr);
        fields_.resize(index + 1);
    }
    retire(boxes[index], this);  // drawn twice without clearing: the newer one counts

    QLineEdit* design = boxes[0];
    auto* box = new QLineEdit(form_->CerPrvC);
    boxes[index] = box;
    fields_[index] = AdjusterField{sType, sField, dX_Left, dY_Top};
    box->setObjectName(QStringLiteral("lblControlAdjuster_%1").arg(lCounter));
    box->setProperty(kIndexProperty, lCounter);
    box->setText(QString::number(lCounter) + QStringLiteral(" : ") + sField);
    // Shown by a double-click; never read back (a type or section name may
    // hold ":"): the field's parts are kept in fields_.
    box->setProperty("Tag", QStringList{sType, sField, numberText(dX_Left), numberText(dY_Top)}.join(QLatin1Char(':')));
    box->setToolTip(sField + QStringLiteral(" : X (Left) : ") + tenthsText(dX_Left) + QStringLiteral(" ,Y (Top) : ") +
                    tenthsText(dY_Top) + QStringLiteral(",") + sDescription);
    // A new adjuster looks as element 0 looks now.
    box->setPalette(design->palette());
    box->setFrame(design->hasFrame());
    box->setReadOnly(true);  // its keys edit the field, never its text
    box->setGeometry(clampedPixels(left), clampedPixels(top), width, design->height());
    box->setEnabled(true);
    box->installEventFilter(this);

    const bool shown = !mbShowActiveAdjusterOnly || lCounter == miActiveAdjuster;
    box->setVisible(shown);
    if (shown)
        showCross(dX_Left, dY_Top);
}

void Adjusters::showCross(double x, double y)
{
    Surface& canvas = window_.CerPrvC();
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    canvas.Line(fx, 0, fx, canvas.ScaleHeight(), kVerticalCross);
    canvas.Line(0, fy, canvas.ScaleWidth(), fy, kHorizontalCross);
}

// ---- Events of the adjusters and the canvas ---------------------------------------------

bool Adjusters::eventFilter(QObject* watched, QEvent* event)
{
    if (!form_)
        return false;
    if (watched == form_->CerPrvC)
        return canvasEvent(event);
    const int index = indexOf(watched);
    if (index < 1)
        return false;
    return adjusterEvent(index, static_cast<QLineEdit*>(watched), event);
}

bool Adjusters::adjusterEvent(int index, QLineEdit* box, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!clearing_)
            handled(window_.dialogs(), [&] { adjusterFocused(index); });
        return false;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pressed_ = index;
            pressAt_ = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressed_ != index || !(mouse->buttons() & Qt::LeftButton) ||
            (mouse->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance())
            return false;
        startDrag(index, box);
        return true;
    }
    case QEvent::MouseButtonRelease:
        pressed_ = -1;
        return false;
    case QEvent::MouseButtonDblClick:
        handled(window_.dialogs(), [&] {
            window_.dialogs().messageBox(box->property("Tag").toString(), MsgButtons::OK, MsgIcon::Information,
                                         QString::number(index));
        });
        return true;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Moving on with Tab and holding a modifier down are no keys of the adjuster.
        if (isModifierKey(key->key()) || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        const std::int16_t code = adjusterKeyCode(key->key());
        const std::int16_t shift = shiftCode(key->modifiers());
        handled(window_.dialogs(), [&] { adjusterKeyDown(index, code, shift); });
        return true;
    }
    case QEvent::ContextMenu:
        showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

void Adjusters::adjusterFocused(int index)
{
    QLineEdit* box = adjuster(index);
    if (!box)
        return;
    box->selectAll();
    miActiveAdjuster = static_cast<std::int16_t>(index);
    for (QLineEdit* other : form_->lblControlAdjuster)
        if (other)
            setLook(other, kInactiveBack, false);
    setLook(box, kActiveBack, true);
}

void Adjusters::adjusterKeyDown(int index, std::int16_t keyCode, std::int16_t shift)
{
    // A change still pending is shown first, so that this key starts from
    // the positions it wrote.
    settle();
    const AdjusterField* current = field(index);
    if (!current || !form_)
        return;
    const AdjusterField f = *current;
    KeyTarget target(*this, f.section);
    if (runAdjusterKey(keyCode, shift, f, target) == KeyOutcome::End)
        return;
    target.writes.report(window_.dialogs());
    // After a failed write the page stays as it is: nothing new to show.
    schedule({!target.writes.failed(), index, keyCode == AdjusterKey::Backspace});
}

// ---- Drag and drop ------------------------------------------------------------------------

QString Adjusters::mimeType() { return QStringLiteral("application/x-kwpnd-adjuster"); }

QMimeData* Adjusters::dragData(int index) const
{
    auto* mime = new QMimeData;
    mime->setData(mimeType(), QByteArray::number(serial_) + ' ' + QByteArray::number(index));
    return mime;
}

std::optional<int> Adjusters::draggedIndex(const QMimeData* mime) const
{
    if (!mime || !mime->hasFormat(mimeType()))
        return std::nullopt;
    const QList<QByteArray> parts = mime->data(mimeType()).split(' ');
    bool serialOk = false, indexOk = false;
    if (parts.size() != 2 || parts[0].toULongLong(&serialOk) != serial_ || !serialOk)
        return std::nullopt;
    const int index = parts[1].toInt(&indexOk);
    if (!indexOk || index < 1)
        return std::nullopt;
    return index;
}

void Adjusters::startDrag(int index, QLineEdit* box)
{
    pressed_ = -1;
    auto* drag = new QDrag(box);
    drag->setMimeData(dragData(index));
    QPointer<Adjusters> self(this);
    dragging_ = true;
    drag->exec(Qt::MoveAction);
    if (!self)
        return;
    dragging_ = false;
    // The drop's regeneration waited for the drag to end.
    if (pending_)
        QMetaObject::invokeMethod(this, &Adjusters::settle, Qt::QueuedConnection);
}

bool Adjusters::canvasEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!draggedIndex(drag->mimeData()))
            return false;
        drag->acceptProposedAction();
        if (event->type() == QEvent::DragMove) {
            const QPointF at = form_->CerPrvC->toSurface(drag->position());
            handled(window_.dialogs(),
                    [&] { showPointerReadout(*form_, static_cast<float>(at.x()), static_cast<float>(at.y())); });
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!draggedIndex(drop->mimeData()))
            return false;
        drop->acceptProposedAction();
        handled(window_.dialogs(), [&] { dropped(drop); });
        return true;
    }
    default:
        return false;
    }
}

void Adjusters::dropped(QDropEvent* event)
{
    const int index = *draggedIndex(event->mimeData());
    settle();
    const AdjusterField* current = field(index);
    if (!current || !form_)
        return;
    // The pointer's position, not the adjuster's corner, as the readout shows it.
    const QPointF at = form_->CerPrvC->toSurface(event->position());
    const auto x = static_cast<float>(at.x()), y = static_cast<float>(at.y());
    SectionWrites writes(edits_, window_.msSettingFile, current->section);
    writes.write(QStringLiteral("XLeft"), tenthsText(x));
    writes.write(QStringLiteral("YTop"), tenthsText(y));
    writes.report(window_.dialogs());
    schedule({!writes.failed(), index, false});
}

// ---- The menu and what waits for an event to end ------------------------------------------

void Adjusters::showMenu(const QPoint& globalPosition)
{
    if (form_)
        form_->mnuPopUpAdjusterMenu->exec(globalPosition);
}

void Adjusters::schedule(Pending pending)
{
    if (pending_)
        pending.generate = pending.generate || pending_->generate;
    pending_ = pending;
    QMetaObject::invokeMethod(this, &Adjusters::settle, Qt::QueuedConnection);
}

void Adjusters::settle()
{
    if (!pending_ || dragging_)
        return;
    const Pending pending = *std::exchange(pending_, std::nullopt);
    if (!form_)
        return;
    if (pending.generate)
        handled(window_.dialogs(), [&] { window_.mnuPopUpGenerate_Click(); });
    if (QLineEdit* box = pending.focus > 0 ? adjuster(pending.focus) : nullptr) {
        box->setFocus(Qt::OtherFocusReason);
        if (pending.hide)
            box->hide();
    }
}

}  // namespace kwpnd
