#pragma once
// kwpnd preview: the preview window of a document, as a host shows it.
// kwpnd print: the document generated and printed as the window's Print
// command does, with every dialog answered at once.

#include "command_line.h"

#include <QString>
#include <QStringList>
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

struct WindowOptions {
    RenderOptions render;  // everything but the output file
    bool rulers = false;
    bool guides = false;
    bool adjusters = false;
    bool paging = false;
    std::vector<PageOption> pages;
    QString screenshot;  // PNG of the whole window; empty: show it to a person
};

// Parses the arguments after "preview" (or "print", which takes render's
// options only). Throws UsageError.
WindowOptions parseWindowOptions(const QStringList& args, bool preview);

QString previewHelp();
QString printHelp();

int runPreviewCommand(const QStringList& args);
int runPrintCommand(const QStringList& args);
// Whether "preview" with these arguments wants the real display.
bool previewWantsDisplay(const QStringList& args);

// The host's part of a typical request: a component with the options'
// pictures, strings and controls, its layout and data named, generation
// armed, the page initialised and generated. Problems are printed on
// standard error; no component comes back then.
class OpenDocument {
public:
    explicit OpenDocument(const WindowOptions& options);
    ~OpenDocument();
    clsKWPNDPreviewA* component() const { return component_.get(); }

private:
    struct Host;
    std::unique_ptr<Host> host_;
    std::shared_ptr<clsKWPNDPreviewA> component_;
};

// "kwpnd: MESSAGE" on standard error.
void printProblem(const QString& message);

}  // namespace kwpnd::app
