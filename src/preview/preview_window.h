#pragma once
// frmKWPNDPreviewA: the preview window of a preview component. It holds the
// page canvas on which pages are generated, lets a person scroll, zoom and
// page through it, and offers the output commands through keys and a popup
// menu.
//
// The window object lives as long as its component keeps it. Its visual part
// (the widgets of PreviewForm, the canvas and composing surfaces, the file
// handlers) exists only while it is loaded; the first touch of that part
// loads it, and closing the window unloads it again while the members below
// and the private state stay.

#include "engine_api.h"
#include "kwpnd/surface.h"
#include "page_printer.h"
#include "window_design_aids.h"

#include <QPointer>
#include <QSizeF>
#include <QString>
#include <memory>

class QEventLoop;

namespace kwpnd {

class IniFileHandler;
class PreviewForm;
class clsKWPNDPreviewA;

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

    // ---- Lifetime -----------------------------------------------------------
    bool isLoaded() const { return visual_ != nullptr; }
    void load();    // Form_Load; nothing when already loaded
    void unload();  // Form_Unload, then the visual part goes
    // Shows the window (loading it first); a modal show returns when the
    // window has been closed.
    void show(bool modal);
    // The size of the canvas the next load creates (twips).
    void canvasDesignSize(const QSizeF& twips) { canvasDesignSize_ = twips; }

    // ---- Visual parts: each touch loads the window first ---------------------
    PreviewForm& form();
    Surface& CerPrvC();
    Surface& picBarCodePicObj();
    Surface& picBarCodeLabel();
    // Places the canvas's widget where the canvas's Left and Top say.
    void canvasPlacementChanged();

    // Window caption; empty when not loaded.
    QString caption() const;

    // ---- Load sequence steps -------------------------------------------------
    void Form_Paint();
    void GetSettingsINI();
    void ApplySettingsINI();
    void ZoomSet();
    void CreateWindowObjects();
    void DestroyObj();
    void InitScrollRanges();
    void ClearPreviewPicBox();

    // ---- Paging, zoom, scrolling, rulers -------------------------------------
    void cmdPages_Click(std::int16_t Index);
    void GoToPage(double dPageNumber) {}
    void Command1_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Command1_MouseUp(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X, float Y);
    void ZoomPreview(std::int16_t Index);
    // The held zoom button can no longer be released where the window sees
    // it (a modal window or a menu opened, the window lost activation): the
    // zoom loop stops as if it had been released.
    void zoomButtonLost();
    void HScroll1_Change();
    void VScroll1_Change();
    void CreateRuler();
    void DestroyRulers();

    // The zoom view's placement, in the canvas's own units.
    QRectF image1Rect();
    void image1Rect(const QRectF& units);
    // Hides the zoom view and empties its picture (it keeps its place): the
    // page under it changed, or the canvas was put back in place. Nothing
    // when the window is not loaded.
    void dismissZoomView();
    // The mouse wheel over the page scrolls it through the scroll bars (so
    // the rulers follow): `angleDelta` in eighths of a degree as the wheel
    // reports it; the vertical wheel moves VScroll1, the horizontal wheel
    // (or the vertical one with Shift) HScroll1.
    void wheelOverPage(const QPoint& angleDelta, Qt::KeyboardModifiers modifiers);

    // ---- Keys and the preview menu --------------------------------------------
    // Key codes and shift state as the classic codes (input_codes.h). Returns
    // whether the key is one of the window's shortcuts.
    bool Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void mnuPopUpGenerate_Click();
    void mnuPopUpGuides_Click();
    void mnuPopUpAdjusters_Click();
    // Opens the preview menu at a screen position (a right click on the canvas).
    void showPreviewMenu(const QPoint& globalPosition);

    // ---- Barcode sheets: the composing surfaces and their menu -------------------
    void mnuBarcodeSheetMenuCopyBarcode_Click();
    void mnuBarcodeSheetMenuHideLabel_Click();
    void mnuBarcodeSheetMenuShowbarCode_Click();
    void picBarCodePicObj_DblClick();
    // The label text editor; generates the preview again when it completes.
    void picBarCodeLabel_DblClick();
    // Opens the barcode sheet menu at a screen position (a right click on the
    // label surface).
    void showBarcodeSheetMenu(const QPoint& globalPosition);
    // Shows and places the views of the composing surfaces as the surfaces'
    // Visible, Left, Top and size say.
    void syncComposingViews();

    // ---- Output commands -------------------------------------------------------
    void PreviewGenerate();
    void PreviewClear();
    void PreviewCopy() override;
    void PreviewSave();
    void PreviewSaveNow(const QString& sFileName);
    void PreviewPrint();
    void PreviewPrintDirect() override;
    void PreviewEmail();
    void PreviewSettings();
    void PreviewSettingsRefresh();

    // Printer settings of the last direct print.
    std::int16_t printCopies() const { return miPrintCopies; }
    std::int16_t printShowDialog() const { return miPrintShowDialog; }
    // The output chosen in the print dialog; by default the default printer.
    const PrintOutput& chosenOutput() const { return chosenOutput_; }
    QString chosenPrinter() const { return chosenOutput_.printerName; }
    // The error number of the last direct print's reported failure; 0 when
    // it printed every copy (or printed nothing).
    int lastPrintError() const { return lastPrintError_; }

    GenerationDriver& driver() { return driver_; }

    // ---- GenerationHost --------------------------------------------------------
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
    void ClearAdjusters() override;
    void DrawGuides(double xLeft, double yTop, const QString& section) override;
    void DrawAdjusters(const QString& type, double xLeft, double yTop, const QString& section, int index,
                       const QString& description) override;
    // The design aids of this window; null when none were registered.
    WindowDesignAids* designAids() const { return designAids_.get(); }
    bool afterGenerateActionsOn() const override;
    Picture captureWindow(QObject* control) override;
    // picBarCodePicObj and picBarCodeLabel, on which barcode sheets compose.
    ComposingSurfaces composingSurfaces() override;
    void composingSurfacesChanged() override { syncComposingViews(); }

private:
    struct Visual;
    Visual& visual();
    // Reads a "Printer" key as a 16-bit number (the leading number, rounded).
    std::int16_t printerSetting(const QString& key);
    void readPrinterSettings();
    void setScrollRanges(int widthTwips, int heightTwips);
    // Sets the scroll ranges anew when the canvas's size has changed since.
    void scrollRangesFollowCanvas();
    void printOneCopy();

    // Private state kept while the window is unloaded.
    QString msWindowTitle;
    bool mbZoomButtonDown = false;
    std::int16_t miPrintCopies = 0;
    std::int16_t miPrintShowDialog = 0;
    PrintOutput chosenOutput_;
    int lastPrintError_ = 0;

    QSizeF canvasDesignSize_{kCanvasDesignWidth, kCanvasDesignHeight};
    std::unique_ptr<Visual> visual_;
    QEventLoop* modalLoop_ = nullptr;
    GenerationDriver driver_;
    std::unique_ptr<WindowDesignAids> designAids_;
};

// The window of a component, created (not loaded) on first need.
frmKWPNDPreviewA& windowOf(clsKWPNDPreviewA& component);

}  // namespace kwpnd
