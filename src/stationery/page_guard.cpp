#include "page_guard.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>

namespace kwpnd::stationery {

namespace {

bool heldByPage(const QString& scheme)
{
    return scheme == QLatin1String("data") || scheme == QLatin1String("blob") || scheme == QLatin1String("about");
}

// What "remote content" means when the host allows it.
bool remote(const QString& scheme)
{
    static const char* const kSchemes[] = {"http", "https", "ws", "wss", "ftp"};
    for (const char* s : kSchemes)
        if (scheme == QLatin1String(s))
            return true;
    return false;
}

}  // namespace

PageGuard::PageGuard(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void PageGuard::startPage(const QString& folder, bool allowRemote)
{
    const QString canonical = QDir(folder).canonicalPath();
    folderPrefix_ = canonical.isEmpty() ? QString() : canonical + QLatin1Char('/');
    allowRemote_ = allowRemote;
    reported_ = false;
    blockedCount_ = 0;
}

bool PageGuard::allowed(const QUrl& url) const
{
    const QString scheme = url.scheme();
    if (heldByPage(scheme))
        return true;
    if (url.isLocalFile()) {
        if (folderPrefix_.isEmpty())
            return false;
        const QFileInfo file(url.toLocalFile());
        // A file that does not exist is judged by its folder.
        const QString resolved = file.exists() ? file.canonicalFilePath()
                                               : QDir(file.absolutePath()).canonicalPath() + QLatin1Char('/');
        return resolved.startsWith(folderPrefix_);
    }
    return allowRemote_ && remote(scheme);
}

void PageGuard::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl url = info.requestUrl();
    if (allowed(url))
        return;
    info.block(true);
    ++blockedCount_;
    if (reported_)
        return;
    reported_ = true;
    QMetaObject::invokeMethod(this, [this, url] { emit blocked(url); }, Qt::QueuedConnection);
}

}  // namespace kwpnd::stationery
