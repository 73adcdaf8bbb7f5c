#pragma once
// CanvasPosition: puts the page canvas back at a known place in its frame
// and scrolls it from the keyboard. A click on either readout label (lblXLeft,
// lblYTop) or a digit key on the canvas places it; the arrow and page keys
// move the scroll bars.

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <vector>

namespace kwpnd {

class frmKWPNDPreviewA;
class PreviewForm;

class CanvasPosition : public QObject {
public:
    explicit CanvasPosition(frmKWPNDPreviewA& window);
    ~CanvasPosition() override;

    void formLoaded(PreviewForm& form);
    void formUnloading();

    // Places the canvas with its top-left at (dX, dY) in its frame (twips)
    // after taking the zoom view away, and sets the scroll bars and rulers to
    // match. Each step that fails is skipped.
    void OnCordinatesClick(double dX, double dY);

    // A key pressed while the canvas has the focus.
    void CerPrvC_KeyDown(int qtKey, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmKWPNDPreviewA& window_;
    QPointer<PreviewForm> form_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace kwpnd
