#pragma once
// IniFileHandler: reads and writes INI files (layout, data and settings
// files) one key at a time. An instance holds a current file, section and
// key; callers set them in the order Path, section, Key and then read or
// write Value. Instances share nothing but the files, and every instance
// naming a file works on the process's one parsed copy of it, so a write is
// seen by all of them at once and a repeated read costs a stat.
//
// Names match without regard to case. A missing file or section or key reads
// as "" and enumerates as nothing. A file that is not a regular file (a
// folder, a pipe, a device), not a text file, or larger than 32 MB, is not
// read: every access to it throws Error 75.
//
// Files are UTF-8 (with or without a byte-order mark), UTF-16 with a
// byte-order mark, or else Windows-1252; lines end at CR LF, LF or CR. A write
// keeps the file's encoding, line endings, other lines, owner, group, mode
// and hard links.

#include "ini_document.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace kwpnd {

class IniFile;

class IniFileHandler {
public:
    IniFileHandler();
    ~IniFileHandler();
    IniFileHandler(const IniFileHandler&);
    IniFileHandler& operator=(const IniFileHandler&);

    // The full path of the file, in force until changed. Naming another file
    // clears the section and key; naming the same file again keeps them.
    void Path(const QString& fullPath);
    QString Path() const;

    void section(const QString& name);
    QString section() const;

    void Key(const QString& name);
    QString Key() const;

    // The text of the current key without its surrounding blanks.
    QString Value() const;
    // Stores the text under the current section and key, creating the file,
    // section or key as needed; the file on disk is replaced at once. Throws
    // Error 5 for a name or text that would not read back as written (empty
    // names, line breaks, NUL characters ...), and Error 75 naming the file or
    // its folder when the file cannot be written; nothing is written then.
    void Value(const QString& text);

    // Every distinct section name in file order: names[i - 1] is the i-th.
    void EnumerateAllSections(QStringList& names, std::int32_t& count) const;
    // The distinct key names of the current section, in file order.
    void EnumerateCurrentSection(QStringList& names, std::int32_t& count) const;

private:
    IniFile* file() const;

    QString path_;
    // Null while no path is named. A file that did not exist yet when named
    // is looked up again at each access, as its canonical path may differ.
    mutable std::shared_ptr<IniFile> file_;
    mutable bool fileExisted_ = false;
    IniName section_;
    IniName key_;
};

}  // namespace kwpnd
