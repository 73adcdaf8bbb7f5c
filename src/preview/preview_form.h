#pragma once
// PreviewForm: the widgets of the preview window, placed at their design
// positions (twips, 15 per pixel), and the routing of their events to the
// window's handlers in frmKWPNDPreviewA. It has no logic of its own, and no
// layout: parts keep their places when the window is resized.

#include "surface_api.h"
#include "zoom_view.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace kwpnd {

class frmKWPNDPreviewA;
class SuperRuler;
class Surface;

class PreviewForm : public QWidget {
    Q_OBJECT
public:
    // Client area of the window, twips.
    static constexpr int kWidthTwips = 14280;
    static constexpr int kHeightTwips = 10800;

    PreviewForm(frmKWPNDPreviewA& owner, Surface& canvas, Surface& barcodePicture, Surface& barcodeLabel);
    ~PreviewForm() override;

    // The parts, under their window names.
    QWidget* picContainer = nullptr;
    SurfaceView* CerPrvC = nullptr;
    ZoomView* Image1 = nullptr;
    SurfaceView* picBarCodePicObj = nullptr;
    SurfaceView* picBarCodeLabel = nullptr;
    std::vector<QLineEdit*> lblControlAdjuster;
    QFrame* shapeFieldSearher = nullptr;
    SuperRuler* SuperRuler1 = nullptr;
    SuperRuler* SuperRuler2 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* lblXLeft = nullptr;
    QLabel* lblYTop = nullptr;
    QLabel* lblPennardPreview = nullptr;
    std::array<QPushButton*, 2> Command1{};
    QWidget* picPaging = nullptr;
    std::array<QPushButton*, 4> cmdPages{};
    QLabel* lblPage = nullptr;
    QMenu* mnuPopUpPreviewMenu = nullptr;
    QMenu* mnuPopUpAdjusterMenu = nullptr;
    QMenu* mnuBarcodeSheetMenu = nullptr;

    // A menu item of the preview menu by its name ("mnuPopUpCopy" ...).
    QAction* menuItem(const QString& name) const;

    // Places the canvas's widget from the canvas's Left and Top.
    void placeCanvas();
    // Places Image1 from a rectangle in twips of the canvas.
    void placeImage1(const QRectF& twips);
    // Lets go of the surfaces (they are about to go) and stops routing events.
    void detach();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createParts(Surface& canvas, Surface& barcodePicture, Surface& barcodeLabel);
    void createMenus();
    void connectParts();
    bool zoomButtonEvent(int index, QEvent* event);
    bool endsZoomHold(QObject* watched, QEvent* event) const;
    bool previewKey(QObject* receiver, QEvent* event);

    frmKWPNDPreviewA* owner_;
};

}  // namespace kwpnd
