#pragma once
// What the layers above the preview (the design aids) use of it: the preview
// window and its form of widgets. Everything else here is private.

#include "preview_form.h"
#include "preview_window.h"
