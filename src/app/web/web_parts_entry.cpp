// The entry point of the tool's web parts plugin (see web_parts.h).
#include "stationery_window.h"
#include "web_parts.h"
#include "web_view_control.h"

namespace {
const kwpnd::app::WebParts kParts{kwpnd::app::webViewOf, kwpnd::app::runStationeryWindow};
}  // namespace

extern "C" __attribute__((visibility("default"))) const kwpnd::app::WebParts* kwpnd_web_parts() { return &kParts; }
