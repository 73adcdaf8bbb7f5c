#include "kwpnd/stationery.h"

#include "stationery_deps.h"
#include "stationery_folders.h"
#include "working_copy.h"

#include <QPointer>

namespace kwpnd {

using namespace stationery;

struct KWPND10_STATIONERY_NO_EXPORT clsKWPNDStationaryA::Private {
    QString stationaryPath;
    QString tempFolder;
    QString tempPndFolder;
    QString winPndTempFolder;
    QString settingsFile;
    QString stylesFile;
    QPointer<QObject> webBrowser;
    bool allowRemote = false;
    QPointer<frmKWPNDStationaryA> window;

    void prepareFolders()
    {
        const TempFolders folders = prepareTempFolders();
        tempFolder = folders.tempFolder;
        tempPndFolder = folders.tempPndFolder;
    }
};

clsKWPNDStationaryA::clsKWPNDStationaryA(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->prepareFolders();
}

clsKWPNDStationaryA::~clsKWPNDStationaryA() = default;

void clsKWPNDStationaryA::RaiseEventPro() { emit TestEvent(); }

QVariant clsKWPNDStationaryA::ShowStationaryContainer(const QString& sCompiledPage)
{
    auto window = std::make_unique<frmKWPNDStationaryA>();
    window->moActiveclsKWPNDStationaryA(this);
    window->ShowCompiledPage(sCompiledPage);
    window->show();
    d->window = window.release();  // deletes itself when closed
    return {};
}

QString clsKWPNDStationaryA::StationaryPath() const { return d->stationaryPath; }

void clsKWPNDStationaryA::StationaryPath(const QString& value)
{
    // One trailing separator goes; a second one stays.
    d->stationaryPath = value.endsWith(QLatin1Char('/')) ? value.chopped(1) : value;
    d->prepareFolders();
    d->winPndTempFolder = joinPath(d->tempPndFolder, QString::number(RandomInRange(100000000, 999999999)));
    makeFolder(d->winPndTempFolder);
    copyStationery(d->stationaryPath, d->winPndTempFolder);
    d->settingsFile = joinPath(d->winPndTempFolder, QStringLiteral("settings.ini"));
    d->stylesFile = joinPath(d->winPndTempFolder, QStringLiteral("styles.css"));
}

QString clsKWPNDStationaryA::TempFolder() const { return d->tempFolder; }
void clsKWPNDStationaryA::TempFolder(const QString& value) { d->tempFolder = value; }
QString clsKWPNDStationaryA::TempPNDFolder() const { return d->tempPndFolder; }
void clsKWPNDStationaryA::TempPNDFolder(const QString& value) { d->tempPndFolder = value; }
QString clsKWPNDStationaryA::WinPndTempFolder() const { return d->winPndTempFolder; }
void clsKWPNDStationaryA::WinPndTempFolder(const QString& value) { d->winPndTempFolder = value; }

void clsKWPNDStationaryA::ClearTempFolder() { deleteMadeFolder(d->tempFolder); }
void clsKWPNDStationaryA::ClearTempPNDFolder() { deleteMadeFolder(d->tempPndFolder); }
void clsKWPNDStationaryA::ClearWinPndTempFolder() { deleteMadeFolder(d->winPndTempFolder); }

std::unique_ptr<clsKWPNDSettingsFileA> clsKWPNDStationaryA::SettingsFileObject()
{
    std::unique_ptr<clsKWPNDSettingsFileA> reader(new clsKWPNDSettingsFileA);
    reader->CreateINIInstance(d->settingsFile);
    return reader;
}

QString clsKWPNDStationaryA::StationarySettingsFile() const { return d->settingsFile; }
void clsKWPNDStationaryA::StationarySettingsFile(const QString& value) { d->settingsFile = value; }
QString clsKWPNDStationaryA::StationaryStylesFile() const { return d->stylesFile; }
void clsKWPNDStationaryA::StationaryStylesFile(const QString& value) { d->stylesFile = value; }

QObject* clsKWPNDStationaryA::StationaryContainerWebBrowser() const { return d->webBrowser; }
void clsKWPNDStationaryA::StationaryContainerWebBrowser(QObject* object) { d->webBrowser = object; }

bool clsKWPNDStationaryA::AllowRemoteContent() const { return d->allowRemote; }
void clsKWPNDStationaryA::AllowRemoteContent(bool allow) { d->allowRemote = allow; }

frmKWPNDStationaryA* clsKWPNDStationaryA::StationaryWindow() const { return d->window; }

// ---- clsKWPNDSettingsFileA ----------------------------------------------------------

clsKWPNDSettingsFileA::clsKWPNDSettingsFileA() = default;
clsKWPNDSettingsFileA::~clsKWPNDSettingsFileA() = default;

std::shared_ptr<IniFileHandler> clsKWPNDSettingsFileA::goiniStationaryASettingsFileA() const { return handler_; }

void clsKWPNDSettingsFileA::goiniStationaryASettingsFileA(std::shared_ptr<IniFileHandler> handler)
{
    handler_ = std::move(handler);
}

void clsKWPNDSettingsFileA::CreateINIInstance(const QString& sFileName)
{
    auto handler = std::make_shared<IniFileHandler>();
    handler->Path(sFileName);
    handler_ = std::move(handler);
}

QString clsKWPNDSettingsFileA::GetStationaryTitle()
{
    if (!handler_)
        throw Error(ErrorNumber::ObjectNotSet);
    handler_->section(QStringLiteral("Stationary"));
    handler_->Key(QStringLiteral("Title"));
    return handler_->Value();
}

}  // namespace kwpnd
