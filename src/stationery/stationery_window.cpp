#include "kwpnd/stationery.h"

#include "compiled_page.h"
#include "double_click_bridge.h"
#include "page_guard.h"
#include "page_print.h"
#include "stationery_deps.h"
#include "stationery_folders.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

namespace kwpnd {

using namespace stationery;

namespace {

const QSize kWindowSize(820, 640);
// setHtml hands the markup over as a data: address, which the browser takes
// up to 2 MB; a larger page is loaded from its file (the same document and base).
constexpr qsizetype kMaxWrittenMarkup = 2 * 1024 * 1024 - 64 * 1024;
// How long a loaded page may take to show a new frame, and then a steady one.
constexpr int kFirstFrameTimeoutMs = 3000;
constexpr int kSteadyFrameTimeoutMs = 1000;
// The longest markup a message box shows; the rest is counted.
constexpr qsizetype kMaxShownMarkup = 20000;

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

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QString shownMarkup(const QString& markup)
{
    if (markup.size() <= kMaxShownMarkup)
        return markup;
    return markup.left(kMaxShownMarkup) +
           QStringLiteral("\n(%1 more characters not shown)").arg(markup.size() - kMaxShownMarkup);
}

void reportError(const Error& e)
{
    Dialogs::current().messageBox(e.description(), MsgButtons::OK, MsgIcon::Information, QString::number(e.number()),
                                  e.detail());
}

}  // namespace

struct KWPND10_STATIONERY_NO_EXPORT frmKWPNDStationaryA::Private {
    frmKWPNDStationaryA* q;
    QPointer<clsKWPNDStationaryA> component;
    QString activePage;
    bool loaded = false;
    bool hooked = false;

    QWebEngineView* WebBrowser1 = nullptr;
    QWebEngineProfile* profile = nullptr;
    PageGuard* guard = nullptr;
    QMenu* mnuBrowser = nullptr;
    QMetaObject::Connection menuHook;

    // The page load in progress: its number and, once over, whether it worked.
    quint64 loadNumber = 0;
    quint64 finishedNumber = 0;
    bool finishedOk = false;
    QImage beforeLoad;  // what the browser showed when the load began

    explicit Private(frmKWPNDStationaryA* window) : q(window) {}

    ~Private()
    {
        // The page must go before the profile it lives in.
        delete WebBrowser1;
        delete profile;
    }

    void build();
    clsKWPNDStationaryA& activeComponent();
    void load();
    void show(const QString& path);
    void turnPage(int step);
    void preview();
    void edit();
    void navigate();
    void reportBlocked(const QUrl& url);
};

void frmKWPNDStationaryA::Private::build()
{
    q->setObjectName(QStringLiteral("frmKWPNDStationaryA"));
    q->setWindowTitle(QStringLiteral("Kestwell Pennard - Stationary"));
    q->setAttribute(Qt::WA_DeleteOnClose);
    q->resize(kWindowSize);

    // The browser runs as root only without its own sandbox; the page is kept
    // to its folder by the guard either way.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    WebBrowser1 = new QWebEngineView(q);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    profile = new QWebEngineProfile;  // no storage name: off the record, nothing kept on disk
    guard = new PageGuard(profile);
    profile->setUrlRequestInterceptor(guard);
    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    auto* page = new QWebEnginePage(profile, WebBrowser1);
    WebBrowser1->setPage(page);
    auto* bridge = new DoubleClickBridge(page, WebBrowser1);
    QObject::connect(bridge, &DoubleClickBridge::doubleClick, q, [this] { activeComponent().RaiseEventPro(); });
    QObject::connect(guard, &PageGuard::blocked, q, [this](const QUrl& url) { reportBlocked(url); });
    QObject::connect(WebBrowser1, &QWebEngineView::loadFinished, q, [this](bool ok) {
        finishedNumber = loadNumber;
        finishedOk = ok;
        emit q->pageLoaded(ok);
    });

    mnuBrowser = new QMenu(QStringLiteral("Browser Menu"), q);
    mnuBrowser->setObjectName(QStringLiteral("mnuBrowser"));
    QAction* mnuNavigate = mnuBrowser->addAction(QStringLiteral("&Navigate"));
    mnuNavigate->setObjectName(QStringLiteral("mnuNavigate"));
    QObject::connect(mnuNavigate, &QAction::triggered, q, [this] { navigate(); });

    QPushButton* Command2 = button(q, "Command2", QStringLiteral("<"));
    QPushButton* Command1 = button(q, "Command1", QStringLiteral(">"));
    QPushButton* Command3 = button(q, "Command3", QStringLiteral("Preview"));
    QPushButton* Command5 = button(q, "Command5", QStringLiteral("EDIT"));
    QPushButton* Command4 = button(q, "Command4", QStringLiteral("&Cancel"));
    QObject::connect(Command2, &QPushButton::clicked, q, [this] { turnPage(-1); });
    QObject::connect(Command1, &QPushButton::clicked, q, [this] { turnPage(+1); });
    QObject::connect(Command3, &QPushButton::clicked, q, [this] { preview(); });
    QObject::connect(Command5, &QPushButton::clicked, q, [this] { edit(); });
    QObject::connect(Command4, &QPushButton::clicked, q, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command2, Command1, Command3, Command5})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command4);
    auto* layout = new QVBoxLayout(q);
    layout->addWidget(WebBrowser1, 1);
    layout->addLayout(buttons);
}

clsKWPNDStationaryA& frmKWPNDStationaryA::Private::activeComponent()
{
    if (!component)
        component = new clsKWPNDStationaryA(q);
    return *component;
}

// The window's first use: the title from the working copy's settings and
// the hook on the browser's context menu.
void frmKWPNDStationaryA::Private::load()
{
    if (loaded)
        return;
    loaded = true;
    q->setWindowTitle(activeComponent().SettingsFileObject()->GetStationaryTitle());
    q->HookWB();
}

