#pragma once
// The field keys of a layout section, in the order generation reads them,
// each with its conversion into the working record.

#include "field_record.h"

#include <QString>
#include <span>

namespace kwpnd {

struct FieldKey {
    const char* name;
    void (*store)(FieldRecord& record, const QString& text);  // throws when the text does not convert
};

// Every key read after `Enabled` and `Type`, in reading order.
std::span<const FieldKey> fieldKeys();

}  // namespace kwpnd
