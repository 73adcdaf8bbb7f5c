#pragma once
// kwpnd stationery itself: a page of a stationery folder in the stationery
// window, shown to a person or taken as a screenshot.

#include <QStringList>

namespace kwpnd::app {

// Runs the command on the arguments after "stationery"; returns the exit
// status (0 shown or written, 1 failed, 2 usage).
int runStationeryWindow(const QStringList& args);

}  // namespace kwpnd::app
