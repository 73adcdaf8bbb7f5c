#pragma once
// clsKWPNDFontRotateA: writes a text at any angle on a device context (the
// hDC of a kwpnd::Surface). The font is always of normal weight without
// styles; its cell height is given in device pixels.

#include <QString>
#include <cstdint>

namespace kwpnd {

class clsKWPNDFontRotateA {
public:
    // The logical-font record the text is drawn with.
    struct LogFont {
        std::int32_t height = 10;
        std::int32_t width = 0;
        std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
        std::int32_t orientation = 0;
        std::int32_t weight = 400;
        std::uint8_t italic = 0, underline = 0, strikeOut = 0;
        std::uint8_t charSet = 0;
        std::uint8_t outPrecision = 0, clipPrecision = 0;
        std::uint8_t quality = 2;
        std::uint8_t pitchAndFamily = 48;
        QString faceName = QString(32, QLatin1Char(' '));
    };

    // Cell height in device units, taken as is.
    void setPointSize(std::int32_t ps);
    // Degrees; the stored angle is tenths. Beyond 32 bits: error 6, angle unchanged.
    void setAngle(std::int32_t angle);
    // Draws `text` rotated by the stored angle with its reference point at
    // device pixel (X, Y) of the surface named by hDC, in that surface's
    // ForeColor. An unknown handle draws nothing, as the native calls would.
    void dispText(std::int32_t hDC, const QString& text, std::int32_t X, std::int32_t Y,
                  const QString& sFontName = QString());

    const LogFont& font() const { return font_; }

private:
    LogFont font_;
};

}  // namespace kwpnd
