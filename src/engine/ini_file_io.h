#pragma once
// Disk access of INI files: the stamp that tells whether a file changed, the
// guarded read (regular text files of sane size only) and the rewrite that
// keeps the file whole, its owner, group, mode and links.

#include "ini_text_codec.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kwpnd {

inline constexpr qint64 kMaxIniFileSize = 32 * 1024 * 1024;
inline constexpr qint64 kBinaryProbeSize = 64 * 1024;

// What a stat of the file says; equal stamps mean the parsed copy is current.
struct FileStamp {
    bool exists = false;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::int64_t size = 0;
    std::uint64_t inode = 0;

    bool operator==(const FileStamp&) const = default;
};

// `nativePath` is the path in the file system's encoding (QFile::encodeName).
FileStamp statFile(const QByteArray& nativePath);

struct IniFileContent {
    FileStamp stamp;  // of the bytes read
    DecodedIniText decoded;
};

// Reads and decodes the file; a missing file gives empty text. Throws Error 75
// naming the path for a file that is not a regular file (a folder, a pipe, a
// device), cannot be read, holds NUL characters near its start or is larger
// than kMaxIniFileSize.
IniFileContent readIniFile(const QString& path);

// Replaces the content of the file with `bytes` so that no reader ever sees a
// half-written file where it can be helped; how is told in the source. Throws
// Error 75 naming the file or its folder when either cannot be written.
void writeIniFile(const QString& path, const QByteArray& bytes);

}  // namespace kwpnd
