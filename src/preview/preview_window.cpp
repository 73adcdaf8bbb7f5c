#include "preview_window.h"

#include "engine/conversions.h"
#include "engine/ini_file_handler.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "page_window.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kwpnd {

struct frmKWPNDPreviewA::Visual {
    Surface CerPrvC{kCanvasDesignWidth, kCanvasDesignHeight};
    Surface picBarCodePicObj;
    Surface picBarCodeLabel;
    IniFileHandler readingIni;
    IniFileHandler secondIni;
    QString msWindowTitle;
    bool pagingBarVisible = false;
    int hScrollMin = 1, hScrollMax = 1, vScrollMin = 1, vScrollMax = 1;
    std::unique_ptr<PageWindow> window;
};

frmKWPNDPreviewA::frmKWPNDPreviewA() : driver_(*this) {}

frmKWPNDPreviewA::~frmKWPNDPreviewA() = default;

void frmKWPNDPreviewA::notAvailableYet(const char* operation)
{
    throw Error(ErrorNumber::NotAvailableYet,
                QStringLiteral("%1 is not available yet in this version of the preview window")
                    .arg(QLatin1String(operation)));
}

void frmKWPNDPreviewA::load()
{
    if (visual_)
        return;
    visual_ = std::make_unique<Visual>();
    try {
        visual_->CerPrvC.BackColor(0xFFFFFF);
        visual_->msWindowTitle = driver_.ReadLayoutValue(QStringLiteral("PreviewWindow"), QStringLiteral("Title"));
        if (mbPreviewGenerate)
            PreviewGenerate();
        visual_->pagingBarVisible = mbPaging;
        InitScrollRanges();
    } catch (...) {
        // A window whose load failed is not loaded: the next touch starts again.
        visual_.reset();
        throw;
    }
}

void frmKWPNDPreviewA::unload() { visual_.reset(); }

QString frmKWPNDPreviewA::caption() const { return visual_ ? visual_->msWindowTitle : QString(); }

bool frmKWPNDPreviewA::pagingBarVisible() const { return visual_ && visual_->pagingBarVisible; }

int frmKWPNDPreviewA::hScrollMax() const { return visual_ ? visual_->hScrollMax : 0; }

int frmKWPNDPreviewA::vScrollMax() const { return visual_ ? visual_->vScrollMax : 0; }

void frmKWPNDPreviewA::InitScrollRanges()
{
    // The sizes go through their text form, as the scroll bars take whole
    // 16-bit numbers: a canvas beyond 32767 twips overflows here.
    auto range = [](float twips) { return roundToInteger(toNumber(numberText(twips))); };
    visual_->vScrollMin = 1;
    visual_->hScrollMin = 1;
    visual_->vScrollMax = range(visual_->CerPrvC.Height());
    visual_->hScrollMax = range(visual_->CerPrvC.Width());
}

Surface& frmKWPNDPreviewA::CerPrvC()
{
    load();
    return visual_->CerPrvC;
}

Surface& frmKWPNDPreviewA::picBarCodePicObj()
{
    load();
    return visual_->picBarCodePicObj;
}

Surface& frmKWPNDPreviewA::picBarCodeLabel()
{
    load();
    return visual_->picBarCodeLabel;
}

IniFileHandler& frmKWPNDPreviewA::readingHandler()
{
    load();
    return visual_->readingIni;
}

IniFileHandler& frmKWPNDPreviewA::secondHandler()
{
    load();
    return visual_->secondIni;
}

void frmKWPNDPreviewA::PreviewGenerate() { driver_.PreviewGenerate(); }

void frmKWPNDPreviewA::PreviewClear()
{
    picBarCodeLabel().Cls();
    picBarCodePicObj().Cls();
    CerPrvC().Cls();
}

void frmKWPNDPreviewA::PreviewCopy()
{
    const Picture page = CerPrvC().Image();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw Error(ErrorNumber::InvalidProcedureCall, QStringLiteral("No clipboard is available"));
    clipboard->clear();
    clipboard->setImage(page.image());
}

void frmKWPNDPreviewA::PreviewSaveNow(const QString& sFileName) { SavePicture(CerPrvC().Image(), sFileName); }

void frmKWPNDPreviewA::PreviewPrint() { notAvailableYet("PreviewPrint"); }

void frmKWPNDPreviewA::PreviewPrintDirect() { notAvailableYet("PreviewPrintDirect"); }

void frmKWPNDPreviewA::PreviewEmail()
{
    Dialogs::current().messageBox(QStringLiteral("email"), MsgButtons::OK, MsgIcon::None, QString());
}

void frmKWPNDPreviewA::PreviewSettings() { notAvailableYet("PreviewSettings"); }

void frmKWPNDPreviewA::cmdPages_Click(std::int16_t) { notAvailableYet("Paging"); }

void frmKWPNDPreviewA::show(bool modal)
{
    load();
    if (!visual_->window)
        visual_->window = std::make_unique<PageWindow>(visual_->CerPrvC);
    visual_->window->setWindowTitle(visual_->msWindowTitle);
    if (modal)
        visual_->window->exec();
    else
        visual_->window->show();
}

QString frmKWPNDPreviewA::watermark() { return goActivePreview()->Watermark(); }

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
    case ControlRegistry::FlexGrids: return objectOf(component->mcolFlexGrids()->Item(key));
    case ControlRegistry::Listviews: return objectOf(component->mcolListviews()->Item(key));
    case ControlRegistry::Webbrowsers: return objectOf(component->mcolWebbrowsers()->Item(key));
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
