#pragma once
/// @file
/// clsKWPNDPreviewA: the preview component, the library's entry point.
///
/// A host creates one with clsKWPNDPreviewA::create() (the newest component is
/// the process's active one: its window reads every property and registry
/// through it), names the layout and data files, sets pictures, a watermark
/// and flags, registers content, then calls InitialiseForm, Generate, Save or
/// ShowUI. Failures come back as kwpnd::Error from the call that failed.
/// Properties are overloaded pairs: `X()` reads, `X(value)` writes.

#include "kwpnd/collection.h"
#include "kwpnd/kwpnd10_export.h"
#include "kwpnd/picture.h"
#include "kwpnd/surface.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace kwpnd {

/// The preview component: the document's properties, its content
/// registries, its preview window and the page output.
class KWPND10_EXPORT clsKWPNDPreviewA : public QObject {
    Q_OBJECT
    struct Token {};

public:
    /// Creates a component and makes it the active one (replacing and
    /// releasing the previous one).
    static std::shared_ptr<clsKWPNDPreviewA> create();
    /// Use create(): the token keeps construction to it.
    explicit clsKWPNDPreviewA(Token);
    /// Releases the registries and the component's file handlers; the
    /// window is not closed.
    ~clsKWPNDPreviewA() override;

    /// @name Content registries
    /// Created empty on first touch; live objects shared with the host, who
    /// may also assign a collection of its own.
    /// @{
    CollectionRef mcolSettings();               ///< Layout file of each registered page.
    void mcolSettings(CollectionRef c);         ///< Replaces the registry.
    CollectionRef mcolPages();                  ///< Registered page snapshots (Picture).
    void mcolPages(CollectionRef c);            ///< Replaces the registry.
    CollectionRef mcolPictures();               ///< Pictures for "PicFromPictures" fields.
    void mcolPictures(CollectionRef c);         ///< Replaces the registry.
    CollectionRef mcolFlexGrids();              ///< Grid controls (QObject*).
    void mcolFlexGrids(CollectionRef c);        ///< Replaces the registry.
    CollectionRef mcolListviews();              ///< List-view controls (QObject*).
    void mcolListviews(CollectionRef c);        ///< Replaces the registry.
    CollectionRef mcolStrings();                ///< Strings for "StrFromStrings" fields.
    void mcolStrings(CollectionRef c);          ///< Replaces the registry.
    CollectionRef mcolWebbrowsers();            ///< Web-browser controls (QObject*).
    void mcolWebbrowsers(CollectionRef c);      ///< Replaces the registry.
    /// @}

    /// @name Properties
    /// @{
    Picture Logo() const;                       ///< Picture of "Logo" fields; empty by default.
    void Logo(const Picture& p);                ///< Sets the logo.
    Picture Signature() const;                  ///< Picture of "Signature" fields; empty by default.
    void Signature(const Picture& p);           ///< Sets the signature.
    PND_SCALEMODE ScaleMode() const;            ///< Unit of the layout's positions; smUser by default.
    void ScaleMode(PND_SCALEMODE mode);         ///< Taken by the next InitialiseForm.
    Picture BackPicture() const;                ///< Background of the page; empty by default.
    void BackPicture(const Picture& p);         ///< Taken by the next InitialiseForm.
    QString SettingFile() const;                ///< Path of the layout file.
    /// Stores the path, then sets SettingFolder; a missing file: error 53
    /// (the path stays stored, SettingFolder unchanged).
    void SettingFile(const QString& path);
    QString SettingFolder() const;              ///< Folder of the layout file.
    void SettingFolder(const QString& folder);  ///< Sets the folder, stored only.
    QString Watermark() const;                  ///< Text stamped at every drawn field.
    void Watermark(const QString& text);        ///< Sets the watermark; empty: none.
    bool Rulers() const;                        ///< Whether the window shows rulers.
    void Rulers(bool on);                       ///< Shows rulers in windows loaded later.
    bool Paging() const;                        ///< Whether the window shows the paging bar.
    void Paging(bool on);                       ///< Taken by the next InitialiseForm.
    bool PreviewGenerate() const;               ///< Whether generation is armed.
    /// True arms the window: it is created if needed and gets a snapshot of
    /// SettingFile and DataFile.
    void PreviewGenerate(bool on);
    /// Whether the window's first load generates the page when generation is
    /// armed (true by default). InitialiseForm erases a page generated at
    /// load, so a host that calls InitialiseForm and then Generate sets this
    /// to false and every page is generated, reported and printed once.
    bool GenerateOnLoad() const;
    void GenerateOnLoad(bool on);               ///< See GenerateOnLoad().
    /// Whether a generation runs the layout's after-generation actions
    /// ([Preview] PrintAfterGenerate and CopyToClipboard); true by default.
    bool AfterGenerateActions() const;
    void AfterGenerateActions(bool on);         ///< See AfterGenerateActions().
    /// How many writes to the data file (such as a label sheet's
    /// BarcodeEndNumber) failed in this component's window; each failure was
    /// also reported. 0 when the window was never created.
    int FailedDataWrites() const;
    bool Mixmode() const;                       ///< Stored for the host; no effect.
    void Mixmode(bool on);                      ///< Stores the flag.
    bool Guides() const;                        ///< Whether fields get guide crosses.
    void Guides(bool on);                       ///< Taken by the next InitialiseForm.
    bool Adjusters() const;                     ///< Whether fields get adjusters.
    void Adjusters(bool on);                    ///< Taken by the next InitialiseForm.
    QString DataFile() const;                   ///< Path of the data file.
    void DataFile(const QString& path);         ///< Stores the path (not checked).
    Picture Picture1() const;                   ///< Picture of "Picture1" fields.
    void Picture1(const Picture& p);            ///< Sets Picture1.
    Picture Picture2() const;                   ///< Picture of "Picture2" fields.
    void Picture2(const Picture& p);            ///< Sets Picture2.
    Picture Picture3() const;                   ///< Picture of "Picture3" fields.
    void Picture3(const Picture& p);            ///< Sets Picture3.
    Picture Picture4() const;                   ///< Picture of "Picture4" fields.
    void Picture4(const Picture& p);            ///< Sets Picture4.
    /// The preview window's widget as InitialiseForm last set it (or the
    /// host assigned); null before, and once that window has closed.
    QWidget* PreviewForm() const;
    void PreviewForm(QWidget* form);            ///< Assigns a widget; never read back.
    /// @}

