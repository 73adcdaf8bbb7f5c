#include "web_parts.h"

#include <kwpnd/error.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

// Where the install puts the plugin, relative to the tool's folder.
#ifndef KWPND_WEB_PLUGIN_FROM_BIN
#error "KWPND_WEB_PLUGIN_FROM_BIN must be defined by the build"
#endif

namespace kwpnd::app {

namespace {

const QString kPluginFile = QStringLiteral("kwpnd_web.so");

QString& firstFolder()
{
    static QString folder;
    return folder;
}

QStringList pluginCandidates()
{
    const QString tool = QCoreApplication::applicationDirPath();
    QStringList folders;
    if (!firstFolder().isEmpty())
        folders << firstFolder();
    folders << tool << QDir(tool).filePath(QStringLiteral(KWPND_WEB_PLUGIN_FROM_BIN));
    QStringList paths;
    for (const QString& folder : folders)
        paths << QDir::cleanPath(QDir(folder).filePath(kPluginFile));
    return paths;
}

const WebParts& loadWebParts()
{
    QStringList failures;
    for (const QString& path : pluginCandidates()) {
        if (!QFileInfo(path).isFile()) {
            failures << QStringLiteral("%1: no such file").arg(path);
            continue;
        }
        // Kept loaded for the life of the process: the views it makes live on
        // (a QLibrary going away does not unload what it loaded).
        static QLibrary library;
        library.setFileName(path);
        using Entry = const WebParts* (*)();
        if (auto entry = reinterpret_cast<Entry>(library.resolve(kWebPartsEntry)))
            return *entry();
        failures << QStringLiteral("%1: %2").arg(path, library.errorString());
    }
    throw Error::detailed(ErrorNumber::FileNotFound, QStringLiteral("the web parts of kwpnd (%1) cannot be loaded: %2")
                                                         .arg(kPluginFile, failures.join(QStringLiteral("; "))));
}

}  // namespace

const WebParts& webParts()
{
    static const WebParts* parts = nullptr;
    if (!parts)
        parts = &loadWebParts();
    return *parts;
}

void useWebPartsFolder(const QString& folder) { firstFolder() = folder; }

}  // namespace kwpnd::app
