// The shared library KWPND10 is made of the folder libraries. Its layers
// meet here: the design aids sit above the preview window, which calls them
// through the factory they register, so the library registers them once,
// when it is loaded.
#include "design_api.h"

namespace kwpnd {
const char* libraryName() { return "KWPND10"; }

namespace {
const bool designAidsRegistered = (registerDesignAids(), true);
}  // namespace
}  // namespace kwpnd
