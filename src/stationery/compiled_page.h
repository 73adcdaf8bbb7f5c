#pragma once
// A compiled page read from its file, and the page numbers the window pages by.

#include <QString>
#include <QtGlobal>

namespace kwpnd::stationery {

// The largest page file the window shows.
inline constexpr qint64 kMaxPageBytes = qint64(32) * 1024 * 1024;

struct CompiledPage {
    QString path;    // as given
    QString folder;  // the folder holding it: the base of its relative addresses
    QString markup;  // the page's text
};

// Reads the page file `path`: a regular file of at most kMaxPageBytes, text
// (UTF-8, UTF-16 with a byte-order mark, the charset its markup declares, or
// else Windows-1252). Errors: 53 missing; 75 not a regular file, too large,
// unreadable, or holding NUL bytes (not an HTML page).
CompiledPage readCompiledPage(const QString& path);

// The number the leading digits of the file name of `path` make (12.htm gives
// 12, a name without leading digits 0). Error 6 naming the digits when the
// number, or the number moved by `step`, is not a 32-bit page number.
qint32 pageNumberOf(const QString& path, int step = 0);

}  // namespace kwpnd::stationery
