#pragma once
// Fonts and text measurement shared by the surface and its recording.
//
// Fonts are described in points at 96 dpi, the retained image's resolution.
// Drawing on another device (a printer, a PDF, an enlarged image) corrects the
// point size by 96 / device dpi, because the painter's own scaling already
// carries the enlargement: text then keeps its physical size everywhere.

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

namespace kwpnd {

inline constexpr int kScreenDpi = 96;
inline constexpr int kDotsPerMeter96 = 3780;  // 96 dpi

// A 1×1 raster at 96 dpi that text is measured against, so measurements do
// not depend on the screen of the machine.
const QPaintDevice& metricDevice();

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// A font of the face (trailing blanks ignored; no face picks a fixed-pitch
// one) at `points` (at 96 dpi), without hinting so that text lays out the same
// at every size and on every machine.
QFont makeSurfaceFont(const QString& face, double points, FontStyle style = {});

// The font to hand to a painter on `device` (see the note above).
QFont fontForDevice(const QFont& font, const QPaintDevice* device);

// The lines of a text: CR LF, CR and LF each end a line.
QStringList splitLines(const QString& text);

}  // namespace kwpnd
