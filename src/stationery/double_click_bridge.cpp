#include "double_click_bridge.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace kwpnd::stationery {

namespace {

constexpr char kObjectName[] = "kwpndStationery";

// Runs in the application's own world on every document the page opens.
// The second press of a double-click would start selecting a word; it is
// cancelled, and so is the double-click itself once it has been told.
constexpr char kListener[] = R"JS(
(function () {
    var bridge = null;
    new QWebChannel(qt.webChannelTransport, function (channel) {
        bridge = channel.objects.kwpndStationery;
    });
    document.addEventListener('mousedown', function (event) {
        if (event.detail > 1)
            event.preventDefault();
    }, true);
    document.addEventListener('dblclick', function (event) {
        if (!event.isTrusted)
            return;  // made by a script of the page, not by the user
        event.preventDefault();
        if (bridge)
            bridge.doubleClicked();
    }, true);
})();
)JS";

QString channelClient()
{
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

DoubleClickBridge::DoubleClickBridge(QWebEnginePage* page, QObject* parent) : QObject(parent)
{
    auto* channel = new QWebChannel(this);
    channel->registerObject(QString::fromLatin1(kObjectName), this);
    page->setWebChannel(channel, QWebEngineScript::ApplicationWorld);

    QWebEngineScript script;
    script.setName(QStringLiteral("kwpnd-double-click"));
    script.setSourceCode(channelClient() + QString::fromLatin1(kListener));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    page->scripts().insert(script);
}

void DoubleClickBridge::doubleClicked() { emit doubleClick(); }

}  // namespace kwpnd::stationery
