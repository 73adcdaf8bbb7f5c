#pragma once
// What the fuzz targets share: the input as text and fields, the one way of
// tolerating the library's own errors, and the check that turns a broken
// promise into a crash the fuzzer (or the corpus replay) reports.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace kwpnd::fuzz {

// The input decoded as UTF-8 (invalid sequences become U+FFFD).
QString inputText(const std::uint8_t* data, std::size_t size);

// The text split at `separator` into exactly `count` fields: missing fields
// are empty, the last field keeps any further separators.
QStringList fields(const QString& text, QChar separator, int count);

// A number written in an input ("12", "-3.5", "1e400", "nan"); `fallback`
// when the text is not a number. Infinities and NaN come through as such.
float floatField(const QString& text, float fallback = 0);
double doubleField(const QString& text, double fallback = 0);
// A whole number, clamped to the 16-/32-bit range instead of wrapping.
std::int16_t int16Field(const QString& text, std::int16_t fallback = 0);
std::int32_t int32Field(const QString& text, std::int32_t fallback = 0);

// Runs `step`; a kwpnd::Error it throws is an expected answer to bad input
// and is swallowed. Returns false when the step threw one.
template <typename Step>
bool tolerated(Step&& step);

// A property the library promises does not hold: prints what and aborts.
[[noreturn]] void fail(const char* what, const QString& detail);
inline void check(bool ok, const char* what, const QString& detail = {})
{
    if (!ok)
        fail(what, detail);
}

}  // namespace kwpnd::fuzz

#include "kwpnd/error.h"

template <typename Step>
bool kwpnd::fuzz::tolerated(Step&& step)
{
    try {
        step();
        return true;
    } catch (const kwpnd::Error&) {
        return false;
    }
}
