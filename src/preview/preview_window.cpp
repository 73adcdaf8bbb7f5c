// frmKWPNDPreviewA: loading and unloading, showing, the visual parts and
// what generation reads through the window. Paging, zoom, scrolling, keys and
// the output commands have files of their own.
#include "preview_window.h"

#include "barcode_api.h"
#include "engine_api.h"
#include "gradient_painter.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "kwpnd/super_ruler.h"
#include "preview_form.h"
#include "preview_visual.h"
#include "qt_dialogs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QScrollBar>

namespace kwpnd {

frmKWPNDPreviewA::frmKWPNDPreviewA() : driver_(*this)
{
    installWidgetDialogs();
    // The window draws the barcode folder's kinds too (their sheet state
    // lives in the driver's record, for the window's life).
    registerBarcodeFieldKinds();
    if (const DesignAidsFactory make = designAidsFactory())
        designAids_ = make(*this);
}

frmKWPNDPreviewA::~frmKWPNDPreviewA()
{
    if (visual_ && visual_->form && designAids_)
        designAids_->formUnloading();
    if (visual_ && visual_->form) {
        visual_->form->detach();
        // Widgets outliving the application (a component held until the
        // process ends) are left to the process's end.
        if (QCoreApplication::instance())
            delete visual_->form.data();
    }
}

frmKWPNDPreviewA::Visual& frmKWPNDPreviewA::visual()
{
    load();
    return *visual_;
}

// ---- Load and unload -------------------------------------------------------------

void frmKWPNDPreviewA::load()
{
    if (visual_)
        return;
    // The visual part exists from here on, so that the steps below (and the
    // generation among them) find the parts they touch.
    visual_ = std::make_unique<Visual>(canvasDesignSize_);
    try {
        visual_->CerPrvC.BackColor(0xFFFFFF);
        visual_->form = new PreviewForm(*this, visual_->CerPrvC, visual_->picBarCodePicObj, visual_->picBarCodeLabel);
        canvasPlacementChanged();
        // The design aids take their parts of the form (and reset the
        // adjusters' show mode) before anything is generated.
        if (designAids_)
            designAids_->formLoaded(*visual_->form);
        CreateWindowObjects();
        GetSettingsINI();
        ApplySettingsINI();
        if (mbPreviewGenerate && goActivePreview()->GenerateOnLoad())
            PreviewGenerate();
        visual_->form->picPaging->setVisible(mbPaging);
        visual_->form->menuItem(QStringLiteral("mnuPopUpGotoPage"))->setVisible(mbPaging);
        InitScrollRanges();
        ZoomSet();
        if (goActivePreview()->Rulers()) {
            CreateRuler();
        } else {
            visual_->form->SuperRuler1->hide();
            visual_->form->SuperRuler2->hide();
        }
        canvasPlacementChanged();
    } catch (...) {
        // A window whose load failed is not loaded: the next touch starts again.
        if (visual_->form) {
            if (designAids_)
                designAids_->formUnloading();
            visual_->form->detach();
            delete visual_->form.data();
        }
        visual_.reset();
        throw;
    }
}

void frmKWPNDPreviewA::unload()
{
    if (!visual_)
        return;
    DestroyObj();
    if (goActivePreview()->Rulers())
        DestroyRulers();
    // The window capture is released with the visual part. The widgets may
    // be in the middle of their own event (the Exit item, a close): they go
    // once that event is done, after letting go of the surfaces.
    if (PreviewForm* form = visual_->form) {
        if (designAids_)
            designAids_->formUnloading();
        form->detach();
        form->hide();
        form->deleteLater();
    }
    visual_.reset();
    if (modalLoop_)
        modalLoop_->quit();
}

void frmKWPNDPreviewA::show(bool modal)
{
    PreviewForm& window = form();
    canvasPlacementChanged();
    if (!modal) {
        window.show();
        window.raise();
        return;
    }
    if (window.isVisible() && window.windowModality() != Qt::ApplicationModal)
        window.hide();  // modality is taken when the window is shown
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QEventLoop loop;
    QEventLoop* outer = std::exchange(modalLoop_, &loop);
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = outer;
}

// ---- Load sequence steps --------------------------------------------------------------

void frmKWPNDPreviewA::Form_Paint() { gradientPainter().YellowBlackDown(form()); }

void frmKWPNDPreviewA::GetSettingsINI()
{
    msWindowTitle = driver_.ReadLayoutValue(QStringLiteral("PreviewWindow"), QStringLiteral("Title"));
}

void frmKWPNDPreviewA::ApplySettingsINI() { form().setWindowTitle(msWindowTitle); }

void frmKWPNDPreviewA::ZoomSet() { form().Image1->setStretch(true); }

void frmKWPNDPreviewA::CreateWindowObjects()
{
    Visual& v = visual();
    // The window capture object comes first, then the two file handlers.
    v.readingIni = std::make_unique<IniFileHandler>();
    v.secondIni = std::make_unique<IniFileHandler>();
}

void frmKWPNDPreviewA::DestroyObj()
{
    if (!visual_)
        return;
    visual_->readingIni.reset();
    visual_->secondIni.reset();
}

void frmKWPNDPreviewA::InitScrollRanges()
{
    Visual& v = visual();
    // The sizes go through their text form, as the scroll bars take whole
    // 16-bit numbers: a canvas beyond 32767 twips overflows here.
    auto range = [](float twips) { return roundToInteger(toNumber(numberText(twips))); };
    const int height = range(v.CerPrvC.Height()), width = range(v.CerPrvC.Width());
    setScrollRanges(width, height);
}

void frmKWPNDPreviewA::ClearPreviewPicBox()
{
    Surface& canvas = CerPrvC();
    dismissZoomView();
    canvas.Picture(Picture());
    canvas.Cls();
    canvas.Tag(QString());
}

QString frmKWPNDPreviewA::caption() const { return visual_ ? visual_->form->windowTitle() : QString(); }

// ---- Visual parts -------------------------------------------------------------------------

PreviewForm& frmKWPNDPreviewA::form() { return *visual().form; }
Surface& frmKWPNDPreviewA::CerPrvC() { return visual().CerPrvC; }
Surface& frmKWPNDPreviewA::picBarCodePicObj() { return visual().picBarCodePicObj; }
Surface& frmKWPNDPreviewA::picBarCodeLabel() { return visual().picBarCodeLabel; }

IniFileHandler& frmKWPNDPreviewA::readingHandler()
{
    Visual& v = visual();
    if (!v.readingIni)
        throw Error(ErrorNumber::ObjectNotSet);
    return *v.readingIni;
}

IniFileHandler& frmKWPNDPreviewA::secondHandler()
{
    Visual& v = visual();
    if (!v.secondIni)
        throw Error(ErrorNumber::ObjectNotSet);
    return *v.secondIni;
}

// ---- Design aids: what generation lays over the fields ----------------------------------

void frmKWPNDPreviewA::ClearAdjusters()
{
    if (designAids_)
        designAids_->ClearAdjusters();
}

void frmKWPNDPreviewA::DrawGuides(double xLeft, double yTop, const QString& section)
{
    if (designAids_)
        designAids_->DrawGuides(xLeft, yTop, section);
}

void frmKWPNDPreviewA::DrawAdjusters(const QString& type, double xLeft, double yTop, const QString& section, int index,
                                     const QString& description)
{
    if (designAids_)
        designAids_->DrawAdjusters(type, xLeft, yTop, section, index, description);
}

// ---- Rulers ---------------------------------------------------------------------------------

void frmKWPNDPreviewA::CreateRuler()
{
    PreviewForm& f = form();
    skipOnError([&] { f.SuperRuler1->Orientation(0); });
    skipOnError([&] { f.SuperRuler1->ScaleMode(SuperRuler::Milimeters); });
    skipOnError([&] { f.SuperRuler2->Orientation(1); });
    skipOnError([&] { f.SuperRuler2->ScaleMode(SuperRuler::Milimeters); });
}

void frmKWPNDPreviewA::DestroyRulers()
{
    PreviewForm& f = form();
    skipOnError([&] { f.SuperRuler1->MouseTrackingOn(false); });
    skipOnError([&] { f.SuperRuler2->MouseTrackingOn(false); });
}

// ---- What generation reads through the window -------------------------------------------------

QString frmKWPNDPreviewA::watermark() { return goActivePreview()->Watermark(); }

bool frmKWPNDPreviewA::afterGenerateActionsOn() const { return goActivePreview()->AfterGenerateActions(); }

QString frmKWPNDPreviewA::registeredString(const QString& key)
{
    return goActivePreview()->mcolStrings()->Item(key).toString();
}

Picture frmKWPNDPreviewA::registeredPicture(const QString& key)
{
    return pictureOf(goActivePreview()->mcolPictures()->Item(key));
}

QObject* frmKWPNDPreviewA::registeredControl(ControlRegistry registry, const QString& key)
{
    auto component = goActivePreview();
    switch (registry) {
    case ControlRegistry::FlexGrids:
        return objectOf(component->mcolFlexGrids()->Item(key));
    case ControlRegistry::Listviews:
        return objectOf(component->mcolListviews()->Item(key));
    case ControlRegistry::Webbrowsers:
        return objectOf(component->mcolWebbrowsers()->Item(key));
    }
    return nullptr;
}

Picture frmKWPNDPreviewA::componentPicture(const QString& name)
{
    auto component = goActivePreview();
    struct Named {
        const char* name;
        Picture (clsKWPNDPreviewA::*get)() const;
    };
    static const Named kPictures[] = {
        {"Logo", &clsKWPNDPreviewA::Logo},         {"Picture1", &clsKWPNDPreviewA::Picture1},
        {"Picture2", &clsKWPNDPreviewA::Picture2}, {"Picture3", &clsKWPNDPreviewA::Picture3},
        {"Picture4", &clsKWPNDPreviewA::Picture4},
    };
    for (const Named& p : kPictures)
        if (name == QLatin1String(p.name))
            return (component.get()->*p.get)();
    throw Error(ErrorNumber::InvalidProcedureCall);
}

}  // namespace kwpnd
