#pragma once
// The library's own ways into IniFileHandler beyond its public members: the
// look-up pass, and keys named by a prepared name.

#include "ini_document.h"
#include "kwpnd/ini_file_handler.h"

#include <cstdint>

namespace kwpnd {

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

// Every key of `table` from the handler's current file and section, read in
// one pass over the section: each slot gets what Value() gives with that key
// named (the same check of the file on disk, blanks, case and first-line
// rule). The handler's own state is left as it is. Returns the serial of the
// document read, 0 when no file is named. Throws as Value() does, and
// leaves every slot "" then.
std::uint64_t readIniKeys(const IniFileHandler& handler, const IniKeyTable& table, IniKeyValues& values);

// The serial of the handler's file as last loaded, without looking at the
// disk (0 when no file is named): it changes when a write through any
// handler, or a reload, replaces the document.
std::uint64_t loadedIniSerial(const IniFileHandler& handler);

// handler.Key(name.text()), for a caller that names the same keys over and
// over: the name's folded form and hash are worked out once, by the caller.
void setIniKey(IniFileHandler& handler, const IniName& name);

}  // namespace kwpnd
