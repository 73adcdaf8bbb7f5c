#pragma once
// Stationery: a folder of ready-made HTML pages (1.htm, 2.htm, ...) with a
// settings.ini and a styles.css, worked on through a private copy.
//
// clsKWPNDStationaryA copies the host's stationery folder into a fresh
// working folder, tells where the copy and its settings and style files are,
// hands out a reader for the settings file, shows a page in a window with an
// embedded browser and deletes the folders it made on request. The window,
// frmKWPNDStationaryA, pages through the working copy, opens a print preview,
// makes the page editable and reports a double-click in the page as TestEvent.
//
// Hosts link KWPND10::Stationery for these classes; it brings the web
// browser engine, which hosts of the other classes never load.
//
// Failures come back as kwpnd::Error from the call that failed.

#include "kwpnd/ini_file_handler.h"
#include "kwpnd/kwpnd10_stationery_export.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace kwpnd {

class clsKWPNDSettingsFileA;
class frmKWPNDStationaryA;

/// The stationery component. Creating one prepares the library's temporary
/// folders (TempFolder, TempPNDFolder): below the folder named by the
/// environment variable "windir" when it is set, else below a folder private
/// to the user (~/.cache/kwpnd, owner-only). Throws Error 76 when a folder
/// cannot be made (a "windir" pointing nowhere), 75 when the private folder is
/// not the user's own.
class KWPND10_STATIONERY_EXPORT clsKWPNDStationaryA : public QObject {
    Q_OBJECT

public:
    /// Creates the component and prepares the temporary folders (errors above).
    explicit clsKWPNDStationaryA(QObject* parent = nullptr);
    ~clsKWPNDStationaryA() override;

    /// Raises TestEvent; the window calls it on a double-click in the page.
    void RaiseEventPro();

    /// Opens a new, non-modal stationery window on the page file
    /// `sCompiledPage` (a full path) and returns at once; the result is always
    /// empty. Errors of reading the page (53 missing, 75 not a readable HTML
    /// page or too large) come back from here, and no window stays open.
    QVariant ShowStationaryContainer(const QString& sCompiledPage);

    /// The host's stationery folder. Assigning it removes one trailing
    /// separator, prepares the temporary folders, makes a new working folder
    /// with a random nine-digit name below TempPNDFolder (or reuses one that
    /// exists), copies the whole stationery folder into it and then sets
    /// StationarySettingsFile and StationaryStylesFile. Errors: 76 a folder
    /// that does not exist or is not a folder, 75 an unreadable entry, a link
    /// leading out of the folder, an entry that is not a file or folder, more
    /// than 4096 entries or more than 512 MB; nothing is copied then, the
    /// working folder stays empty and the two file paths keep their values.
    QString StationaryPath() const;
    /// Assigns the stationery folder and makes its working copy (see above).
    void StationaryPath(const QString& value);

    /// The folders; every folder preparation resets the first two, each
    /// assignment of StationaryPath the working folder. A host may assign them.
    QString TempFolder() const;
    /// Sets TempFolder, the temporary folder the library's folder lies in.
    void TempFolder(const QString& value);
    /// The library's temporary folder, holding one working folder per assignment.
    QString TempPNDFolder() const;
    /// Sets TempPNDFolder.
    void TempPNDFolder(const QString& value);
    /// The working copy of the stationery folder.
    QString WinPndTempFolder() const;
    /// Sets WinPndTempFolder.
    void WinPndTempFolder(const QString& value);

    /// Delete the folder the property names, with all its content; a folder
    /// that does not exist is no error and the property keeps its value. Only
    /// folders this library made are deleted: any other folder, and always the
    /// system's temporary folder, "/" and the user's home (or a folder holding
    /// them), is refused with Error 75 and left as it is. Links inside are
    /// removed, never followed.
    void ClearTempFolder();
    /// Deletes TempPNDFolder, as ClearTempFolder does TempFolder.
    void ClearTempPNDFolder();
    /// Deletes WinPndTempFolder, as ClearTempFolder does TempFolder.
    void ClearWinPndTempFolder();

    /// A new reader of StationarySettingsFile, each call another one.
    std::unique_ptr<clsKWPNDSettingsFileA> SettingsFileObject();

