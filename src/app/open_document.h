#pragma once
// Opening a document as a careful host does, shared by render, preview and
// print: a component with the options' pictures, strings and controls, its
// layout and data named, the page initialised, then generated once.

#include "command_line.h"
#include "tool_output.h"

#include <QString>
#include <memory>
#include <vector>

namespace kwpnd {
class clsKWPNDPreviewA;
}

namespace kwpnd::app {

// A page registered for paging: its key, layout and data file.
struct PageOption {
    QString key;
    QString layout;
    QString data;  // empty: the document's data file
};

struct DocumentOptions {
    RenderOptions render;
    bool rulers = false;
    bool guides = false;
    bool adjusters = false;
    bool paging = false;
    bool afterGenerateActions = true;  // the layout's own printing and copying
    std::vector<PageOption> pages;
};

// The window loads with generation disarmed, InitialiseForm erases and sizes
// the page, and only then is generation armed and the page generated: every
// report, print job and data-file write happens once. Problems are printed
// on standard error; no component comes back then.
class OpenDocument {
public:
    explicit OpenDocument(const DocumentOptions& options);
    ~OpenDocument();
    clsKWPNDPreviewA* component() const { return component_.get(); }

private:
    bool open(const DocumentOptions& options);

    struct Host;
    std::unique_ptr<Host> host_;
    std::shared_ptr<clsKWPNDPreviewA> component_;
};

// The exit status of a command that opened a document (`reported`: whether
// any message was shown): a failed write to the data file outranks --strict.
int documentStatus(const clsKWPNDPreviewA& component, bool strict, bool reported);

}  // namespace kwpnd::app
