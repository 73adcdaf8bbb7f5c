#pragma once
/// @file
/// Files a user names (on a command line, in a dialog), read safely: only
/// regular files, and only up to a size the caller names. Pipes, devices and
/// sockets are refused without ever being read or waited on.

#include "kwpnd/kwpnd10_export.h"

#include <QByteArray>
#include <QString>

namespace kwpnd {

/// The whole content of `path` when it is a regular file of at most
/// `maxBytes` bytes (also while it is read). A missing file: error 53; a
/// folder, pipe, device or socket, an unreadable file or one too large:
/// error 75 with a text naming the path (and the cap).
KWPND10_EXPORT QByteArray readUserFile(const QString& path, qint64 maxBytes);

/// The text of file bytes, read as the library reads its INI files: UTF-16
/// after a UTF-16 byte-order mark, else UTF-8 (a byte-order mark dropped),
/// falling back to Windows-1252 when the bytes are not valid UTF-8.
KWPND10_EXPORT QString decodeUserText(const QByteArray& bytes);

}  // namespace kwpnd
