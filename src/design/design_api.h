#pragma once
// What the library's assembly uses of the design aids: their registration
// with the preview windows. Everything else here is private.

namespace kwpnd {

// From now on every preview window made gets the design aids: the field
// search under the pointer, guides and coordinates, adjusters, the settings
// editor and undo of the edits made from the window. Idempotent.
void registerDesignAids();

}  // namespace kwpnd
