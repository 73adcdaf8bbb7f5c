#pragma once
// frmKWPNDPreviewA: the preview window of a preview component. It holds the
// page canvas on which pages are generated and the output commands that act
// on it. The window object lives as long as its component keeps it; its
// visual part (canvas, composing surfaces, file handlers) exists only while
// it is loaded, and the first touch of that part loads it.

#include "engine/generation_driver.h"
#include "engine/generation_host.h"
#include "kwpnd/surface.h"

#include <QPointer>
#include <QString>
#include <memory>

class QDialog;

namespace kwpnd {

class IniFileHandler;

class frmKWPNDPreviewA : public GenerationHost {
public:
    // Design size of the page canvas, in twips.
    static constexpr double kCanvasDesignWidth = 12529;
    static constexpr double kCanvasDesignHeight = 9128;

    frmKWPNDPreviewA();
    ~frmKWPNDPreviewA() override;

    // Members written by the component.
    QPointer<QObject> moAppobjectFromClass;
    std::int16_t miScaleMode = 0;
    QString msSettingFile;
    QString msDataFile;
    bool mbPreviewGenerate = false;
    bool mbPaging = false;
    bool mbGuides = false;
    bool mbAdjusters = false;

    bool isLoaded() const { return visual_ != nullptr; }
    void load();     // Form_Load (runs only when not loaded)
    void unload();   // Form_Unload
    QString caption() const;
    bool pagingBarVisible() const;
    int hScrollMax() const;
    int vScrollMax() const;

    // Visual parts: each touch loads the window first.
    Surface& CerPrvC();
    Surface& picBarCodePicObj();
    Surface& picBarCodeLabel();

    // Generation and the output commands.
    void PreviewGenerate();
    void PreviewClear();
    void PreviewCopy() override;
    void PreviewSaveNow(const QString& sFileName);
    void PreviewPrint();
    void PreviewPrintDirect() override;
    void PreviewEmail();
    void PreviewSettings();
    void cmdPages_Click(std::int16_t index);

    void show(bool modal);

    GenerationDriver& driver() { return driver_; }

    // GenerationHost
    Surface& canvas() override { return CerPrvC(); }
    QString settingFile() const override { return msSettingFile; }
    QString dataFile() const override { return msDataFile; }
    IniFileHandler& readingHandler() override;
    IniFileHandler& secondHandler() override;
    QString watermark() override;
    QString registeredString(const QString& key) override;
    Picture registeredPicture(const QString& key) override;
    QObject* registeredControl(ControlRegistry registry, const QString& key) override;
    Picture componentPicture(const QString& name) override;
    QObject* applicationObject() override { return moAppobjectFromClass.data(); }
    bool guidesOn() const override { return mbGuides; }
    bool adjustersOn() const override { return mbAdjusters; }

private:
    struct Visual;
    void InitScrollRanges();
    [[noreturn]] static void notAvailableYet(const char* operation);

    std::unique_ptr<Visual> visual_;
    GenerationDriver driver_;
};

}  // namespace kwpnd
