#include "preview_form.h"

#include "barcode_sheet_menu.h"
#include "input_codes.h"
#include "kwpnd/super_ruler.h"
#include "kwpnd/surface.h"
#include "preview_menu.h"
#include "preview_window.h"
#include "window_handler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace kwpnd {

namespace {
// A part's design place: left, top, width, height in twips of its parent.
struct Place {
    int left, top, width, height;
};

// Coordinates of the window's own parts, twips.
constexpr Place kContainer{1200, 600, 12615, 9255};
constexpr Place kHorizontalRuler{1200, 120, 12615, 495};
constexpr Place kVerticalRuler{720, 600, 495, 9255};
constexpr Place kVerticalScroll{13815, 600, 255, 9255};
constexpr Place kHorizontalScroll{1200, 9855, 12615, 255};
constexpr Place kXLeft{60, 135, 630, 210};
constexpr Place kYTop{60, 375, 630, 210};
constexpr Place kFieldName{1200, 10245, 5985, 285};
constexpr Place kZoomButtons[2] = {{7305, 10185, 1095, 375}, {8460, 10185, 1095, 375}};
constexpr Place kPagingBar{9675, 10155, 4395, 435};
constexpr Place kPageButtons[4] = {{30, 30, 450, 375}, {510, 30, 450, 375}, {990, 30, 450, 375}, {1470, 30, 450, 375}};
constexpr Place kPageReadout{1980, 75, 2325, 285};
constexpr Place kFieldMarker{0, 0, 225, 225};

constexpr const char* kZoomCaptions[2] = {"Enlarge", "Shrink"};
constexpr const char* kPageCaptions[4] = {"<<", "<", ">", ">>"};

int pixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX)); }

void place(QWidget* part, const Place& p)
{
    part->setGeometry(pixels(p.left), pixels(p.top), pixels(p.width), pixels(p.height));
}

QLabel* label(QWidget* parent, const char* caption, const Place& p)
{
    auto* l = new QLabel(QLatin1String(caption), parent);
    l->setAutoFillBackground(true);  // an opaque label over the painted background
    place(l, p);
    return l;
}

void fill(QWidget* part, QRgb colour)
{
    QPalette palette = part->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour));
    part->setPalette(palette);
    part->setAutoFillBackground(true);
}

// Widget coordinates are whole pixels of int range: a zoom view many times
// the screen's size is clamped far outside the visible area.
int clampedPixels(double twips)
{
    constexpr double kFar = 4'000'000;
    const double px = std::nearbyint(twips / TwipsPerPixelX);
    if (!(px > -kFar))
        return static_cast<int>(-kFar);
    return static_cast<int>(std::min(px, kFar));
}
}  // namespace

PreviewForm::PreviewForm(frmKWPNDPreviewA& owner, Surface& canvas, Surface& barcodePicture, Surface& barcodeLabel)
    : owner_(&owner)
{
    setWindowTitle(QStringLiteral("Preview"));
    resize(pixels(kWidthTwips), pixels(kHeightTwips));
    createParts(canvas, barcodePicture, barcodeLabel);
    createMenus();
    connectParts();
    // Key preview: the window sees key presses before its parts do.
    qApp->installEventFilter(this);
}

PreviewForm::~PreviewForm() { detach(); }

