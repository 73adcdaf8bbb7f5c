#pragma once
// Writing a page out of the library in the formats the raster cannot give:
// PDF at the page's physical size, replayed from the page's recording so that
// text and lines stay vector.

#include "kwpnd/picture.h"

#include <QString>

namespace kwpnd {

// One PDF page of the picture's natural size (15 twips per pixel).
// Failure to write: error 75.
void savePagePdf(const Picture& page, const QString& path);

// PNG of the raster. Failure to write: error 75.
void savePagePng(const Picture& page, const QString& path);

}  // namespace kwpnd
