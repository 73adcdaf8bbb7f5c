#include "web_view_control.h"

#include "web_parts.h"

#include <kwpnd/error.h>
#include <kwpnd/user_files.h>

#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace kwpnd::app {

namespace {

const QSize kWebViewSize(640, 480);
constexpr int kPageLoadTimeoutMs = 30000;
// How long a loaded page may take to show its first frame.
constexpr int kFirstFrameTimeoutMs = 3000;

[[noreturn]] void fail(const Error& e, const QString& path)
{
    throw e.within(QStringLiteral("--webbrowser %1").arg(path));
}

// Lets a page reach its own folder only. Paths are compared after links are
// resolved, so a link in the folder that points elsewhere is blocked too.
class FolderConfinement : public QWebEngineUrlRequestInterceptor {
public:
    explicit FolderConfinement(const QString& folder, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent), folder_(QDir(folder).canonicalPath() + QLatin1Char('/'))
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QUrl url = info.requestUrl();
        const QString scheme = url.scheme();
        if (scheme == QLatin1String("data") || scheme == QLatin1String("blob"))
            return;  // content the page already holds
        if (!allowedFile(url))
            info.block(true);
    }

private:
    bool allowedFile(const QUrl& url) const
    {
        if (!url.isLocalFile())
            return false;
        const QFileInfo file(url.toLocalFile());
        // A file that does not exist yet is judged by its folder.
        const QString resolved =
            file.exists() ? file.canonicalFilePath() : QDir(file.absolutePath()).canonicalPath() + QLatin1Char('/');
        return !resolved.isEmpty() && resolved.startsWith(folder_);
    }

    QString folder_;
};

// Runs the event loop until `done` says so or `timeoutMs` pass.
template <typename Done>
bool waitUntil(Done&& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        QEventLoop pause;
        QTimer::singleShot(20, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return true;
}

// A view whose page lives in a private profile of its own: nothing kept on
// disk, no remote content for local pages, and requests confined to `folder`.
std::unique_ptr<QWebEngineView> confinedView(const QString& folder)
{
    auto view = std::make_unique<QWebEngineView>();
    auto* profile = new QWebEngineProfile(view.get());  // off the record
    profile->setUrlRequestInterceptor(new FolderConfinement(folder, profile));
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view->setPage(new QWebEnginePage(profile, view.get()));
    return view;
}

}  // namespace

std::unique_ptr<QWidget> webViewOf(const QString& path)
{
    // The browser opens the page itself: it is checked here like every file
    // an option names.
    try {
        readUserFile(path, kMaxPageBytes);
    } catch (const Error& e) {
        fail(e, path);
    }
    const QFileInfo info(path);
    // The browser's own sandbox cannot run as root; the page is confined to
    // its folder by the request filter whether the sandbox runs or not.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    std::unique_ptr<QWebEngineView> view = confinedView(info.absolutePath());
    view->setAttribute(Qt::WA_DontShowOnScreen);
    view->resize(kWebViewSize);
    bool loaded = false, ok = false;
    const QMetaObject::Connection watch =
        QObject::connect(view.get(), &QWebEngineView::loadFinished, view.get(), [&](bool success) {
            loaded = true;
            ok = success;
        });
    view->load(QUrl::fromLocalFile(info.absoluteFilePath()));
    view->show();
    waitUntil([&] { return loaded; }, kPageLoadTimeoutMs);
    QObject::disconnect(watch);
    if (!loaded || !ok)
        fail(Error::detailed(ErrorNumber::PathFileAccess, QStringLiteral("the page did not load")), path);
    const QImage unpainted = view->grab().toImage();
    waitUntil([&] { return view->grab().toImage() != unpainted; }, kFirstFrameTimeoutMs);
    return view;
}

}  // namespace kwpnd::app