void PreviewForm::createParts(Surface& canvas, Surface& barcodePicture, Surface& barcodeLabel)
{
    picContainer = new QWidget(this);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    fill(picContainer, 0x808080);
    place(picContainer, kContainer);
    picContainer->installEventFilter(this);  // the canvas asks it to place it anew

    CerPrvC = new SurfaceView(&canvas, picContainer);
    CerPrvC->setObjectName(QStringLiteral("CerPrvC"));
    CerPrvC->syncGeometry();

    Image1 = new ZoomView(CerPrvC);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();
    picBarCodePicObj = new SurfaceView(&barcodePicture, CerPrvC);
    picBarCodePicObj->setObjectName(QStringLiteral("picBarCodePicObj"));
    picBarCodePicObj->hide();
    picBarCodeLabel = new SurfaceView(&barcodeLabel, CerPrvC);
    picBarCodeLabel->setObjectName(QStringLiteral("picBarCodeLabel"));
    picBarCodeLabel->hide();
    // Both start hidden; the first label composed shows the label surface.
    barcodePicture.Visible(false);
    barcodeLabel.Visible(false);
    shapeFieldSearher = new QFrame(CerPrvC);
    shapeFieldSearher->setObjectName(QStringLiteral("shapeFieldSearher"));
    shapeFieldSearher->setFrameShape(QFrame::Box);
    shapeFieldSearher->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(shapeFieldSearher, kFieldMarker);
    shapeFieldSearher->hide();

    SuperRuler1 = new SuperRuler(this);
    SuperRuler1->setObjectName(QStringLiteral("SuperRuler1"));
    place(SuperRuler1, kHorizontalRuler);
    SuperRuler2 = new SuperRuler(this);
    SuperRuler2->setObjectName(QStringLiteral("SuperRuler2"));
    place(SuperRuler2, kVerticalRuler);
    // Design settings: both track the pointer in millimetres; the upper one is white.
    for (SuperRuler* ruler : {SuperRuler1, SuperRuler2}) {
        ruler->MouseTrackingOn(true);
        ruler->ScaleMode(SuperRuler::Milimeters);
    }
    SuperRuler2->Orientation(1);
    SuperRuler1->BackColor(0xFFFFFF);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    place(HScroll1, kHorizontalScroll);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    place(VScroll1, kVerticalScroll);
    // Small steps of ten pixels; large steps of most of the visible frame.
    HScroll1->setSingleStep(150);
    HScroll1->setPageStep(kContainer.width * 9 / 10);
    VScroll1->setSingleStep(150);
    VScroll1->setPageStep(kContainer.height * 9 / 10);

    lblXLeft = label(this, "Left", kXLeft);
    lblXLeft->setObjectName(QStringLiteral("lblXLeft"));
    lblYTop = label(this, "Top", kYTop);
    lblYTop->setObjectName(QStringLiteral("lblYTop"));
    lblPennardPreview = label(this, "Pennard Preview 1.0", kFieldName);
    lblPennardPreview->setObjectName(QStringLiteral("lblPennardPreview"));

    for (int i = 0; i < 2; ++i) {
        Command1[i] = new QPushButton(QLatin1String(kZoomCaptions[i]), this);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->setFocusPolicy(Qt::NoFocus);
        place(Command1[i], kZoomButtons[i]);
        Command1[i]->installEventFilter(this);
    }

    picPaging = new QWidget(this);
    picPaging->setObjectName(QStringLiteral("picPaging"));
    fill(picPaging, 0xF0F0F0);
    place(picPaging, kPagingBar);
    for (int i = 0; i < 4; ++i) {
        cmdPages[i] = new QPushButton(QLatin1String(kPageCaptions[i]), picPaging);
        cmdPages[i]->setObjectName(QStringLiteral("cmdPages_%1").arg(i));
        place(cmdPages[i], kPageButtons[i]);
    }
    lblPage = label(picPaging, "Page", kPageReadout);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblPage->setProperty("Tag", QString());
}

void PreviewForm::createMenus()
{
    mnuPopUpPreviewMenu = new QMenu(QStringLiteral("&Preview Menu"), this);
    mnuPopUpPreviewMenu->setObjectName(QStringLiteral("mnuPopUpPreviewMenu"));
    buildPreviewMenu(*mnuPopUpPreviewMenu, *owner_);
    // Filled by the design aids and the barcode sheets.
    mnuPopUpAdjusterMenu = new QMenu(this);
    mnuPopUpAdjusterMenu->setObjectName(QStringLiteral("mnuPopUpAdjusterMenu"));
    mnuBarcodeSheetMenu = new QMenu(this);
    mnuBarcodeSheetMenu->setObjectName(QStringLiteral("mnuBarcodeSheetMenu"));
    buildBarcodeSheetMenu(*mnuBarcodeSheetMenu, *owner_);
}

