#include "field_kinds.h"

#include "field_context.h"
#include "field_keys.h"
#include "picture_fields.h"
#include "text_fields.h"

#include <map>
#include <mutex>
#include <vector>

namespace kwpnd {

namespace {
struct EngineKind {
    const char* type;
    FieldRenderer render;
};

// The kinds the engine draws itself. None reads keys of its own.
const EngineKind kEngineKinds[] = {
    {"StrFromStrings", drawStrFromStrings},
    {"Now", drawNow},
    {"Date", drawDate},
    {"Time", drawTime},
    {"pavp", drawProductName},
    {"pava", drawAppTitle},
    {"pavv", drawAppVersion},
    {"envvar", drawEnvironmentVariable},
    {"rsetn", drawPaddedNumber},
    {"rsetc", drawPaddedColumn},
    {"lsetc", drawDataLines},
    {"delim", drawDelimited},
    {"txtsh", drawFittedText},
    {"watermark", drawWatermark},
    {"Logo", drawLogo},
    {"Picture1", drawPicture1},
    {"Picture2", drawPicture2},
    {"Picture3", drawPicture3},
    {"Picture4", drawPicture4},
    {"PicFromFile", drawPicFromFile},
    {"PicFromPictures", drawPicFromPictures},
    {"GridFromFlexGrids", drawGridFromFlexGrids},
    {"LVFromListviews", drawLVFromListviews},
    {"WBFromWebbrowsers", drawWBFromWebbrowsers},
    {"Labels", drawLabels},
    {"Line", drawLine},
    {"Circle", drawCircle},
};

// The registry, filled with the engine's kinds on first use (so no static
// initialisation order is involved). Other folders' kinds arrive through
// registerFieldKind from any thread, hence the lock.
class FieldKindRegistry {
public:
    static FieldKindRegistry& instance()
    {
        static FieldKindRegistry registry;
        return registry;
    }

    void add(const FieldKind& kind)
    {
        std::lock_guard lock(mutex_);
        kinds_[kind.type] = kind;
    }

    std::vector<FieldKind> all() const
    {
        std::lock_guard lock(mutex_);
        std::vector<FieldKind> kinds;
        for (const auto& entry : kinds_)
            kinds.push_back(entry.second);
        return kinds;
    }

    std::optional<FieldKind> find(const QString& type) const
    {
        std::lock_guard lock(mutex_);
        const auto it = kinds_.find(type);
        if (it == kinds_.end())
            return std::nullopt;
        return it->second;
    }

private:
    FieldKindRegistry()
    {
        for (const EngineKind& kind : kEngineKinds)
            kinds_[QLatin1String(kind.type)] = FieldKind{QLatin1String(kind.type), {}, kind.render};
    }

    mutable std::mutex mutex_;
    std::map<QString, FieldKind> kinds_;
};
}  // namespace

void registerFieldKind(const FieldKind& kind) { FieldKindRegistry::instance().add(kind); }

std::optional<FieldKind> findFieldKind(const QString& type) { return FieldKindRegistry::instance().find(type); }

QStringList knownFieldKeyNames()
{
    QStringList names{QStringLiteral("Enabled"), QStringLiteral("Type")};
    auto add = [&names](const char* name) {
        const QString key = QLatin1String(name);
        if (!names.contains(key, Qt::CaseInsensitive))
            names << key;
    };
    for (const FieldKey& key : fieldKeys())
        add(key.name);
    for (const FieldKind& kind : FieldKindRegistry::instance().all())
        for (const FieldKindKey& key : kind.keys)
            add(key.name);
    return names;
}

Picture GenerationHost::captureWindow(QObject*)
{
    throw Error::detailed(ErrorNumber::ActionNotSupported, QStringLiteral("this window cannot capture controls"));
}

}  // namespace kwpnd
