#pragma once
// clsKWPNDBarcodeUPC11: draws a UPC-A symbol (eleven data digits and their
// check digit, the twelve digits printed under the bars) on a drawing
// surface the host supplies. Besides the whole symbol (DrawBarcode) the class
// offers its drawing steps: the guard pattern, the twenty digit patterns and
// the eight bar and space elements, all drawn at a running x position.
//
// An element of k modules is 15·k vertical one-unit segments from (x, 200)
// to (x, 600), x advancing by one unit per segment; bars are black, spaces
// white. Units are those of the surface's scale (one module is one pixel at a
// twip scale, 15 pixels at a pixel scale). Elements are exactly as wide as
// their modules, so at a twip scale every module lands on its own pixel
// column and the 95 modules span 95 pixels: a decoder reads the symbol. The
// class never erases, resizes or rescales the surface and leaves its font and
// colours alone.
//
// Errors reach the caller as kwpnd::Error: drawing before BarCodePicObj is
// set is error 91, x passing 32767 is an overflow (6).

#include <QString>
#include <cstdint>

namespace kwpnd {

class Surface;

class clsKWPNDBarcodeUPC11 {
public:
    clsKWPNDBarcodeUPC11();
    virtual ~clsKWPNDBarcodeUPC11();

    // The surface drawn on; the object does not own it.
    virtual Surface* BarCodePicObj() const;
    virtual void BarCodePicObj(Surface* surface);
    // The eleven data digits; blanks around them are ignored.
    virtual QString BarCodeData() const;
    virtual void BarCodeData(const QString& digits);

    // Guard pattern: bar, space, bar, space.
    virtual void ssc();
    // Left-half digits (the L set) without their first space module and
    // with one space module after them: the space before each left digit is
    // drawn by the guard or the digit before it.
    virtual void Left0();
    virtual void Left1();
    virtual void Left2();
    virtual void Left3();
    virtual void Left4();
    virtual void Left5();
    virtual void Left6();
    virtual void Left7();
    virtual void Left8();
    virtual void Left9();
    // Right-half digits (the R set), seven modules each.
    virtual void Right0();
    virtual void Right1();
    virtual void Right2();
    virtual void Right3();
    virtual void Right4();
    virtual void Right5();
    virtual void Right6();
    virtual void Right7();
    virtual void Right8();
    virtual void Right9();
    // Bar and space elements of 1 to 4 modules.
    virtual void Line1();
    virtual void Line2();
    virtual void Line3();
    virtual void Line4();
    virtual void Space1();
    virtual void Space2();
    virtual void Space3();
    virtual void Space4();

    // Draws the whole symbol from x = 250 and prints the twelve digits at
    // (450, 650); returns the check digit. Data that is not eleven characters
    // once trimmed draws nothing and returns 0. A character that is not a
    // digit counts as 0 (and is printed as it is).
    virtual std::int16_t DrawBarcode();

private:
    // `modules` > 0 a bar, < 0 a space of that many modules.
    void element(int modules);
    void elements(const signed char* list);
    Surface& surface() const;

    Surface* surface_ = nullptr;
    QString data_;
    std::int16_t x_ = 250;
    std::int16_t top_ = 200;
    std::int16_t height_ = 400;
    std::int16_t digits_[11] = {};
    std::int16_t total_ = 0;
    std::int16_t check_ = 0;
    QString trimmed_;
};

}  // namespace kwpnd
