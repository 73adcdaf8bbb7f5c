#pragma once
// The exact bytes of an INI file, for a caller that puts a file back as it
// was (the undo of a write made from the preview window). Handlers that read
// the file see a restored file as any change on disk: at their next access,
// or at the next look-up pass while one is open.

#include <QByteArray>
#include <QString>
#include <optional>

namespace kwpnd {

// The file's bytes; no value when it does not exist. Throws Error 75 naming
// the path for a file that is not a regular file, cannot be read or is larger
// than an INI file may be.
std::optional<QByteArray> iniFileBytes(const QString& path);

// Makes the file hold `bytes` again, replacing it whole as every INI write
// does; no value removes the file. Throws Error 75 naming the file when it
// cannot be written or removed.
void restoreIniFileBytes(const QString& path, const std::optional<QByteArray>& bytes);

}  // namespace kwpnd
