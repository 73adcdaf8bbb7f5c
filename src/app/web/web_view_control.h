#pragma once
// The web view behind --webbrowser: a page from a local file, shown off the
// screen until it has painted, confined to its own folder.

#include <QString>
#include <QWidget>
#include <memory>

namespace kwpnd::app {

// A view showing the HTML file at `path`, loaded and painted. The page may
// load its own file and files in its folder (and below it); every other
// request (another local file, anything remote) is blocked. Throws
// kwpnd::Error naming --webbrowser and the path when the page cannot load.
std::unique_ptr<QWidget> webViewOf(const QString& path);

}  // namespace kwpnd::app
