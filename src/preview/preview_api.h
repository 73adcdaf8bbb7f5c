#pragma once
// What the layers above the preview (the design aids) use of it: the preview
// window, its form of widgets, and the interface through which the window
// calls its design aids. Everything else here is private.

#include "preview_form.h"
#include "preview_window.h"
#include "window_design_aids.h"
