#include "kwpnd/preview.h"

#include "default_page.h"
#include "engine_api.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "preview_window.h"
#include "qt_dialogs.h"

#include <QFileInfo>

namespace kwpnd {

namespace {
constexpr int kPagesBeforeWarning = 35;

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

clsKWPNDPreviewA::clsKWPNDPreviewA(Token)
    : ini1_(std::make_unique<IniFileHandler>()), ini2_(std::make_unique<IniFileHandler>())
{
    installWidgetDialogs();
}

clsKWPNDPreviewA::~clsKWPNDPreviewA()
{
    settings_.reset();
    pages_.reset();
    pictureRegistry_.reset();
    strings_.reset();
    flexGrids_.reset();
    listviews_.reset();
    webbrowsers_.reset();
    DestroyObj();
}

CollectionRef& clsKWPNDPreviewA::registry(CollectionRef& slot)
{
    if (!slot)
        slot = std::make_shared<Collection>();
    return slot;
}

CollectionRef clsKWPNDPreviewA::mcolSettings() { return registry(settings_); }
void clsKWPNDPreviewA::mcolSettings(CollectionRef c) { settings_ = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolPages() { return registry(pages_); }
void clsKWPNDPreviewA::mcolPages(CollectionRef c) { pages_ = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolPictures() { return registry(pictureRegistry_); }
void clsKWPNDPreviewA::mcolPictures(CollectionRef c) { pictureRegistry_ = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolFlexGrids() { return registry(flexGrids_); }
void clsKWPNDPreviewA::mcolFlexGrids(CollectionRef c) { flexGrids_ = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolListviews() { return registry(listviews_); }
void clsKWPNDPreviewA::mcolListviews(CollectionRef c) { listviews_ = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolStrings() { return registry(strings_); }
void clsKWPNDPreviewA::mcolStrings(CollectionRef c) { strings_ = std::move(c); }
CollectionRef clsKWPNDPreviewA::mcolWebbrowsers() { return registry(webbrowsers_); }
void clsKWPNDPreviewA::mcolWebbrowsers(CollectionRef c) { webbrowsers_ = std::move(c); }

void clsKWPNDPreviewA::SettingFile(const QString& path)
{
    settingFile_ = path;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw Error::detailed(ErrorNumber::FileNotFound, path);
    settingFolder_ = info.absolutePath();
}

frmKWPNDPreviewA& clsKWPNDPreviewA::window()
{
    if (!window_)
        window_ = std::make_shared<frmKWPNDPreviewA>();
    return *window_;
}

int clsKWPNDPreviewA::FailedDataWrites() const { return window_ ? window_->driver().failedDataWrites() : 0; }

void clsKWPNDPreviewA::PreviewGenerate(bool on)
{
    previewGenerate_ = on;
    if (!on)
        return;
    frmKWPNDPreviewA& w = window();
    w.msSettingFile = settingFile_;
    w.msDataFile = dataFile_;
    w.mbPreviewGenerate = true;
}

void clsKWPNDPreviewA::AddToPages(const QString& sKey)
{
    const Picture snapshot = window().CerPrvC().Image();
    if (mcolPages()->Count() >= kPagesBeforeWarning)
        Dialogs::current().messageBox(QStringLiteral("Limits exceed"), MsgButtons::OK, MsgIcon::None, QString());
    mcolPages()->Add(QVariant::fromValue(snapshot), sKey);
    mcolSettings()->Add(settingFile_, sKey);
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

IniFileHandler& clsKWPNDPreviewA::readingHandler()
{
    if (!ini1_)
        throw Error(ErrorNumber::ObjectNotSet);
    return *ini1_;
}

void clsKWPNDPreviewA::InitialiseForm(double dHeight, double dWidth, std::optional<double>, std::optional<double>,
                                      QObject* oAppObject)
{
    frmKWPNDPreviewA& w = window();
    w.moAppobjectFromClass = oAppObject;
    w.miScaleMode = scaleMode_;
    w.mbGuides = guides_;
    w.mbAdjusters = adjusters_;
    w.mbPaging = paging_;

    Surface& canvas = w.CerPrvC();  // the first touch loads the window
    canvas.Cls();
    canvas.ScaleMode(scaleMode_);
    canvas.BackColor(0xFFFFFF);
    const QSizeF page = (dHeight == 0 || dWidth == 0) ? defaultPrinterPageTwips() : QSizeF();
    canvas.ScaleHeight(static_cast<float>(dHeight == 0 ? page.height() : dHeight));
    canvas.ScaleWidth(static_cast<float>(dWidth == 0 ? page.width() : dWidth));

    IniFileHandler& ini = readingHandler();
    auto windowSize = [&](const char* key) {
        ini.Path(settingFile_);
        ini.section(QStringLiteral("PreviewWindow"));
        ini.Key(QLatin1String(key));
        const QString text = ini.Value();
        // An empty or foreign file has no page size: say what is missing.
        if (text.trimmed().isEmpty())
            throw Error::detailed(ErrorNumber::TypeMismatch,
                                  QStringLiteral("the layout %1 has no %2 in its [PreviewWindow] section "
                                                 "(the page's size in twips)")
                                      .arg(settingFile_, QLatin1String(key)));
        return static_cast<float>(toStrictDouble(text));
    };
    canvas.Height(windowSize("Height"));
    canvas.Width(windowSize("Width"));

    canvas.ScaleMode(scaleMode_);
    canvas.Move(0, 0);
    w.canvasPlacementChanged();
    canvas.Picture(backPicture_);
    previewForm_ = window_;
}

void clsKWPNDPreviewA::ShowUI(QObject* oAppObject, bool bModal)
{
    frmKWPNDPreviewA& w = window();
    w.moAppobjectFromClass = oAppObject;
    w.show(bModal);
}

void clsKWPNDPreviewA::DestroyObj()
{
    ini1_.reset();
    ini2_.reset();
}

void clsKWPNDPreviewA::PrintNow() { window().PreviewPrint(); }
void clsKWPNDPreviewA::Clear() { window().PreviewClear(); }
void clsKWPNDPreviewA::Generate() { window().PreviewGenerate(); }
void clsKWPNDPreviewA::Save(const QString& sFileName) { window().PreviewSaveNow(sFileName); }
void clsKWPNDPreviewA::Email() { window().PreviewEmail(); }
void clsKWPNDPreviewA::GoToPageFirst() { window().cmdPages_Click(0); }
void clsKWPNDPreviewA::GoToPagePrevious() { window().cmdPages_Click(1); }
void clsKWPNDPreviewA::GoToPageNext() { window().cmdPages_Click(2); }
void clsKWPNDPreviewA::GoToPageLast() { window().cmdPages_Click(3); }

void clsKWPNDPreviewA::TriggerEvent_FieldSelect(QString& Field) { emit FieldSelect(Field); }

}  // namespace kwpnd
