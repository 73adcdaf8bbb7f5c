#pragma once
// clsKWPNDPreviewA: the preview component, the library's entry point.
//
// A host creates one with clsKWPNDPreviewA::create() (the newest component is
// the process's active one: its window reads every property and registry
// through it), names the layout and data files, sets pictures, a watermark
// and flags, registers content, then calls InitialiseForm, Generate, Save or
// ShowUI. Failures come back as kwpnd::Error from the call that failed.

#include "kwpnd/collection.h"
#include "kwpnd/picture.h"
#include "kwpnd/surface.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

namespace kwpnd {

class frmKWPNDPreviewA;
class IniFileHandler;

class clsKWPNDPreviewA : public QObject {
    Q_OBJECT
    struct Token {};

public:
    // Creates a component and makes it the active one (replacing the previous).
    static std::shared_ptr<clsKWPNDPreviewA> create();
    explicit clsKWPNDPreviewA(Token);
    ~clsKWPNDPreviewA() override;

    // Content registries, created empty on first touch; live, shared objects.
    CollectionRef mcolSettings();
    void mcolSettings(CollectionRef c);
    CollectionRef mcolPages();
    void mcolPages(CollectionRef c);
    CollectionRef mcolPictures();
    void mcolPictures(CollectionRef c);
    CollectionRef mcolFlexGrids();
    void mcolFlexGrids(CollectionRef c);
    CollectionRef mcolListviews();
    void mcolListviews(CollectionRef c);
    CollectionRef mcolStrings();
    void mcolStrings(CollectionRef c);
    CollectionRef mcolWebbrowsers();
    void mcolWebbrowsers(CollectionRef c);

    Picture Logo() const { return logo_; }
    void Logo(const Picture& p) { logo_ = p; }
    Picture Signature() const { return signature_; }
    void Signature(const Picture& p) { signature_ = p; }
    PND_SCALEMODE ScaleMode() const { return scaleMode_; }
    void ScaleMode(PND_SCALEMODE mode) { scaleMode_ = mode; }
    Picture BackPicture() const { return backPicture_; }
    void BackPicture(const Picture& p) { backPicture_ = p; }
    QString SettingFile() const { return settingFile_; }
    // Stores the path, then sets SettingFolder; a missing file: error 53
    // (the path stays stored, SettingFolder unchanged).
    void SettingFile(const QString& path);
    QString SettingFolder() const { return settingFolder_; }
    void SettingFolder(const QString& folder) { settingFolder_ = folder; }
    QString Watermark() const { return watermark_; }
    void Watermark(const QString& text) { watermark_ = text; }
    bool Rulers() const { return rulers_; }
    void Rulers(bool on) { rulers_ = on; }
    bool Paging() const { return paging_; }
    void Paging(bool on) { paging_ = on; }
    bool PreviewGenerate() const { return previewGenerate_; }
    // True arms the window: it is created if needed and gets a snapshot of
    // SettingFile and DataFile.
    void PreviewGenerate(bool on);
    // Whether the window's first load generates the page when generation is
    // armed (true by default). InitialiseForm erases a page generated at
    // load, so a host that calls InitialiseForm and then Generate sets this
    // to false and every page is generated, reported and printed once.
    bool GenerateOnLoad() const { return generateOnLoad_; }
    void GenerateOnLoad(bool on) { generateOnLoad_ = on; }
    // Whether a generation runs the layout's after-generation actions
    // ([Preview] PrintAfterGenerate and CopyToClipboard); true by default.
    bool AfterGenerateActions() const { return afterGenerateActions_; }
    void AfterGenerateActions(bool on) { afterGenerateActions_ = on; }
    // How many writes to the data file (such as a label sheet's
    // BarcodeEndNumber) failed in this component's window; each failure was
    // also reported. 0 when the window was never created.
    int FailedDataWrites() const;
    bool Mixmode() const { return mixmode_; }
    void Mixmode(bool on) { mixmode_ = on; }
    bool Guides() const { return guides_; }
    void Guides(bool on) { guides_ = on; }
    bool Adjusters() const { return adjusters_; }
    void Adjusters(bool on) { adjusters_ = on; }
    QString DataFile() const { return dataFile_; }
    void DataFile(const QString& path) { dataFile_ = path; }
    Picture Picture1() const { return pictures_[0]; }
    void Picture1(const Picture& p) { pictures_[0] = p; }
    Picture Picture2() const { return pictures_[1]; }
    void Picture2(const Picture& p) { pictures_[1] = p; }
    Picture Picture3() const { return pictures_[2]; }
    void Picture3(const Picture& p) { pictures_[2] = p; }
    Picture Picture4() const { return pictures_[3]; }
    void Picture4(const Picture& p) { pictures_[3] = p; }
    std::shared_ptr<frmKWPNDPreviewA> PreviewForm() const { return previewForm_; }
    void PreviewForm(std::shared_ptr<frmKWPNDPreviewA> form) { previewForm_ = std::move(form); }

