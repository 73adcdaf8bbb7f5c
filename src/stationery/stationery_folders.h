#pragma once
// Where the stationery folders live, how they are made and when they may be
// deleted.
//
// The root is the folder named by the environment variable "windir" when it
// is set (and not empty); otherwise it is ~/.cache/kwpnd (XDG_CACHE_HOME
// respected), a folder private to the user. Below the root the layout is
// fixed: Temp, Temp/Pennard, Temp/Pennard/<nine digits>.
//
// Every folder the library makes gets a marker file, and only a marked folder
// of the user's own is ever deleted.

#include <QString>
#include <cstdint>

namespace kwpnd::stationery {

// The name of the marker file. The working copy never takes a file of this
// name from a stationery folder, so a copied file cannot pass for a marker.
inline constexpr char kMarkerName[] = ".kwpnd-made-this-folder";

struct TempFolders {
    QString tempFolder;     // <root>/Temp
    QString tempPndFolder;  // <root>/Temp/Pennard
};

// `a` and `b` joined by this platform's separator.
QString joinPath(const QString& a, const QString& b);

// Makes Temp and Temp/Pennard below the root where they are missing (each
// one level only, so a "windir" naming no folder fails with error 76).
TempFolders prepareTempFolders();

// Makes the folder `path` (one level) with owner-only access and marks it,
// unless it exists; an existing real folder is reused. Errors: 76 when its
// parent does not exist, 75 when the path is taken by a link or a file or
// the folder cannot be made.
void makeFolder(const QString& path);

// Why the folder `path` may not be deleted (empty when it may, or when it
// does not exist): a link or not a folder; "/", the user's home or the
// system's temporary folder or a folder holding one of them; a folder not
// marked as made by this library for this user.
QString whyNotDeletable(const QString& path);

// Deletes the folder `path` with all its content; links inside are removed,
// not followed. A path that does not exist is no error. Refused with error
// 75 and nothing deleted when whyNotDeletable gives a reason.
void deleteMadeFolder(const QString& path);

// A whole number from `lower` to `upper` inclusive from the system's random
// source; 0 when the range does not give a 32-bit number.
std::int32_t RandomInRange(std::int64_t lower, std::int64_t upper);

}  // namespace kwpnd::stationery