void PreviewForm::connectParts()
{
    for (std::int16_t i = 0; i < 4; ++i)
        connect(cmdPages[i], &QPushButton::clicked, this, [this, i] { owner_->cmdPages_Click(i); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { owner_->HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { owner_->VScroll1_Change(); });
    connect(CerPrvC, &SurfaceView::mousePressed, this,
            [this](float, float, Qt::MouseButtons button, Qt::KeyboardModifiers) {
                if (button == Qt::RightButton && !owner_->mbAdjusters)
                    runHandler([&] { owner_->showPreviewMenu(QCursor::pos()); });
            });
    connect(picBarCodeLabel, &SurfaceView::mousePressed, this,
            [this](float, float, Qt::MouseButtons button, Qt::KeyboardModifiers) {
                if (button == Qt::RightButton)
                    runHandler([&] { owner_->showBarcodeSheetMenu(QCursor::pos()); });
            });
    connect(picBarCodeLabel, &SurfaceView::mouseDoubleClicked, this,
            [this](float, float, Qt::MouseButtons button, Qt::KeyboardModifiers) {
                if (button == Qt::LeftButton)
                    runHandler([&] { owner_->picBarCodeLabel_DblClick(); });
            });
    connect(picBarCodePicObj, &SurfaceView::mouseDoubleClicked, this,
            [this](float, float, Qt::MouseButtons button, Qt::KeyboardModifiers) {
                if (button == Qt::LeftButton)
                    runHandler([&] { owner_->picBarCodePicObj_DblClick(); });
            });
}

QAction* PreviewForm::menuItem(const QString& name) const { return mnuPopUpPreviewMenu->findChild<QAction*>(name); }

void PreviewForm::placeCanvas()
{
    if (CerPrvC && CerPrvC->surface())
        CerPrvC->syncGeometry();
}

void PreviewForm::placeImage1(const QRectF& twips)
{
    Image1->setGeometry(clampedPixels(twips.left()), clampedPixels(twips.top()), clampedPixels(twips.width()),
                        clampedPixels(twips.height()));
}

void PreviewForm::detach()
{
    if (!owner_)
        return;
    if (qApp)
        qApp->removeEventFilter(this);
    for (SurfaceView* view : {CerPrvC, picBarCodePicObj, picBarCodeLabel})
        view->setSurface(nullptr);
    owner_ = nullptr;
}

void PreviewForm::paintEvent(QPaintEvent*)
{
    if (owner_)
        runHandler([&] { owner_->Form_Paint(); });
}

void PreviewForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (owner_)
        owner_->unload();
}

bool PreviewForm::zoomButtonEvent(int index, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool press = type != QEvent::MouseButtonRelease;
    Command1[index]->setDown(press);
    const QPointF at = mouse->position() * TwipsPerPixelX;
    const auto button = mouseButtonCode(mouse->button());
    const auto shift = shiftCode(mouse->modifiers());
    const auto i = static_cast<std::int16_t>(index);
    // The press runs the zoom loop, which processes events (the release among
    // them) until the button is let go.
    if (press)
        runHandler([&] { owner_->Command1_MouseDown(i, button, shift, float(at.x()), float(at.y())); });
    else
        runHandler([&] { owner_->Command1_MouseUp(i, button, shift, float(at.x()), float(at.y())); });
    return true;
}

bool PreviewForm::previewKey(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() ||
        static_cast<QWidget*>(receiver)->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    bool shortcut = false;
    runHandler([&] { shortcut = owner_->Form_KeyDown(keyCode(key->key()), shiftCode(key->modifiers())); });
    // A shortcut is done with; other keys go on to the part that has the focus.
    return shortcut;
}

// Events after which a held zoom button's release no longer reaches the
// window: it lost activation or was blocked, or a modal window or a menu
// opened over it.
bool PreviewForm::endsZoomHold(QObject* watched, QEvent* event) const
{
    const auto type = event->type();
    if (watched == this)
        return type == QEvent::WindowDeactivate || type == QEvent::WindowBlocked;
    if (type != QEvent::Show || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    return widget->isWindow() && (widget->isModal() || widget->windowType() == Qt::Popup);
}

bool PreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (!owner_)
        return false;
    if (endsZoomHold(watched, event))
        owner_->zoomButtonLost();
    if (watched == picContainer && event->type() == QEvent::LayoutRequest) {
        runHandler([&] { owner_->canvasPlacementChanged(); });
        return false;
    }
    // The wheel over the page (the canvas and what lies on it pass it on to
    // the frame) scrolls it.
    if (watched == picContainer && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        runHandler([&] { owner_->wheelOverPage(wheel->angleDelta(), wheel->modifiers()); });
        return true;
    }
    for (int i = 0; i < 2; ++i)
        if (watched == Command1[i])
            return zoomButtonEvent(i, event);
    return previewKey(watched, event);
}

}  // namespace kwpnd
