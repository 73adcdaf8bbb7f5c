#pragma once
// What the other folders use of the surface folder beyond the public
// kwpnd/surface.h and kwpnd/picture.h: the device-integer conversion every
// number goes through on its way to a pixel, the checked reading of files a
// user names, the widget that shows a surface, and pictures of the process's
// own windows. Everything else here is private.

#include "device_integer.h"
#include "regular_file.h"
#include "surface_view.h"
#include "window_capture.h"
