#pragma once
/// @file
/// IniFileHandler: reads and writes INI files (layout, data and settings
/// files) one key at a time.

#include "kwpnd/kwpnd10_export.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace kwpnd {

/// Reads and writes INI files one key at a time.
///
/// An instance holds a current file, section and key; set them in the order
/// Path, section, Key and then read or write Value. Instances share nothing
/// but the files, and every instance naming a file works on the process's
/// one parsed copy of it, so a write through one is seen by all of them at
/// once. A read checks the file on disk first, so a change made by another
/// program is seen by the next read. User-interface thread only.
///
/// Names match without regard to letter case. A missing file, section or key
/// reads as "" and enumerates as nothing. A file that is not a regular file
/// (a folder, a pipe, a device), not a text file, or larger than 32 MB, is
/// not read: every access to it throws Error 75.
///
/// Files are UTF-8 (with or without a byte-order mark), UTF-16 with a
/// byte-order mark, or else Windows-1252; lines end at CR LF, LF or CR. A
/// write keeps the file's encoding, line endings, other lines, owner, group,
/// mode and hard links.
class KWPND10_EXPORT IniFileHandler {
public:
    /// A handler naming no file: reads give "" until Path is set.
    IniFileHandler();
    ~IniFileHandler();
    /// A handler naming the same file, section and key as `other`.
    IniFileHandler(const IniFileHandler& other);
    /// Names the same file, section and key as `other`.
    IniFileHandler& operator=(const IniFileHandler& other);

    /// Names the file by its full path, in force until changed. Naming
    /// another file clears the section and key; naming the same file again
    /// keeps them. An empty path names no file.
    void Path(const QString& fullPath);
    /// The path last given to Path.
    QString Path() const;

    /// Names the current section.
    void section(const QString& name);
    /// The current section's name as given.
    QString section() const;

    /// Names the current key of the current section.
    void Key(const QString& name);
    /// The current key's name as given.
    QString Key() const;

    /// The text of the current key without its surrounding blanks; "" when
    /// the file, section or key is missing.
    QString Value() const;
    /// Stores `text` under the current section and key, creating the file,
    /// section or key as needed; the file on disk is replaced at once.
    /// Throws Error 5 for a name or text that would not read back as written
    /// (empty names, line breaks, NUL characters ...), and Error 75 naming the
    /// file or its folder when no file is named or it cannot be written;
    /// nothing is written then.
    void Value(const QString& text);

    /// Every distinct section name in file order: names[i - 1] is the i-th,
    /// and `count` is their number.
    void EnumerateAllSections(QStringList& names, std::int32_t& count) const;
    /// The distinct key names of the current section in file order, and
    /// their number in `count`.
    void EnumerateCurrentSection(QStringList& names, std::int32_t& count) const;

    /// Private implementation.
    class Private;

private:
    std::unique_ptr<Private> d;
};

}  // namespace kwpnd