    /// @name Registering content
    /// A key already present in the registry (in any letter case): error 457,
    /// the registry unchanged.
    /// @{

    /// Registers a snapshot of the page canvas and the current SettingFile
    /// under sKey (from the 36th page on, a "Limits exceed" box first).
    void AddToPages(const QString& sKey);
    CollectionRef Pages();                      ///< mcolPages().
    CollectionRef Settings();                   ///< mcolSettings().
    /// Registers a picture for "PicFromPictures" fields.
    void AddToPictures(Picture& ipPicture, const QString& sKey);
    CollectionRef Pictures();                   ///< mcolPictures().
    /// Registers a grid control (held by reference, kind not checked).
    void AddToFlexGrids(QObject* oFlexGridObject, const QString& sKey);
    CollectionRef FlexGrids();                  ///< mcolFlexGrids().
    /// Registers a web-browser control (held by reference, kind not checked).
    void AddToWebbrowsers(QObject* oWebBrowserObject, const QString& sKey);
    CollectionRef Webbrowsers();                ///< mcolWebbrowsers().
    /// Registers a list-view control (held by reference, kind not checked).
    void AddToListviews(QObject* oListviewObject, const QString& sKey);
    CollectionRef Listviews();                  ///< mcolListviews().
    /// Registers a string for "StrFromStrings" fields.
    void AddToStrings(const QString& sString, const QString& sKey);
    CollectionRef Strings();                    ///< mcolStrings().
    /// @}

    /// Loads the window, erases, scales and sizes the page canvas from the
    /// layout's "PreviewWindow" section. An extent of 0 takes the default
    /// printer's page (A4 when there is no printer). dScaleHeight and
    /// dScaleWidth are accepted and not used. A missing or non-numeric Height
    /// or Width: error 13; after DestroyObj: error 91.
    void InitialiseForm(double dHeight = 31, double dWidth = 22, std::optional<double> dScaleHeight = {},
                        std::optional<double> dScaleWidth = {}, QObject* oAppObject = nullptr);
    /// Shows the window; modal calls return when it closes.
    void ShowUI(QObject* oAppObject, bool bModal = true);
    /// Releases the component's own file handlers.
    void DestroyObj();

    /// @name Window commands
    /// @{

    /// Prints the page as the window's Print command does ([Printer] copies,
    /// titles, dialog); a failure is reported and kept in lastPrintError().
    void PrintNow();
    void Clear();                               ///< Erases the page canvas.
    void Generate();                            ///< Generates the page (failures reported per field).
    /// Saves the page as a bitmap (BMP whatever the extension); errors as
    /// for SavePicture (75, 76).
    void Save(const QString& sFileName);
    void Email();                               ///< Shows the mail command's message.
    void GoToPageFirst();                       ///< Shows the first registered page.
    void GoToPagePrevious();                    ///< Shows the previous registered page.
    void GoToPageNext();                        ///< Shows the next registered page.
    void GoToPageLast();                        ///< Shows the last registered page.
    /// @}

    /// Raises FieldSelect with the caller's variable (handlers may change it).
    void TriggerEvent_FieldSelect(QString& Field);

    /// @name Output for hosts
    /// @{

    /// Writes the page on the canvas to `path`, in the format its extension
    /// names: .png or .bmp (the 96 dpi raster) or .pdf (one page of the
    /// page's physical size, 15 twips a pixel, redrawn as vectors). Any other
    /// extension: error 5; a canvas without area: error 481; a folder that
    /// does not exist: error 76; a file that cannot be written: error 75.
    void writePage(const QString& path);
    /// Writes one PDF of the page on the canvas followed by every registered
    /// page (mcolPages, in order), each page at its own physical size; a
    /// registered page that is the canvas's own snapshot is not repeated.
    /// Nothing to write (no canvas area, no registered page): error 481; a
    /// registry item that is not a picture: error 13; folder and file errors
    /// as for writePage.
    void writePagesPdf(const QString& path);
    /// A picture of the whole preview window as shown: the window is shown
    /// modeless (loaded first) when it is not visible, and stays open.
    QImage grabWindow();
    /// Writes grabWindow() to `path` (.png or .bmp; anything else: error 5;
    /// folder and file errors as for writePage).
    void writeWindowImage(const QString& path);
    /// Closes the window as its user would: it unloads and a modal ShowUI
    /// returns. Nothing when it is not loaded.
    void closeWindow();
    /// The error number of the last print of this component's window
    /// (PrintNow, the window's Print command, printing after generation):
    /// 0 when every copy was handed to the printer or nothing was printed,
    /// else the failure's number, such as 482 when there is no printer.
    int lastPrintError() const;
    /// @}

signals:
    /// Raised only by TriggerEvent_FieldSelect; handlers may change Field.
    void FieldSelect(QString& Field);

public:
    /// Private implementation.
    class Private;

private:
    std::unique_ptr<Private> d;
};

/// The process's active preview component; a new one is created and
/// registered when there is none.
KWPND10_EXPORT std::shared_ptr<clsKWPNDPreviewA> goActivePreview();

}  // namespace kwpnd
