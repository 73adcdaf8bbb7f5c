#pragma once
// Files read on a user's word (a picture, a host control's content): only
// regular files, and only up to a size the caller names. Pipes, devices and
// sockets are refused without ever being read or waited on, so a FIFO or
// /dev/zero given as a path fails at once with a clear message.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>

class QFile;

namespace kwpnd {

// Opens `path` for reading when it is a regular file of at most `maxBytes`
// bytes. The file is examined before it is opened and again, through the
// open handle, after (it is opened without waiting, so a path swapped for a
// FIFO in between cannot block). Errors: a missing file 53; a folder, pipe,
// device or socket, an unreadable file, or one larger than `maxBytes`: 75 with
// a text naming the path (and the cap).
std::unique_ptr<QFile> openRegularFile(const QString& path, qint64 maxBytes);

// The whole content of such a file; a file that grows beyond `maxBytes`
// while it is read is refused as well.
QByteArray readRegularFile(const QString& path, qint64 maxBytes);

}  // namespace kwpnd