    /// settings.ini of the working copy; set by each assignment of StationaryPath.
    QString StationarySettingsFile() const;
    /// Sets StationarySettingsFile.
    void StationarySettingsFile(const QString& value);
    /// styles.css of the working copy; set by each assignment of StationaryPath.
    QString StationaryStylesFile() const;
    /// Sets StationaryStylesFile.
    void StationaryStylesFile(const QString& value);

    /// Any object the host keeps here; the library does not use it.
    QObject* StationaryContainerWebBrowser() const;
    /// Keeps `object` for the host (not owned).
    void StationaryContainerWebBrowser(QObject* object);

    /// Whether pages may load remote content (http, https and the like).
    /// Off by default: such loads are blocked and the window says so once per
    /// page. Read when a window shows a page.
    bool AllowRemoteContent() const;
    /// Allows or blocks remote content for pages shown from now on.
    void AllowRemoteContent(bool allow);

    /// The window ShowStationaryContainer opened last, while it is open.
    frmKWPNDStationaryA* StationaryWindow() const;

signals:
    /// The user double-clicked the page shown in one of this component's windows.
    void TestEvent();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// Reads the settings file of a working copy. Hosts get one from
/// clsKWPNDStationaryA::SettingsFileObject.
class KWPND10_STATIONERY_EXPORT clsKWPNDSettingsFileA {
public:
    ~clsKWPNDSettingsFileA();

    /// The INI handler opened on the settings file; null before CreateINIInstance.
    std::shared_ptr<IniFileHandler> goiniStationaryASettingsFileA() const;
    /// Replaces the INI handler the title is read through.
    void goiniStationaryASettingsFileA(std::shared_ptr<IniFileHandler> handler);

    /// Replaces the handler by a new one on the file `sFileName`.
    void CreateINIInstance(const QString& sFileName);

    /// Section "Stationary", key "Title" of the settings file; empty when
    /// missing. Error 91 when there is no handler.
    QString GetStationaryTitle();

private:
    friend class clsKWPNDStationaryA;
    clsKWPNDSettingsFileA();

    std::shared_ptr<IniFileHandler> handler_;
};

/// The stationery window: the page in an embedded browser, buttons "<" and
/// ">" to page through the working copy by page number, "Preview" (print
/// preview), "EDIT" (the page becomes editable) and "&Cancel", and its own
/// context menu "Browser Menu" in place of the browser's. It deletes itself
/// when closed.
class KWPND10_STATIONERY_EXPORT frmKWPNDStationaryA : public QWidget {
    Q_OBJECT

public:
    /// Creates the window, hidden, with no page.
    explicit frmKWPNDStationaryA(QWidget* parent = nullptr);
    ~frmKWPNDStationaryA() override;

    /// The component whose working folder, title and TestEvent the window
    /// uses; when none is set (or it was deleted) the window makes one of its own.
    clsKWPNDStationaryA* moActiveclsKWPNDStationaryA();
    /// Sets the component the window works for.
    void moActiveclsKWPNDStationaryA(clsKWPNDStationaryA* component);

    /// The page file shown last (full path).
    QString gsActivePage() const;

    /// Show the page file `sCompiledPageWithPath`: two message boxes (the
    /// path, then the page's markup), then the markup in the browser with the
    /// page's folder as its base, so style sheets and pictures beside it are
    /// found. Errors: 53 a missing file, 75 one that is not a readable HTML
    /// page or larger than 32 MB; the window keeps its page then.
    void ShowCompiledPage(const QString& sCompiledPageWithPath);
    /// The same, replacing the browser's current document.
    void ShowCompiledPage2(const QString& sCompiledPageWithPath);

    /// Put the window's own context menu in place of the browser's, and back.
    void HookWB();
    /// Gives the browser its own context menu back.
    void UnhookWB();

    /// Runs the event loop until the page shown last has loaded and painted,
    /// or `timeoutMs` pass; false when it did not load.
    bool waitForPage(int timeoutMs = 30000);

signals:
    /// The browser finished loading a page (ok false: it failed).
    void pageLoaded(bool ok);

protected:
    /// Puts the window's context menu in place when it is shown.
    void showEvent(QShowEvent* event) override;
    /// Gives the browser its own context menu back as the window closes.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace kwpnd
