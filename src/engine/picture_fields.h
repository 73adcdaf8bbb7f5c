#pragma once
// Renderers of the picture and shape kinds: the component's pictures,
// picture files, picture grids, registered pictures, captured host controls,
// lines, boxes and circles.

#include "field_context.h"

namespace kwpnd {

void drawLogo(FieldContext& ctx);
void drawPicture1(FieldContext& ctx);  // with the kept RasterOp
void drawPicture2(FieldContext& ctx);
void drawPicture3(FieldContext& ctx);
void drawPicture4(FieldContext& ctx);
void drawPicFromFile(FieldContext& ctx);
void drawPicFromPictures(FieldContext& ctx);
void drawGridFromFlexGrids(FieldContext& ctx);
void drawLVFromListviews(FieldContext& ctx);
void drawWBFromWebbrowsers(FieldContext& ctx);
void drawLabels(FieldContext& ctx);
void drawLine(FieldContext& ctx);
void drawCircle(FieldContext& ctx);

// Most pictures one "Labels" field paints; a grid asking for more visible
// cells paints this many and reports the rest as an overflow.
inline constexpr qint64 kMaxLabelCells = 100000;

// The cells of one direction of a picture grid that can show on the canvas:
// cell i (0-based, i < count) starts at pixel origin + i · step and is
// `cellPixels` wide; the canvas spans pixels 0 to `canvasPixels`. Cells
// outside [first, first + count) lie wholly off the canvas.
struct CellRun {
    qint64 first = 0;
    qint64 count = 0;
};
CellRun cellsOnCanvas(double origin, double step, double cellPixels, qint64 count, double canvasPixels);

}  // namespace kwpnd
