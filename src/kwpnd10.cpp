// The shared library KWPND10 is made of the folder libraries; this file only
// gives the target a source of its own.
namespace kwpnd {
const char* libraryName() { return "KWPND10"; }
}  // namespace kwpnd
