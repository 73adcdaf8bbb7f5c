#pragma once
// Positions held in single precision, as the surfaces and windows hold them.

namespace kwpnd {

// The single nearest to `value`: infinite beyond the range of a single, as
// a single-precision property stores a double (and without the undefined
// conversion of an out-of-range double).
float toSingle(double value);

}  // namespace kwpnd