    // Registers a snapshot of the page canvas and the current SettingFile
    // under sKey (from the 36th page on, a "Limits exceed" box first).
    void AddToPages(const QString& sKey);
    CollectionRef Pages() { return mcolPages(); }
    CollectionRef Settings() { return mcolSettings(); }
    void AddToPictures(Picture& ipPicture, const QString& sKey);
    CollectionRef Pictures() { return mcolPictures(); }
    void AddToFlexGrids(QObject* oFlexGridObject, const QString& sKey);
    CollectionRef FlexGrids() { return mcolFlexGrids(); }
    void AddToWebbrowsers(QObject* oWebBrowserObject, const QString& sKey);
    CollectionRef Webbrowsers() { return mcolWebbrowsers(); }
    void AddToListviews(QObject* oListviewObject, const QString& sKey);
    CollectionRef Listviews() { return mcolListviews(); }
    void AddToStrings(const QString& sString, const QString& sKey);
    CollectionRef Strings() { return mcolStrings(); }

    // Loads the window, erases, scales and sizes the page canvas from the
    // layout's "PreviewWindow" section. An extent of 0 takes the default
    // printer's page (A4 when there is no printer).
    void InitialiseForm(double dHeight = 31, double dWidth = 22, std::optional<double> dScaleHeight = {},
                        std::optional<double> dScaleWidth = {}, QObject* oAppObject = nullptr);
    // Shows the window; modal calls return when it closes.
    void ShowUI(QObject* oAppObject, bool bModal = true);
    // Releases the component's own file handlers.
    void DestroyObj();

    void PrintNow();
    void Clear();
    void Generate();
    void Save(const QString& sFileName);
    void Email();
    void GoToPageFirst();
    void GoToPagePrevious();
    void GoToPageNext();
    void GoToPageLast();

    // Raises FieldSelect with the caller's variable (handlers may change it).
    void TriggerEvent_FieldSelect(QString& Field);

    // The component's window, created (not loaded) on first need.
    frmKWPNDPreviewA& window();

signals:
    void FieldSelect(QString& Field);

private:
    CollectionRef& registry(CollectionRef& slot);
    IniFileHandler& readingHandler();

    CollectionRef settings_, pages_, pictureRegistry_, flexGrids_, listviews_, strings_, webbrowsers_;
    Picture logo_, signature_, backPicture_;
    Picture pictures_[4];
    PND_SCALEMODE scaleMode_ = smUser;
    QString settingFile_, settingFolder_, watermark_, dataFile_;
    bool rulers_ = false, paging_ = false, previewGenerate_ = false, mixmode_ = false;
    bool guides_ = false, adjusters_ = false;
    bool generateOnLoad_ = true, afterGenerateActions_ = true;
    std::shared_ptr<frmKWPNDPreviewA> window_;
    std::shared_ptr<frmKWPNDPreviewA> previewForm_;
    std::unique_ptr<IniFileHandler> ini1_, ini2_;
};

// The process's active preview component; a new one is created and
// registered when there is none.
std::shared_ptr<clsKWPNDPreviewA> goActivePreview();

}  // namespace kwpnd
