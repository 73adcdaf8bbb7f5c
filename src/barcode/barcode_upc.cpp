#include "kwpnd/barcode_upc.h"

#include "ean_upc_patterns.h"
#include "integer16.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"

#include <algorithm>
#include <array>
#include <span>
#include <typeinfo>
#include <vector>

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

struct KWPND10_NO_EXPORT clsKWPNDBarcodeUPC11::Private {
    Surface* surface = nullptr;
    QString data;
    std::int16_t x = kStartX;
    std::int16_t top = 200;
    std::int16_t height = 400;
    std::int16_t digits[11] = {};
    std::int16_t total = 0;
    std::int16_t check = 0;
    QString trimmed;

    Surface& target() const
    {
        if (!surface)
            throw Error(ErrorNumber::ObjectNotSet);
        return *surface;
    }

    // The segments of an element starting at `from`: `modules` > 0 a bar,
    // < 0 a space of that many modules. Not one segment more: the next
    // element starts where this one's last module ends, and the bars keep
    // to the module grid. One segment a unit across, x moving on after
    // each; past the 16-bit range the move is an overflow, after the
    // segment at the last place is drawn.
    LineRun run(int from, int modules) const
    {
        const int segments = kUnitsPerModule * std::abs(modules);
        const int drawn = std::min(segments, 32768 - from);
        const Colour colour = modules > 0 ? 0 : 0xFFFFFF;
        return {float(from), float(top), float(from), float(top + height), colour, LineMode::Line, drawn, 1};
    }

    void element(int modules)
    {
        Surface& s = target();
        const LineRun r = run(x, modules);
        s.drawLines({&r, 1});
        x = integer16(x + r.count);
    }

    void elements(const signed char* list)
    {
        for (; *list != 0; ++list)
            element(*list);
    }

    // The elements one after the other, as element() draws them, in one
    // drawing call; x stays at the start of the element an error stops at.
    void elementsAtOnce(std::span<const signed char> list)
    {
        Surface& s = target();
        std::vector<LineRun> runs;
        runs.reserve(list.size());
        int at = x;
        for (signed char modules : list) {
            runs.push_back(run(at, modules));
            if (at + runs.back().count > 32767)
                break;  // the overflow, once this element is drawn
            at += runs.back().count;
        }
        std::size_t drawn = 0;
        try {
            s.drawLines(runs, drawn);
        } catch (...) {
            x = integer16(runs[drawn].x1);
            throw;
        }
        x = integer16(runs.back().x1);
        x = integer16(x + runs.back().count);
    }
};

clsKWPNDBarcodeUPC11::clsKWPNDBarcodeUPC11() : d(std::make_unique<Private>()) {}
clsKWPNDBarcodeUPC11::~clsKWPNDBarcodeUPC11() = default;

Surface* clsKWPNDBarcodeUPC11::BarCodePicObj() const { return d->surface; }
void clsKWPNDBarcodeUPC11::BarCodePicObj(Surface* surface) { d->surface = surface; }
QString clsKWPNDBarcodeUPC11::BarCodeData() const { return d->data; }
void clsKWPNDBarcodeUPC11::BarCodeData(const QString& digits) { d->data = digits; }

void clsKWPNDBarcodeUPC11::ssc() { d->elements(kGuard); }

