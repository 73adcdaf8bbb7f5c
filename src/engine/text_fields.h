#pragma once
// Renderers of the text kinds.

#include "field_context.h"
#include "field_kinds.h"

namespace kwpnd {

void drawStrFromStrings(FieldContext& ctx);
void drawNow(FieldContext& ctx);
void drawDate(FieldContext& ctx);
void drawTime(FieldContext& ctx);
void drawProductName(FieldContext& ctx);  // "pavp"
void drawAppTitle(FieldContext& ctx);     // "pava"
void drawAppVersion(FieldContext& ctx);   // "pavv"
void drawEnvironmentVariable(FieldContext& ctx);
void drawPaddedNumber(FieldContext& ctx);  // "rsetn"
void drawPaddedColumn(FieldContext& ctx);  // "rsetc"
void drawDataLines(FieldContext& ctx);     // "lsetc"
void drawDelimited(FieldContext& ctx);     // "delim"
void drawFittedText(FieldContext& ctx);    // "txtsh"
void drawWatermark(FieldContext& ctx);     // "watermark"

// The text right-aligned in a buffer of `width` blanks: shorter text is
// padded on the left, longer text keeps its leftmost characters.
QString rightAligned(const QString& text, int width);

// Largest padded-number buffer, in characters.
inline constexpr int kMaxBuffer = 65536;

}  // namespace kwpnd
