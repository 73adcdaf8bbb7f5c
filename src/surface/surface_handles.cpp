#include "surface_handles.h"

#include <mutex>
#include <unordered_map>

namespace kwpnd {

namespace {
struct HandleTable {
    std::mutex mutex;
    std::unordered_map<std::int32_t, Surface*> surfaces;
    std::int32_t next = 0x1000;  // well away from small numbers callers use as flags
};

HandleTable& table()
{
    static HandleTable instance;
    return instance;
}
}  // namespace

std::int32_t registerSurfaceHandle(Surface* surface)
{
    HandleTable& t = table();
    const std::lock_guard lock(t.mutex);
    // Handles are not reused while their surface lives, and never 0.
    do {
        t.next = t.next == INT32_MAX ? 0x1000 : t.next + 1;
    } while (t.surfaces.count(t.next) != 0);
    t.surfaces.emplace(t.next, surface);
    return t.next;
}

void releaseSurfaceHandle(std::int32_t handle)
{
    HandleTable& t = table();
    const std::lock_guard lock(t.mutex);
    t.surfaces.erase(handle);
}

Surface* surfaceForHandle(std::int32_t handle)
{
    HandleTable& t = table();
    const std::lock_guard lock(t.mutex);
    const auto found = t.surfaces.find(handle);
    return found == t.surfaces.end() ? nullptr : found->second;
}

}  // namespace kwpnd
