#pragma once
// The parts of the tool that need the web browser engine: the web view behind
// --webbrowser and the stationery window. They live in a plugin of their own
// (kwpnd_web.so), loaded by the first command that uses one of them, so that
// render, print and barcode never load the engine.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace kwpnd::app {

// The largest page file a web view shows.
inline constexpr qint64 kMaxPageBytes = 32 * 1024 * 1024;

struct WebParts {
    // A view showing the HTML file at `path`, loaded and painted (see
    // web/web_view_control.h).
    std::unique_ptr<QWidget> (*webViewOf)(const QString& path);
    // kwpnd stationery on the arguments after "stationery": the exit status.
    int (*runStationery)(const QStringList& args);
};

// The name of the plugin's entry point: a function without arguments that
// returns the plugin's WebParts.
inline constexpr char kWebPartsEntry[] = "kwpnd_web_parts";

// The parts, the plugin loaded at the first call: from the folder given to
// useWebPartsFolder, else from the tool's own folder (a build tree), else
// from where the tool's install puts it. Throws kwpnd::Error (53, naming the
// places tried) when it cannot be loaded.
const WebParts& webParts();

// Looks for the plugin in `folder` first (tests that run the commands in
// their own process).
void useWebPartsFolder(const QString& folder);

}  // namespace kwpnd::app
