#pragma once
// What the other folders use of the surface folder beyond the public
// kwpnd/surface.h and kwpnd/picture.h: the device-integer conversion every
// number goes through on its way to a pixel, reading a file only when it
// is a regular file under a size cap, the widget that shows a surface,
// pictures of the process's own windows, whether a picture carries
// vectors, colour values as Qt colours, and positions in single precision. Everything else here is private.

#include "colour.h"
#include "device_integer.h"
#include "picture_vectors.h"
#include "regular_file.h"
#include "single_precision.h"
#include "surface_view.h"
#include "window_capture.h"
