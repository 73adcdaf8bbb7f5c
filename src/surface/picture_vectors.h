#pragma once
// Whether a picture carries the vectors it was drawn with.

#include "kwpnd/picture.h"

namespace kwpnd {

// True for a snapshot of a surface, which Picture::draw redraws sharp at any
// size; false for the empty picture and for a picture read from a file or
// made from a host image, which has only its raster.
bool hasVectors(const Picture& picture);

}  // namespace kwpnd
