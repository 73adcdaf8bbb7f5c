#pragma once
// kwpnd stationery: a page of a stationery folder in the stationery window,
// shown to a person or taken as a screenshot.

#include <QString>
#include <QStringList>

namespace kwpnd::app {

QString stationeryHelp();
// Runs the command on the arguments after "stationery"; returns the exit
// status (0 shown or written, 1 failed, 2 usage).
int runStationeryCommand(const QStringList& args);
// Whether the command with these arguments shows the window to a person.
bool stationeryWantsDisplay(const QStringList& args);

}  // namespace kwpnd::app