void clsKWPNDBarcodeUPC11::Left0() { d->elements(leftDigit(0)); }
void clsKWPNDBarcodeUPC11::Left1() { d->elements(leftDigit(1)); }
void clsKWPNDBarcodeUPC11::Left2() { d->elements(leftDigit(2)); }
void clsKWPNDBarcodeUPC11::Left3() { d->elements(leftDigit(3)); }
void clsKWPNDBarcodeUPC11::Left4() { d->elements(leftDigit(4)); }
void clsKWPNDBarcodeUPC11::Left5() { d->elements(leftDigit(5)); }
void clsKWPNDBarcodeUPC11::Left6() { d->elements(leftDigit(6)); }
void clsKWPNDBarcodeUPC11::Left7() { d->elements(leftDigit(7)); }
void clsKWPNDBarcodeUPC11::Left8() { d->elements(leftDigit(8)); }
void clsKWPNDBarcodeUPC11::Left9() { d->elements(leftDigit(9)); }
void clsKWPNDBarcodeUPC11::Right0() { d->elements(rightDigit(0)); }
void clsKWPNDBarcodeUPC11::Right1() { d->elements(rightDigit(1)); }
void clsKWPNDBarcodeUPC11::Right2() { d->elements(rightDigit(2)); }
void clsKWPNDBarcodeUPC11::Right3() { d->elements(rightDigit(3)); }
void clsKWPNDBarcodeUPC11::Right4() { d->elements(rightDigit(4)); }
void clsKWPNDBarcodeUPC11::Right5() { d->elements(rightDigit(5)); }
void clsKWPNDBarcodeUPC11::Right6() { d->elements(rightDigit(6)); }
void clsKWPNDBarcodeUPC11::Right7() { d->elements(rightDigit(7)); }
void clsKWPNDBarcodeUPC11::Right8() { d->elements(rightDigit(8)); }
void clsKWPNDBarcodeUPC11::Right9() { d->elements(rightDigit(9)); }
void clsKWPNDBarcodeUPC11::Line1() { d->element(1); }
void clsKWPNDBarcodeUPC11::Line2() { d->element(2); }
void clsKWPNDBarcodeUPC11::Line3() { d->element(3); }
void clsKWPNDBarcodeUPC11::Line4() { d->element(4); }
void clsKWPNDBarcodeUPC11::Space1() { d->element(-1); }
void clsKWPNDBarcodeUPC11::Space2() { d->element(-2); }
void clsKWPNDBarcodeUPC11::Space3() { d->element(-3); }
void clsKWPNDBarcodeUPC11::Space4() { d->element(-4); }

std::int16_t clsKWPNDBarcodeUPC11::DrawBarcode()
{
    d->trimmed = d->data;
    while (d->trimmed.startsWith(u' '))
        d->trimmed.remove(0, 1);
    while (d->trimmed.endsWith(u' '))
        d->trimmed.chop(1);
    if (d->trimmed.size() != 11)
        return 0;

    for (int i = 0; i < 11; ++i)
        d->digits[i] = digitOf(d->trimmed[i]);
    // Odd positions (1st, 3rd ... 11th) weigh 3, even ones 1.
    d->total = 0;
    for (int i = 0; i < 11; ++i)
        d->total = std::int16_t(d->total + d->digits[i] * (i % 2 == 0 ? 3 : 1));
    d->check = d->total % 10 == 0 ? 0 : std::int16_t(d->total / 10 * 10 + 10 - d->total);

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

    if (typeid(*this) == typeid(clsKWPNDBarcodeUPC11)) {
        // No step is overridden: the whole pattern goes in one drawing call.
        std::vector<signed char> pattern;
        const auto append = [&](const signed char* list) {
            for (; *list != 0; ++list)
                pattern.push_back(*list);
        };
        append(kGuard);
        for (int i = 0; i < 6; ++i)
            append(leftDigit(d->digits[i]));
        append(kGuard);
        for (int i = 6; i < 11; ++i)
            append(rightDigit(d->digits[i]));
        append(rightDigit(d->check));
        append(kGuard);
        d->elementsAtOnce(pattern);
    } else {
        ssc();
        for (int i = 0; i < 6; ++i)
            (this->*kLeftDigit[d->digits[i]])();
        ssc();
        for (int i = 6; i < 11; ++i)
            (this->*kRightDigit[d->digits[i]])();
        (this->*kRightDigit[d->check])();
        ssc();
    }

    Surface& s = d->target();
    s.CurrentX(kTextX);
    s.CurrentY(kTextY);
    s.Print(d->trimmed + QString::number(d->check));
    d->x = kStartX;
    return d->check;
}

}  // namespace kwpnd
