#pragma once
// IniFileHandler: reads and writes INI files (layout, data and settings
// files) one key at a time. An instance holds a current file, section and
// key; callers set them in the order Path, section, Key and then read or
// write Value. Instances share nothing but the files, and every instance
// naming a file works on the process's one parsed copy of it, so a write is
// seen by all of them at once. A read checks the file on disk first; inside a
// look-up pass (IniLookupPass) only the first access to each file does.
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

#include <array>
#include <cstdint>
#include <memory>

namespace kwpnd {

class IniFile;

// A look-up pass: one generation walk, or the look-ups hit-testing makes at
// one pointer move. While one lives, each INI file is checked on disk at its
// first access in the pass instead of at every access, so a change on disk is
// seen by the next pass; a write through any handler is seen at once, as
// always. Passes nest. User-interface thread only.
class IniLookupPass {
public:
    IniLookupPass();
    ~IniLookupPass();
    IniLookupPass(const IniLookupPass&) = delete;
    IniLookupPass& operator=(const IniLookupPass&) = delete;

private:
    std::uint64_t outer_;
};

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
    // The same, for a caller that names the same keys over and over: the
    // name's folded form and hash are worked out once, by the caller.
    void Key(const IniName& name);
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
    // The current section's index in `document`, -1 when it has none.
    int sectionIndex(const IniDocument& document) const;

    QString path_;
    // Null while no path is named. A file that did not exist yet when named
    // is looked up again at each access (once per look-up pass), as its
    // canonical path may differ.
    mutable std::shared_ptr<IniFile> file_;
    mutable bool fileExisted_ = false;
    mutable std::uint64_t resolvedInPass_ = 0;
    const IniName& currentKey() const;
    // Makes `name` one of the keys_ and returns its index.
    int rememberKey(const IniName& name);

    const QString& currentSection() const { return sectionListed_ >= 0 ? listed_[sectionListed_] : section_; }

    // The current section's name as given: either listed_[sectionListed_],
    // a name of the last enumeration (selected without copying it), or
    // section_. (Enumerating replaces the list, hence mutable.)
    mutable QString section_;
    mutable int sectionListed_ = -1;
    mutable QStringList listed_;  // the names EnumerateAllSections handed out last
    mutable std::uint64_t listedSerial_ = 0;  // of the document they came from
    // Key names given lately, the current one (key_, -1 for none) among
    // them: callers alternate between a few keys (the walk between a field's
    // thirty), and finding a name here costs less than preparing it again.
    static constexpr int kKeys = 48;
    std::array<IniName, kKeys> keys_;
    int keyCount_ = 0;
    int nextKey_ = 0;  // the one replaced next once all are in use
    int key_ = -1;
    // Where the current section was last found: its index in the document
    // of that serial (0: not looked up since the section was named).
    mutable std::uint64_t sectionSerial_ = 0;
    mutable int sectionAt_ = -1;
};

}  // namespace kwpnd
