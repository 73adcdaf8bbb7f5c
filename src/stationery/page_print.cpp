#include "page_print.h"

#include <QEventLoop>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

namespace kwpnd::stationery {

namespace {
constexpr int kPrintTimeoutMs = 120000;
}

bool printPage(QWebEngineView& view, QPrinter& printer)
{
    // The browser prints in the background; the preview paints now.
    QEventLoop loop;
    bool ok = false;
    const QMetaObject::Connection done = QObject::connect(&view, &QWebEngineView::printFinished, &loop, [&](bool success) {
        ok = success;
        loop.quit();
    });
    // A browser that never answers must not hang the window.
    QTimer::singleShot(kPrintTimeoutMs, &loop, &QEventLoop::quit);
    view.print(&printer);
    loop.exec();
    QObject::disconnect(done);
    return ok;
}

}  // namespace kwpnd::stationery
