#pragma once
namespace kwpnd::app {
// Keeps Qt's own diagnostics (platform warnings and the like) off standard
// error, which carries the tool's messages one per line; KWPND_QT_MESSAGES=1
// lets them through.
void quietQtMessages();
}  // namespace kwpnd::app
