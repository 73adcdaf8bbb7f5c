#pragma once
// Host controls for the command line: the widgets that --grid, --listview and
// --webbrowser build from files and register with the preview component, so
// that fields capturing registered controls render without a host program.

#include "command_line.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <vector>

class QWidget;

namespace kwpnd {
class clsKWPNDPreviewA;
}

namespace kwpnd::app {

class CommandLineControls {
public:
    CommandLineControls();
    ~CommandLineControls();
    CommandLineControls(const CommandLineControls&) = delete;
    CommandLineControls& operator=(const CommandLineControls&) = delete;

    // Builds the widgets the options name and registers each under its key.
    // The widgets live as long as this object. A file that cannot be read,
    // is not a regular file of at most 32 MB (error 75), holds more than
    // kMaxControlItems cells or lines (error 6), or a page that does not load,
    // throws kwpnd::Error naming the option and the path.
    void registerWith(clsKWPNDPreviewA& component, const RenderOptions& options);

private:
    std::vector<std::unique_ptr<QWidget>> widgets_;
};

// Most cells a grid file and most lines a list file may hold: a captured
// control shows at most 4096 pixels a side, far fewer cells than this, and a
// widget of millions of items takes gigabytes.
inline constexpr qsizetype kMaxControlItems = 100000;

// The rows of CSV text: fields separated by commas, quoted fields may hold
// commas, line breaks and doubled quotes. A last empty line is no row. More
// than `maxCells` fields: error 6, found before they are all kept.
QList<QStringList> parseCsv(const QString& text, qsizetype maxCells = kMaxControlItems);

}  // namespace kwpnd::app
