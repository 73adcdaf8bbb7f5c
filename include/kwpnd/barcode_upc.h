#pragma once
/// @file
/// clsKWPNDBarcodeUPC11: draws a UPC-A symbol (eleven data digits and their
/// check digit, the twelve digits printed under the bars) on a drawing
/// surface the host supplies. Besides the whole symbol (DrawBarcode) the class
/// offers its drawing steps: the guard pattern, the twenty digit patterns and
/// the eight bar and space elements, all drawn at a running x position.
///
/// An element of k modules is 15·k vertical one-unit segments from (x, 200)
/// to (x, 600), x advancing by one unit per segment; bars are black, spaces
/// white. Units are those of the surface's scale (one module is one pixel at a
/// twip scale, 15 pixels at a pixel scale). Elements are exactly as wide as
/// their modules, so at a twip scale every module lands on its own pixel
/// column and the 95 modules span 95 pixels: a decoder reads the symbol. The
/// class never erases, resizes or rescales the surface and leaves its font and
/// colours alone.
///
/// Errors reach the caller as kwpnd::Error: drawing before BarCodePicObj is
/// set is error 91, x passing 32767 is an overflow (6).

#include "kwpnd/kwpnd10_export.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace kwpnd {

class Surface;

/// A UPC-A symbol drawn on a host surface, whole or step by step.
class KWPND10_EXPORT clsKWPNDBarcodeUPC11 {
public:
    /// No surface, no data; x starts at 250.
    clsKWPNDBarcodeUPC11();
    virtual ~clsKWPNDBarcodeUPC11();  ///< Leaves the surface alone.

    // The surface drawn on; the object does not own it.
    virtual Surface* BarCodePicObj() const;  ///< Null until set.
    virtual void BarCodePicObj(Surface* surface);  ///< Sets the surface drawn on (not owned).
    // The eleven data digits; blanks around them are ignored.
    virtual QString BarCodeData() const;  ///< The data as set.
    virtual void BarCodeData(const QString& digits);  ///< Sets the eleven digits; blanks around them are ignored.

    /// Guard pattern: bar, space, bar, space.
    virtual void ssc();
    // Left-half digits (the L set) without their first space module and
    // with one space module after them: the space before each left digit is
    // drawn by the guard or the digit before it.
    virtual void Left0();  ///< A left-half digit 0 (L set).
    virtual void Left1();  ///< A left-half digit 1 (L set).
    virtual void Left2();  ///< A left-half digit 2 (L set).
    virtual void Left3();  ///< A left-half digit 3 (L set).
    virtual void Left4();  ///< A left-half digit 4 (L set).
    virtual void Left5();  ///< A left-half digit 5 (L set).
    virtual void Left6();  ///< A left-half digit 6 (L set).
    virtual void Left7();  ///< A left-half digit 7 (L set).
    virtual void Left8();  ///< A left-half digit 8 (L set).
    virtual void Left9();  ///< A left-half digit 9 (L set).
    // Right-half digits (the R set), seven modules each.
    virtual void Right0();  ///< A right-half digit 0 (R set).
    virtual void Right1();  ///< A right-half digit 1 (R set).
    virtual void Right2();  ///< A right-half digit 2 (R set).
    virtual void Right3();  ///< A right-half digit 3 (R set).
    virtual void Right4();  ///< A right-half digit 4 (R set).
    virtual void Right5();  ///< A right-half digit 5 (R set).
    virtual void Right6();  ///< A right-half digit 6 (R set).
    virtual void Right7();  ///< A right-half digit 7 (R set).
    virtual void Right8();  ///< A right-half digit 8 (R set).
    virtual void Right9();  ///< A right-half digit 9 (R set).
    // Bar and space elements of 1 to 4 modules.
    virtual void Line1();  ///< A bar of 1 module.
    virtual void Line2();  ///< A bar of 2 modules.
    virtual void Line3();  ///< A bar of 3 modules.
    virtual void Line4();  ///< A bar of 4 modules.
    virtual void Space1();  ///< A space of 1 module.
    virtual void Space2();  ///< A space of 2 modules.
    virtual void Space3();  ///< A space of 3 modules.
    virtual void Space4();  ///< A space of 4 modules.

    /// Draws the whole symbol from x = 250 and prints the twelve digits at
    /// (450, 650); returns the check digit. Data that is not eleven characters
    /// once trimmed draws nothing and returns 0. A character that is not a
    /// digit counts as 0 (and is printed as it is).
    virtual std::int16_t DrawBarcode();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace kwpnd
