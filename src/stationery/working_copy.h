#pragma once
// The working copy: the whole content of a stationery folder (files and
// subfolders) copied into a working folder, replacing files of the same name
// and leaving other files there.
//
// The stationery folder is examined completely before anything is written,
// so a refused folder leaves the working folder as it was. A link is copied
// as what it leads to when that lies inside the stationery folder; a link
// leading out of it (or nowhere, or round to a folder it is in) is refused.
// Nothing is written outside the working folder: a link found there in the
// way of a file is replaced, one in the way of a folder refused.

#include <QString>
#include <QtGlobal>

namespace kwpnd::stationery {

struct CopyLimits {
    int maxEntries = 4096;                     // files and folders
    qint64 maxBytes = qint64(512) * 1024 * 1024;  // all files together
};

// Errors: 76 when `source` does not exist or is not a folder (or the working
// folder is missing); 75 for an unreadable entry, a link out of the folder,
// an entry that is neither file nor folder, more entries or bytes than
// `limits` allow, or a file that cannot be written.
void copyStationery(const QString& source, const QString& workingFolder, const CopyLimits& limits = {});

}  // namespace kwpnd::stationery
