#include "kwpnd/barcode_upc.h"

#include "ean_upc_patterns.h"
#include "integer16.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"

#include <array>

namespace kwpnd {

namespace {
constexpr std::int16_t kStartX = 250;
constexpr float kTextX = 450;
constexpr float kTextY = 650;
constexpr int kUnitsPerModule = 15;

// Element lists, ended by 0: +k a bar of k modules, -k a space of k modules.
const signed char kGuard[] = {1, -1, 1, -1, 0};

// A digit method's elements, ended by 0: the runs of six of the digit's seven
// modules, then a closing one-module space. A left digit (set A) leaves out
// its first module, a space that the closing space of the guard or of the
// digit before supplies; a right digit's (set C) seventh module, always a
// space, is its closing space. Guards and digits together thus draw the
// standard module sequence.
using DigitElements = std::array<signed char, 8>;

DigitElements digitElements(const char* modules, int first)
{
    DigitElements list{};
    std::size_t count = 0;
    for (int i = first; i < first + 6; ++i) {
        const signed char module = modules[i] == '1' ? 1 : -1;
        if (count > 0 && (list[count - 1] > 0) == (module > 0))
            list[count - 1] = static_cast<signed char>(list[count - 1] + module);
        else
            list[count++] = module;
    }
    list[count] = -1;
    return list;
}

struct DigitTables {
    std::array<DigitElements, 10> left, right;
};

const DigitTables& digitTables()
{
    static const DigitTables tables = [] {
        DigitTables t;
        for (int d = 0; d < 10; ++d) {
            t.left[std::size_t(d)] = digitElements(numberSetModules(NumberSet::A, d), 1);
            t.right[std::size_t(d)] = digitElements(numberSetModules(NumberSet::C, d), 0);
        }
        return t;
    }();
    return tables;
}

const signed char* leftDigit(int digit) { return digitTables().left[std::size_t(digit)].data(); }
const signed char* rightDigit(int digit) { return digitTables().right[std::size_t(digit)].data(); }

// A character's number value: a digit is itself, anything else 0.
std::int16_t digitOf(QChar c) { return c >= u'0' && c <= u'9' ? std::int16_t(c.digitValue()) : 0; }
}  // namespace

clsKWPNDBarcodeUPC11::clsKWPNDBarcodeUPC11() = default;
clsKWPNDBarcodeUPC11::~clsKWPNDBarcodeUPC11() = default;

Surface* clsKWPNDBarcodeUPC11::BarCodePicObj() const { return surface_; }
void clsKWPNDBarcodeUPC11::BarCodePicObj(Surface* surface) { surface_ = surface; }
QString clsKWPNDBarcodeUPC11::BarCodeData() const { return data_; }
void clsKWPNDBarcodeUPC11::BarCodeData(const QString& digits) { data_ = digits; }

Surface& clsKWPNDBarcodeUPC11::surface() const
{
    if (!surface_)
        throw Error(ErrorNumber::ObjectNotSet);
    return *surface_;
}

void clsKWPNDBarcodeUPC11::element(int modules)
{
    Surface& s = surface();
    const Colour colour = modules > 0 ? 0 : 0xFFFFFF;
    // Not one segment more: the next element starts where this one's last
    // module ends, and the bars keep to the module grid.
    const int segments = kUnitsPerModule * std::abs(modules);
    const float top = top_;
    const float bottom = float(top_ + height_);
    for (int i = 0; i < segments; ++i) {
        s.Line(x_, top, x_, bottom, colour);
        x_ = integer16(x_ + 1);
    }
}

void clsKWPNDBarcodeUPC11::elements(const signed char* list)
{
    for (; *list != 0; ++list)
        element(*list);
}

void clsKWPNDBarcodeUPC11::ssc() { elements(kGuard); }

void clsKWPNDBarcodeUPC11::Left0() { elements(leftDigit(0)); }
void clsKWPNDBarcodeUPC11::Left1() { elements(leftDigit(1)); }
void clsKWPNDBarcodeUPC11::Left2() { elements(leftDigit(2)); }
void clsKWPNDBarcodeUPC11::Left3() { elements(leftDigit(3)); }
void clsKWPNDBarcodeUPC11::Left4() { elements(leftDigit(4)); }
void clsKWPNDBarcodeUPC11::Left5() { elements(leftDigit(5)); }
void clsKWPNDBarcodeUPC11::Left6() { elements(leftDigit(6)); }
void clsKWPNDBarcodeUPC11::Left7() { elements(leftDigit(7)); }
void clsKWPNDBarcodeUPC11::Left8() { elements(leftDigit(8)); }
void clsKWPNDBarcodeUPC11::Left9() { elements(leftDigit(9)); }
void clsKWPNDBarcodeUPC11::Right0() { elements(rightDigit(0)); }
void clsKWPNDBarcodeUPC11::Right1() { elements(rightDigit(1)); }
void clsKWPNDBarcodeUPC11::Right2() { elements(rightDigit(2)); }
void clsKWPNDBarcodeUPC11::Right3() { elements(rightDigit(3)); }
void clsKWPNDBarcodeUPC11::Right4() { elements(rightDigit(4)); }
void clsKWPNDBarcodeUPC11::Right5() { elements(rightDigit(5)); }
void clsKWPNDBarcodeUPC11::Right6() { elements(rightDigit(6)); }
void clsKWPNDBarcodeUPC11::Right7() { elements(rightDigit(7)); }
void clsKWPNDBarcodeUPC11::Right8() { elements(rightDigit(8)); }
void clsKWPNDBarcodeUPC11::Right9() { elements(rightDigit(9)); }
void clsKWPNDBarcodeUPC11::Line1() { element(1); }
void clsKWPNDBarcodeUPC11::Line2() { element(2); }
void clsKWPNDBarcodeUPC11::Line3() { element(3); }
void clsKWPNDBarcodeUPC11::Line4() { element(4); }
void clsKWPNDBarcodeUPC11::Space1() { element(-1); }
void clsKWPNDBarcodeUPC11::Space2() { element(-2); }
void clsKWPNDBarcodeUPC11::Space3() { element(-3); }
void clsKWPNDBarcodeUPC11::Space4() { element(-4); }

std::int16_t clsKWPNDBarcodeUPC11::DrawBarcode()
{
    trimmed_ = data_;
    while (trimmed_.startsWith(u' '))
        trimmed_.remove(0, 1);
    while (trimmed_.endsWith(u' '))
        trimmed_.chop(1);
    if (trimmed_.size() != 11)
        return 0;

    for (int i = 0; i < 11; ++i)
        digits_[i] = digitOf(trimmed_[i]);
    // Odd positions (1st, 3rd ... 11th) weigh 3, even ones 1.
    total_ = 0;
    for (int i = 0; i < 11; ++i)
        total_ = std::int16_t(total_ + digits_[i] * (i % 2 == 0 ? 3 : 1));
    check_ = total_ % 10 == 0 ? 0 : std::int16_t(total_ / 10 * 10 + 10 - total_);

    using Digit = void (clsKWPNDBarcodeUPC11::*)();
    static constexpr Digit kLeftDigit[10] = {&clsKWPNDBarcodeUPC11::Left0, &clsKWPNDBarcodeUPC11::Left1,
                                             &clsKWPNDBarcodeUPC11::Left2, &clsKWPNDBarcodeUPC11::Left3,
                                             &clsKWPNDBarcodeUPC11::Left4, &clsKWPNDBarcodeUPC11::Left5,
                                             &clsKWPNDBarcodeUPC11::Left6, &clsKWPNDBarcodeUPC11::Left7,
                                             &clsKWPNDBarcodeUPC11::Left8, &clsKWPNDBarcodeUPC11::Left9};
    static constexpr Digit kRightDigit[10] = {&clsKWPNDBarcodeUPC11::Right0, &clsKWPNDBarcodeUPC11::Right1,
                                              &clsKWPNDBarcodeUPC11::Right2, &clsKWPNDBarcodeUPC11::Right3,
                                              &clsKWPNDBarcodeUPC11::Right4, &clsKWPNDBarcodeUPC11::Right5,
                                              &clsKWPNDBarcodeUPC11::Right6, &clsKWPNDBarcodeUPC11::Right7,
                                              &clsKWPNDBarcodeUPC11::Right8, &clsKWPNDBarcodeUPC11::Right9};

    ssc();
    for (int i = 0; i < 6; ++i)
        (this->*kLeftDigit[digits_[i]])();
    ssc();
    for (int i = 6; i < 11; ++i)
        (this->*kRightDigit[digits_[i]])();
    (this->*kRightDigit[check_])();
    ssc();

    Surface& s = surface();
    s.CurrentX(kTextX);
    s.CurrentY(kTextY);
    s.Print(trimmed_ + QString::number(check_));
    x_ = kStartX;
    return check_;
}

}  // namespace kwpnd
