#pragma once
// The options of the commands that open a document (render, preview and
// print) are one set, read by one QCommandLineParser setup; each command adds
// its own few on top.

#include "command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

namespace kwpnd::app {

// A parser that knows the shared document options and -o/--output (which
// preview and print refuse with a message of their own), plus `extra`.
// Help and --version are the tool's, not the parser's.
void addDocumentOptions(QCommandLineParser& parser, const QList<QCommandLineOption>& extra = {});

// Parses the arguments after the command's name. An unknown option, a
// missing value or more than one layout: UsageError.
void parseArguments(QCommandLineParser& parser, const QString& command, const QStringList& args);

// The shared options as parsed: the layout (none given: UsageError) and the
// document's options; `output` is -o's value.
RenderOptions documentOptions(const QCommandLineParser& parser);

}  // namespace kwpnd::app
