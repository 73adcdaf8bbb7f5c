#pragma once
// The keys of a field section, read in one pass over the section: Enabled,
// Type, the keys every field has and the keys of every kind met so far. The
// names are prepared once, for the life of the reader, and each value is the
// one IniFileHandler::Value gives for that key.

#include "field_kinds.h"
#include "ini_document.h"

#include <cstdint>
#include <exception>
#include <map>
#include <span>
#include <vector>

namespace kwpnd {

class IniFileHandler;

class FieldKeyReader {
public:
    FieldKeyReader();

    // Reads the handler's current file and section. A failure is kept and
    // thrown by every value asked for until the next read, as each Value()
    // would throw it.
    void read(const IniFileHandler& handler) noexcept;

    // The value in `slot` as the handler gives it now: when a write through
    // any handler has replaced the file's document since the read, the
    // section is read again first. Throws the failure of the read.
    const QString& value(int slot);

    int enabledSlot() const { return enabled_; }
    int typeSlot() const { return type_; }
    // The slots of fieldKeys(), in its order.
    std::span<const int> fieldSlots() const { return fieldSlots_; }
    // The slots of a kind's key table, in its order. A table met for the
    // first time joins the reader, and the last section read is read again.
    std::span<const int> kindSlots(std::span<const FieldKindKey> keys);
    const IniName& name(int slot) const { return table_.name(slot); }

private:
    IniKeyTable table_;
    IniKeyValues values_;
    int enabled_ = -1;
    int type_ = -1;
    std::vector<int> fieldSlots_;
    std::map<const FieldKindKey*, std::vector<int>> kindSlots_;  // by the table's first key

    const IniFileHandler* handler_ = nullptr;  // of the last read
    std::uint64_t serial_ = 0;                 // of the document it read
    std::exception_ptr failure_;
};

}  // namespace kwpnd
