#pragma once
// Adjusters: one small text box on the page canvas at the origin of every
// enabled field while adjusters are on. Dragging one to a point of the canvas
// moves the field there; keys pressed in it move, resize and restyle the
// field. Every change is written into the field's section of the layout file
// (an undoable step), then the page is generated again, which re-creates
// all adjusters, and the focus goes back to the adjuster of the same index.
//
// The regeneration destroys the adjuster whose key or drop started it, so it
// never runs inside that adjuster's event: the event only leaves it pending,
// and it runs once the event has returned (settle()). Removed adjusters are
// deleted later too, never inside an event of their own.

#include "adjuster_keys.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QDropEvent;
class QLineEdit;
class QMimeData;
class QMenu;

namespace kwpnd {

class LayoutEdits;
class PreviewForm;
class frmKWPNDPreviewA;

class Adjusters : public QObject {
    Q_OBJECT
public:
    Adjusters(frmKWPNDPreviewA& window, LayoutEdits& edits);
    ~Adjusters() override;

    // The form's design element 0, the canvas's drops and right click, the
    // adjuster menu. Resets the show mode.
    void formLoaded(PreviewForm& form);
    void formUnloading();

    // Removes every adjuster made by DrawAdjusters; element 0 stays.
    void ClearAdjusters();
    // Makes the adjuster of the field at section position `lCounter` (1 and
    // up) at (dX_Left, dY_Top) canvas units, and its cross on the canvas.
    void DrawAdjusters(const QString& sType, double dX_Left, double dY_Top, const QString& sField,
                       std::int32_t lCounter, const QString& sDescription);

    // The key handling of adjuster `index`, as for a key pressed in it (the
    // adjuster menu's "Bold" runs it for the active adjuster). Nothing for
    // an index that stands for no field.
    void adjusterKeyDown(int index, std::int16_t keyCode, std::int16_t shift);

    // Index of the adjuster that last had the focus; 0 at start.
    std::int16_t miActiveAdjuster = 0;
    // Only the active adjuster is shown; reset at every load of the window.
    bool mbShowActiveAdjusterOnly = false;

    // The element at `index` (0 is the design element); null when none.
    QLineEdit* adjuster(int index) const;
    // The field adjuster `index` stands for; null when none.
    const AdjusterField* field(int index) const;

    // What a drag of adjuster `index` carries: this window's adjusters and
    // the index, under a type of its own.
    QMimeData* dragData(int index) const;
    static QString mimeType();

    // Runs the regeneration and refocus that a key, a drop or an undo left
    // pending, now; nothing when none is pending. The event loop runs it by
    // itself once the event that left it has returned.
    void settle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pending {
        bool generate = false;
        int focus = -1;
        bool hide = false;
    };
    class KeyTarget;

    int indexOf(const QObject* widget) const;
    void adjusterFocused(int index);
    bool adjusterEvent(int index, QLineEdit* widget, QEvent* event);
    bool canvasEvent(QEvent* event);
    void startDrag(int index, QLineEdit* widget);
    // The adjuster index a drag into the canvas carries; none for a drag
    // from elsewhere.
    std::optional<int> draggedIndex(const QMimeData* mime) const;
    void dropped(QDropEvent* event);
    void showMenu(const QPoint& globalPosition);
    void schedule(Pending pending);
    void showCross(double x, double y);

    frmKWPNDPreviewA& window_;
    LayoutEdits& edits_;
    QPointer<PreviewForm> form_;
    // The fields of the adjusters, by the adjusters' indexes.
    std::vector<std::optional<AdjusterField>> fields_;
    std::optional<Pending> pending_;
    // A drag of an adjuster is running (its own event loop): the pending
    // regeneration waits until it is over.
    bool dragging_ = false;
    // Focus moving while the adjusters are removed is no user's choice.
    bool clearing_ = false;
    QPoint pressAt_;
    int pressed_ = -1;
    // Names this window's adjusters in what a drag carries.
    const quint64 serial_;
};

}  // namespace kwpnd
