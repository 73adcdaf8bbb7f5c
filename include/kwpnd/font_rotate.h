#pragma once
/// @file
/// clsKWPNDFontRotateA: writes a text at any angle on a device context (the
/// hDC of a kwpnd::Surface). The font is always of normal weight without
/// styles; its cell height is given in device pixels.

#include "kwpnd/kwpnd10_export.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace kwpnd {

/// Rotated text on a surface named by its device-context handle.
class KWPND10_EXPORT clsKWPNDFontRotateA {
public:
    /// The logical-font record the text is drawn with.
    struct LogFont {
        std::int32_t height = 10;                      ///< cell height in device pixels (negative: em height)
        std::int32_t width = 0;                        ///< average character width; 0 chooses
        std::int32_t escapement = 0;                   ///< tenths of a degree, counter-clockwise
        std::int32_t orientation = 0;                  ///< not used
        std::int32_t weight = 400;                     ///< normal weight
        std::uint8_t italic = 0;                       ///< no italic
        std::uint8_t underline = 0;                    ///< no underline
        std::uint8_t strikeOut = 0;                    ///< no strike-through
        std::uint8_t charSet = 0;                      ///< the ANSI character set
        std::uint8_t outPrecision = 0;                 ///< default output precision
        std::uint8_t clipPrecision = 0;                ///< default clipping precision
        std::uint8_t quality = 2;                      ///< proof quality
        std::uint8_t pitchAndFamily = 48;              ///< variable pitch, no family
        QString faceName = QString(32, QLatin1Char(' '));  ///< 32 characters, blank padded
    };

    /// A rotator with the default font record: height 10, angle 0.
    clsKWPNDFontRotateA();
    ~clsKWPNDFontRotateA();
    /// Copies the font record.
    clsKWPNDFontRotateA(const clsKWPNDFontRotateA& other);
    /// Copies the font record.
    clsKWPNDFontRotateA& operator=(const clsKWPNDFontRotateA& other);

    /// Cell height in device units, taken as is.
    void setPointSize(std::int32_t ps);
    /// Degrees; the stored angle is tenths. Beyond 32 bits: error 6, angle unchanged.
    void setAngle(std::int32_t angle);
    /// Draws `text` rotated by the stored angle with its reference point at
    /// device pixel (X, Y) of the surface named by hDC, in that surface's
    /// ForeColor. An unknown handle draws nothing, as the native calls would.
    void dispText(std::int32_t hDC, const QString& text, std::int32_t X, std::int32_t Y,
                  const QString& sFontName = QString());

    /// The font record of the last call.
    const LogFont& font() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace kwpnd
