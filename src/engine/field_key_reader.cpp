#include "field_key_reader.h"

#include "field_keys.h"
#include "ini_lookup.h"

namespace kwpnd {

FieldKeyReader::FieldKeyReader()
{
    enabled_ = table_.add(IniName(QStringLiteral("Enabled")));
    type_ = table_.add(IniName(QStringLiteral("Type")));
    for (const FieldKey& key : fieldKeys())
        fieldSlots_.push_back(table_.add(IniName(QLatin1String(key.name))));
}

void FieldKeyReader::read(const IniFileHandler& handler) noexcept
{
    handler_ = &handler;
    failure_ = nullptr;
    try {
        serial_ = readIniKeys(handler, table_, values_);
    } catch (...) {
        // A later write may mend the file: the serial tells when to try again.
        serial_ = loadedIniSerial(handler);
        failure_ = std::current_exception();
    }
}

const QString& FieldKeyReader::value(int slot)
{
    if (handler_ && loadedIniSerial(*handler_) != serial_)
        read(*handler_);
    if (failure_)
        std::rethrow_exception(failure_);
    return values_[slot];
}

std::span<const int> FieldKeyReader::kindSlots(std::span<const FieldKindKey> keys)
{
    if (keys.empty())
        return {};
    auto found = kindSlots_.find(keys.data());
    if (found != kindSlots_.end() && found->second.size() == keys.size())
        return found->second;

    const int known = table_.size();
    std::vector<int> keySlots;
    keySlots.reserve(keys.size());
    for (const FieldKindKey& key : keys)
        keySlots.push_back(table_.add(IniName(QLatin1String(key.name))));
    found = kindSlots_.insert_or_assign(keys.data(), std::move(keySlots)).first;
    if (table_.size() != known && handler_)
        read(*handler_);
    return found->second;
}

}  // namespace kwpnd
