#pragma once
// What a barcode sheet may ask for. Every number of the layout that decides
// how many labels are stamped or how large a composing surface becomes is
// checked here before anything is drawn or allocated, and a refusal names
// the key and its value.

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace kwpnd {

// Most labels one sheet stamps on the page. Only labels that can show on the
// page count; a grid that would still stamp more stamps this many and reports
// an overflow (6) once. A label that carries a barcode needs about a square
// centimetre: even an A3 page holds fewer, and with numbering every label is
// composed anew (a few milliseconds each).
inline constexpr qint64 kMaxSheetLabels = 2000;

// Most pixels of one composing surface (the label or the barcode surface),
// about 5000 × 5000: a label larger than a printed page has no use, and each
// label is copied several times on its way to the page.
inline constexpr qint64 kMaxComposingPixels = 25'000'000;

// Refuses (error 380, naming the keys and their values) a composing surface
// of `widthTwips` × `heightTwips` window units that is negative, has a side
// beyond the largest surface or more than kMaxComposingPixels pixels.
void checkComposingSize(const char* widthKey, double widthTwips, const char* heightKey, double heightTwips);

// Refuses (error 380, naming BarCodeHeight and its value) a Code 39 symbol
// that the encoder would make larger than a composing surface may be: the
// encoder makes its surface 1.4 × barHeight pixels high and about 16.5
// modules wide per character of `data`, start and stop included.
void checkCode39Size(std::int16_t barHeight, const QString& data);

// The whole part of a grid count; below 1 (or not a number) there is no cell.
// Bounded so that a count of any size is a whole number a 64-bit integer holds.
qint64 sheetCount(double count);

}  // namespace kwpnd
