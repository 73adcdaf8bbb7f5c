#pragma once
// What the layers above the preview use of it: the preview window, its form
// of widgets, and the export of a page to a picture file. Everything else
// here is private.

#include "page_export.h"
#include "preview_form.h"
#include "preview_window.h"
