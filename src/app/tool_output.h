#pragma once
// What the tool writes: help and versions on standard output, every problem
// on standard error as one "kwpnd: ..." message.

#include <QString>
#include <cstdio>

namespace kwpnd::app {

// `text` as UTF-8 on `stream`, flushed.
void writeText(std::FILE* stream, const QString& text);

// "kwpnd: MESSAGE" and a line break on standard error.
void printProblem(const QString& message);

}  // namespace kwpnd::app
