#pragma once
// kwpnd preview: the preview window of a document, as a host shows it.
// kwpnd print: the document generated and printed as the window's Print
// command does, with every dialog answered at once.

#include "command_line.h"
#include "open_document.h"

#include <QString>
#include <QStringList>

namespace kwpnd::app {

struct WindowOptions {
    DocumentOptions document;  // render's options but the output file
    QString screenshot;        // PNG of the whole window; empty: show it to a person
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

}  // namespace kwpnd::app
