#pragma once
// What the layers above the preview (the design aids) use of it: the preview
// window, its form of widgets, the interface through which the window calls
// its design aids, and the running of the library's modal windows through
// the dialog service, and the classic key, button and shift codes of window
// events. Everything else here is private.

#include "input_codes.h"
#include "preview_form.h"
#include "preview_window.h"
#include "qt_dialogs.h"
#include "window_design_aids.h"