void frmKWPNDStationaryA::Private::show(const QString& path)
{
    load();
    // Read before anything changes, so a page that cannot be read leaves the
    // window on the page it shows.
    const CompiledPage compiled = readCompiledPage(path);
    Dialogs& dialogs = Dialogs::current();
    // The page is read completely, so the document is complete.
    dialogs.messageBox(path, MsgButtons::OK, MsgIcon::None, QStringLiteral("complete"));
    dialogs.messageBox(shownMarkup(compiled.markup), MsgButtons::OK, MsgIcon::None, QString());

    activePage = path;
    ++loadNumber;
    beforeLoad = WebBrowser1->grab().toImage();
    guard->startPage(compiled.folder, activeComponent().AllowRemoteContent());
    const QUrl base = QUrl::fromLocalFile(compiled.folder + QLatin1Char('/'));
    if (compiled.markup.toUtf8().toPercentEncoding().size() <= kMaxWrittenMarkup)
        WebBrowser1->setHtml(compiled.markup, base);
    else
        WebBrowser1->load(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void frmKWPNDStationaryA::Private::turnPage(int step)
{
    try {
        const qint32 n = pageNumberOf(activePage, step);
        Dialogs::current().messageBox(QString::number(n), MsgButtons::OK, MsgIcon::None, QString());
        const QString next = joinPath(activeComponent().WinPndTempFolder(), QString::number(qint64(n) + step) + QStringLiteral(".htm"));
        q->ShowCompiledPage2(next);
    } catch (const Error& e) {
        // No such page (before the first, after the last): stay on this one.
        reportError(e);
    }
}

void frmKWPNDStationaryA::Private::preview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, q);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, q, [this](QPrinter* p) { printPage(*WebBrowser1, *p); });
    Dialogs::current().runModal(dialog, [&dialog] { return dialog.exec() == QDialog::Accepted; });
}

void frmKWPNDStationaryA::Private::edit()
{
    WebBrowser1->page()->runJavaScript(QStringLiteral("document.designMode = 'on';"), QWebEngineScript::ApplicationWorld);
    WebBrowser1->setFocus();
}

void frmKWPNDStationaryA::Private::navigate()
{
    Dialogs::current().messageBox(QStringLiteral("hhok naviage"), MsgButtons::OK, MsgIcon::None, QString());
}

void frmKWPNDStationaryA::Private::reportBlocked(const QUrl& url)
{
    Dialogs::current().messageBox(
        QStringLiteral("%1: the page may not load %2 (only files in its own folder)")
            .arg(errorDescription(ErrorNumber::PathFileAccess), url.toDisplayString()),
        MsgButtons::OK, MsgIcon::Exclamation, q->windowTitle());
}

// ---- frmKWPNDStationaryA --------------------------------------------------------------

frmKWPNDStationaryA::frmKWPNDStationaryA(QWidget* parent) : QWidget(parent, Qt::Window), d(std::make_unique<Private>(this))
{
    d->build();
}

frmKWPNDStationaryA::~frmKWPNDStationaryA() = default;

clsKWPNDStationaryA* frmKWPNDStationaryA::moActiveclsKWPNDStationaryA() { return &d->activeComponent(); }

void frmKWPNDStationaryA::moActiveclsKWPNDStationaryA(clsKWPNDStationaryA* component) { d->component = component; }

QString frmKWPNDStationaryA::gsActivePage() const { return d->activePage; }

void frmKWPNDStationaryA::ShowCompiledPage(const QString& sCompiledPageWithPath) { d->show(sCompiledPageWithPath); }

void frmKWPNDStationaryA::ShowCompiledPage2(const QString& sCompiledPageWithPath) { d->show(sCompiledPageWithPath); }

void frmKWPNDStationaryA::HookWB()
{
    if (d->hooked)
        return;
    d->hooked = true;
    d->WebBrowser1->setContextMenuPolicy(Qt::CustomContextMenu);
    d->menuHook = connect(d->WebBrowser1, &QWidget::customContextMenuRequested, this,
                          [this](const QPoint& at) { d->mnuBrowser->popup(d->WebBrowser1->mapToGlobal(at)); });
}

void frmKWPNDStationaryA::UnhookWB()
{
    if (!d->hooked)
        return;
    d->hooked = false;
    disconnect(d->menuHook);
    d->WebBrowser1->setContextMenuPolicy(Qt::DefaultContextMenu);
}

bool frmKWPNDStationaryA::waitForPage(int timeoutMs)
{
    const quint64 wanted = d->loadNumber;
    if (!waitUntil([&] { return d->finishedNumber == wanted; }, timeoutMs) || !d->finishedOk)
        return false;
    // The browser paints after the load: wait for a new frame, then for two
    // equal frames in a row.
    waitUntil([&] { return d->WebBrowser1->grab().toImage() != d->beforeLoad; }, kFirstFrameTimeoutMs);
    QImage last = d->WebBrowser1->grab().toImage();
    waitUntil(
        [&] {
            QEventLoop pause;
            QTimer::singleShot(60, &pause, &QEventLoop::quit);
            pause.exec();
            QImage now = d->WebBrowser1->grab().toImage();
            const bool steady = now == last && !now.isNull();
            last = std::move(now);
            return steady;
        },
        kSteadyFrameTimeoutMs);
    return true;
}

void frmKWPNDStationaryA::showEvent(QShowEvent* event)
{
    d->load();
    QWidget::showEvent(event);
}

void frmKWPNDStationaryA::closeEvent(QCloseEvent* event)
{
    UnhookWB();
    QWidget::closeEvent(event);
}

}  // namespace kwpnd
