#pragma once
// Writing pages out of the library: PNG of the raster, and PDF at the page's
// physical size, replayed from the page's recording so that text and lines
// stay vector.

#include "kwpnd/picture.h"

#include <QString>
#include <vector>

namespace kwpnd {

// One PDF page of the picture's natural size (15 twips per pixel).
// The empty picture: error 481; a missing folder: error 76; failure to
// write: error 75.
void savePagePdf(const Picture& page, const QString& path);

// One PDF of the pages in order, each page at its own natural size. No page,
// or an empty one: error 481; folder and file errors as for savePagePdf.
void savePagesPdf(const std::vector<Picture>& pages, const QString& path);

// PNG of the raster. Errors as for savePagePdf.
void savePagePng(const Picture& page, const QString& path);

// The picture in the format the path's extension names (.png, .bmp, or
// .pdf when `pdf` allows it), in any letter case. Any other extension:
// error 5; otherwise errors as for savePagePdf.
void savePageByExtension(const Picture& page, const QString& path, bool pdf);

}  // namespace kwpnd
