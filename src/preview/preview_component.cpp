#include "preview_component_p.h"

#include "default_page.h"
#include "engine_api.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "preview_form.h"
#include "preview_window.h"
#include "qt_dialogs.h"

#include <QFileInfo>

namespace kwpnd {

namespace {
constexpr int kPagesBeforeWarning = 35;

// Holds a surface's raster while it is set up: it is made once, at the end.
// A failure on the way lets it go; the raster is then made at its next use.
class RasterHold {
public:
    explicit RasterHold(Surface& surface) : surface_(surface) { surface_.holdRaster(); }
    ~RasterHold()
    {
        if (!held_)
            return;
        try {
            surface_.releaseRaster();
        } catch (...) {  // the failure on its way out is the one to report
        }
    }
    RasterHold(const RasterHold&) = delete;
    RasterHold& operator=(const RasterHold&) = delete;

    void release()
    {
        held_ = false;
        surface_.releaseRaster();
    }

private:
    Surface& surface_;
    bool held_ = true;
};

std::shared_ptr<clsKWPNDPreviewA>& activeSlot()
{
    static std::shared_ptr<clsKWPNDPreviewA> slot;
    return slot;
}
}  // namespace

std::shared_ptr<clsKWPNDPreviewA> goActivePreview()
{
    auto& slot = activeSlot();
    if (!slot)
        clsKWPNDPreviewA::create();
    return slot;
}

std::shared_ptr<clsKWPNDPreviewA> clsKWPNDPreviewA::create()
{
    auto component = std::make_shared<clsKWPNDPreviewA>(Token{});
    activeSlot() = component;  // releases the previous active component
    return component;
}

clsKWPNDPreviewA::Private::Private()
    : ini1(std::make_unique<IniFileHandler>()), ini2(std::make_unique<IniFileHandler>())
{
    installWidgetDialogs();
}

clsKWPNDPreviewA::Private::~Private() = default;

frmKWPNDPreviewA& clsKWPNDPreviewA::Private::window()
{
    if (!windowObject)
        windowObject = std::make_shared<frmKWPNDPreviewA>();
    return *windowObject;
}

CollectionRef& clsKWPNDPreviewA::Private::registry(CollectionRef& slot)
{
    if (!slot)
        slot = std::make_shared<Collection>();
    return slot;
}

IniFileHandler& clsKWPNDPreviewA::Private::readingHandler()
{
    if (!ini1)
        throw Error(ErrorNumber::ObjectNotSet);
    return *ini1;
}

frmKWPNDPreviewA& windowOf(clsKWPNDPreviewA& component) { return clsKWPNDPreviewA::Private::of(component).window(); }

clsKWPNDPreviewA::clsKWPNDPreviewA(Token) : d(std::make_unique<Private>()) {}

clsKWPNDPreviewA::~clsKWPNDPreviewA()
{
    d->settings.reset();
    d->pages.reset();
    d->pictureRegistry.reset();
    d->strings.reset();
    d->flexGrids.reset();
    d->listviews.reset();
    d->webbrowsers.reset();
    DestroyObj();
}

CollectionRef clsKWPNDPreviewA::mcolSettings() { return d->registry(d->settings); }
void clsKWPNDPreviewA::mcolSettings(CollectionRef c) { d->settings = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolPages() { return d->registry(d->pages); }
void clsKWPNDPreviewA::mcolPages(CollectionRef c) { d->pages = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolPictures() { return d->registry(d->pictureRegistry); }
void clsKWPNDPreviewA::mcolPictures(CollectionRef c) { d->pictureRegistry = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolFlexGrids() { return d->registry(d->flexGrids); }
void clsKWPNDPreviewA::mcolFlexGrids(CollectionRef c) { d->flexGrids = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolListviews() { return d->registry(d->listviews); }
void clsKWPNDPreviewA::mcolListviews(CollectionRef c) { d->listviews = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolStrings() { return d->registry(d->strings); }
void clsKWPNDPreviewA::mcolStrings(CollectionRef c) { d->strings = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolWebbrowsers() { return d->registry(d->webbrowsers); }
void clsKWPNDPreviewA::mcolWebbrowsers(CollectionRef c) { d->webbrowsers = std::move(c); }

Picture clsKWPNDPreviewA::Logo() const { return d->logo; }
void clsKWPNDPreviewA::Logo(const Picture& p) { d->logo = p; }
Picture clsKWPNDPreviewA::Signature() const { return d->signature; }
void clsKWPNDPreviewA::Signature(const Picture& p) { d->signature = p; }
PND_SCALEMODE clsKWPNDPreviewA::ScaleMode() const { return d->scaleMode; }
void clsKWPNDPreviewA::ScaleMode(PND_SCALEMODE mode) { d->scaleMode = mode; }
Picture clsKWPNDPreviewA::BackPicture() const { return d->backPicture; }
void clsKWPNDPreviewA::BackPicture(const Picture& p) { d->backPicture = p; }
QString clsKWPNDPreviewA::SettingFile() const { return d->settingFile; }
QString clsKWPNDPreviewA::SettingFolder() const { return d->settingFolder; }
void clsKWPNDPreviewA::SettingFolder(const QString& folder) { d->settingFolder = folder; }
QString clsKWPNDPreviewA::Watermark() const { return d->watermark; }
void clsKWPNDPreviewA::Watermark(const QString& text) { d->watermark = text; }
bool clsKWPNDPreviewA::Rulers() const { return d->rulers; }
void clsKWPNDPreviewA::Rulers(bool on) { d->rulers = on; }
bool clsKWPNDPreviewA::Paging() const { return d->paging; }
void clsKWPNDPreviewA::Paging(bool on) { d->paging = on; }
bool clsKWPNDPreviewA::PreviewGenerate() const { return d->previewGenerate; }
bool clsKWPNDPreviewA::GenerateOnLoad() const { return d->generateOnLoad; }
void clsKWPNDPreviewA::GenerateOnLoad(bool on) { d->generateOnLoad = on; }
bool clsKWPNDPreviewA::AfterGenerateActions() const { return d->afterGenerateActions; }
void clsKWPNDPreviewA::AfterGenerateActions(bool on) { d->afterGenerateActions = on; }
bool clsKWPNDPreviewA::Mixmode() const { return d->mixmode; }
void clsKWPNDPreviewA::Mixmode(bool on) { d->mixmode = on; }
bool clsKWPNDPreviewA::Guides() const { return d->guides; }
void clsKWPNDPreviewA::Guides(bool on) { d->guides = on; }
bool clsKWPNDPreviewA::Adjusters() const { return d->adjusters; }
void clsKWPNDPreviewA::Adjusters(bool on) { d->adjusters = on; }
QString clsKWPNDPreviewA::DataFile() const { return d->dataFile; }
void clsKWPNDPreviewA::DataFile(const QString& path) { d->dataFile = path; }
Picture clsKWPNDPreviewA::Picture1() const { return d->pictures[0]; }
void clsKWPNDPreviewA::Picture1(const Picture& p) { d->pictures[0] = p; }
Picture clsKWPNDPreviewA::Picture2() const { return d->pictures[1]; }
void clsKWPNDPreviewA::Picture2(const Picture& p) { d->pictures[1] = p; }
Picture clsKWPNDPreviewA::Picture3() const { return d->pictures[2]; }
void clsKWPNDPreviewA::Picture3(const Picture& p) { d->pictures[2] = p; }
Picture clsKWPNDPreviewA::Picture4() const { return d->pictures[3]; }
void clsKWPNDPreviewA::Picture4(const Picture& p) { d->pictures[3] = p; }
QWidget* clsKWPNDPreviewA::PreviewForm() const { return d->previewForm; }
void clsKWPNDPreviewA::PreviewForm(QWidget* form) { d->previewForm = form; }

CollectionRef clsKWPNDPreviewA::Pages() { return mcolPages(); }
CollectionRef clsKWPNDPreviewA::Settings() { return mcolSettings(); }
CollectionRef clsKWPNDPreviewA::Pictures() { return mcolPictures(); }
CollectionRef clsKWPNDPreviewA::FlexGrids() { return mcolFlexGrids(); }
CollectionRef clsKWPNDPreviewA::Webbrowsers() { return mcolWebbrowsers(); }
CollectionRef clsKWPNDPreviewA::Listviews() { return mcolListviews(); }
CollectionRef clsKWPNDPreviewA::Strings() { return mcolStrings(); }

void clsKWPNDPreviewA::SettingFile(const QString& path)
{
    d->settingFile = path;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw Error::detailed(ErrorNumber::FileNotFound, path);
    d->settingFolder = info.absolutePath();
}

int clsKWPNDPreviewA::FailedDataWrites() const
{
    return d->windowObject ? d->windowObject->driver().failedDataWrites() : 0;
}

int clsKWPNDPreviewA::lastPrintError() const { return d->windowObject ? d->windowObject->lastPrintError() : 0; }

void clsKWPNDPreviewA::PreviewGenerate(bool on)
{
    d->previewGenerate = on;
    if (!on)
        return;
    frmKWPNDPreviewA& w = d->window();
    w.msSettingFile = d->settingFile;
    w.msDataFile = d->dataFile;
    w.mbPreviewGenerate = true;
}

void clsKWPNDPreviewA::AddToPages(const QString& sKey)
{
    const Picture snapshot = d->window().CerPrvC().Image();
    if (mcolPages()->Count() >= kPagesBeforeWarning)
        Dialogs::current().messageBox(QStringLiteral("Limits exceed"), MsgButtons::OK, MsgIcon::None, QString());
    mcolPages()->Add(QVariant::fromValue(snapshot), sKey);
    mcolSettings()->Add(d->settingFile, sKey);
}

void clsKWPNDPreviewA::AddToPictures(Picture& ipPicture, const QString& sKey)
{
    mcolPictures()->Add(QVariant::fromValue(ipPicture), sKey);
}

void clsKWPNDPreviewA::AddToFlexGrids(QObject* o, const QString& sKey)
{
    mcolFlexGrids()->Add(QVariant::fromValue(o), sKey);
}

void clsKWPNDPreviewA::AddToWebbrowsers(QObject* o, const QString& sKey)
{
    mcolWebbrowsers()->Add(QVariant::fromValue(o), sKey);
}

void clsKWPNDPreviewA::AddToListviews(QObject* o, const QString& sKey)
{
    mcolListviews()->Add(QVariant::fromValue(o), sKey);
}

void clsKWPNDPreviewA::AddToStrings(const QString& sString, const QString& sKey) { mcolStrings()->Add(sString, sKey); }

void clsKWPNDPreviewA::InitialiseForm(double dHeight, double dWidth, std::optional<double>, std::optional<double>,
                                      QObject* oAppObject)
{
    frmKWPNDPreviewA& w = d->window();
    w.moAppobjectFromClass = oAppObject;
    w.miScaleMode = d->scaleMode;
    w.mbGuides = d->guides;
    w.mbAdjusters = d->adjusters;
    w.mbPaging = d->paging;

    Surface& canvas = w.CerPrvC();  // the first touch loads the window
    w.dismissZoomView();
    // Erased, scaled, sized and given its background below: the canvas's
    // raster is made and painted once, at the end.
    RasterHold hold(canvas);
    canvas.Cls();
    canvas.ScaleMode(d->scaleMode);
    canvas.BackColor(0xFFFFFF);
    const QSizeF page = (dHeight == 0 || dWidth == 0) ? defaultPrinterPageTwips() : QSizeF();
    canvas.ScaleHeight(static_cast<float>(dHeight == 0 ? page.height() : dHeight));
    canvas.ScaleWidth(static_cast<float>(dWidth == 0 ? page.width() : dWidth));

    IniFileHandler& ini = d->readingHandler();
    auto windowSize = [&](const char* key) {
        ini.Path(d->settingFile);
        ini.section(QStringLiteral("PreviewWindow"));
        ini.Key(QLatin1String(key));
        const QString text = ini.Value();
        // An empty or foreign file has no page size: say what is missing.
        if (text.trimmed().isEmpty())
            throw Error::detailed(ErrorNumber::TypeMismatch,
                                  QStringLiteral("the layout %1 has no %2 in its [PreviewWindow] section "
                                                 "(the page's size in twips)")
                                      .arg(d->settingFile, QLatin1String(key)));
        return static_cast<float>(toStrictDouble(text));
    };
    canvas.Height(windowSize("Height"));
    canvas.Width(windowSize("Width"));

    canvas.ScaleMode(d->scaleMode);
    canvas.Move(0, 0);
    w.canvasPlacementChanged();
    canvas.Picture(d->backPicture);
    hold.release();
    d->previewForm = &w.form();
}

void clsKWPNDPreviewA::ShowUI(QObject* oAppObject, bool bModal)
{
    frmKWPNDPreviewA& w = d->window();
    w.moAppobjectFromClass = oAppObject;
    w.show(bModal);
}

void clsKWPNDPreviewA::DestroyObj()
{
    d->ini1.reset();
    d->ini2.reset();
}

void clsKWPNDPreviewA::PrintNow() { d->window().PreviewPrint(); }
void clsKWPNDPreviewA::Clear() { d->window().PreviewClear(); }
void clsKWPNDPreviewA::Generate() { d->window().PreviewGenerate(); }
void clsKWPNDPreviewA::Save(const QString& sFileName) { d->window().PreviewSaveNow(sFileName); }
void clsKWPNDPreviewA::Email() { d->window().PreviewEmail(); }
void clsKWPNDPreviewA::GoToPageFirst() { d->window().cmdPages_Click(0); }
void clsKWPNDPreviewA::GoToPagePrevious() { d->window().cmdPages_Click(1); }
void clsKWPNDPreviewA::GoToPageNext() { d->window().cmdPages_Click(2); }
void clsKWPNDPreviewA::GoToPageLast() { d->window().cmdPages_Click(3); }

void clsKWPNDPreviewA::TriggerEvent_FieldSelect(QString& Field) { emit FieldSelect(Field); }

}  // namespace kwpnd
