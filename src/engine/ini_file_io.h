#pragma once
// Disk access of INI files: the stamp that tells whether a file changed, the
// guarded read (text files of sane size only) and the atomic replacement.

#include "engine/ini_text_codec.h"

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
// for a file that cannot be read, holds NUL bytes near its start or is larger
// than kMaxIniFileSize.
IniFileContent readIniFile(const QString& path);

// Replaces the file with `bytes` through a temporary file and a rename, so
// readers see either the old or the new file whole. Throws Error 75 naming
// the path when the file or its folder cannot be written.
void writeIniFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace kwpnd
