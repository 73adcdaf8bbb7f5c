#pragma once
// The process-wide table of device-context handles: a number that names a
// live surface, for callers that identify surfaces the way native device
// contexts are identified.

#include <cstdint>

namespace kwpnd {

class Surface;

// A fresh handle (never 0) for `surface`.
std::int32_t registerSurfaceHandle(Surface* surface);
void releaseSurfaceHandle(std::int32_t handle);
// The live surface of a handle, or nullptr.
Surface* surfaceForHandle(std::int32_t handle);

}  // namespace kwpnd
