#include "ean13.h"

#include "ean_upc_patterns.h"
#include "engine_api.h"
#include "kwpnd/error.h"

namespace kwpnd {

namespace {
constexpr Colour kBlack = 0;
constexpr int kPitch = 15;
constexpr float kBarTop = 90;
constexpr float kDataBottom = 690;
constexpr float kGuardBottom = 840;
constexpr float kCentreBottom = 765;
constexpr float kTextLine = 700;
constexpr float kLeadingDigitX = -20;

struct GuardBar {
    float x, bottom;
};
const GuardBar kLeftGuard[] = {{135, kGuardBottom}, {165, kGuardBottom}};
const GuardBar kCentreGuard[] = {{825, kCentreBottom}, {855, kCentreBottom}};
const GuardBar kRightGuard[] = {{1515, kGuardBottom}, {1545, kGuardBottom}};

// Where a half's digits sit: digit j (1-6) has its base at first + 105·(j - 1),
// its modules 15 units apart after the base, its text `textOffset` from it.
struct Half {
    int firstPosition;  // 1 or 7
    float firstBase;
    float textOffset;
};
const Half kLeftHalf = {1, 165, -15};
const Half kRightHalf = {7, 870, -30};

// A character used as a digit, as the runtime converts a one-character text.
int digitValue(QChar c)
{
    if (c < u'0' || c > u'9')
        throw Error(ErrorNumber::TypeMismatch);
    return c.digitValue();
}

bool isNumericText(const QString& text)
{
    try {
        toStrictDouble(text);
        return true;
    } catch (const Error&) {
        return false;
    }
}

void drawGuard(Surface& surface, const GuardBar (&bars)[2])
{
    LineRun lines[2];
    for (int i = 0; i < 2; ++i)
        lines[i] = {bars[i].x, kBarTop, bars[i].x, bars[i].bottom, kBlack};
    surface.drawLines(lines);
}

void printDigit(Surface& surface, float x, int digit)
{
    surface.CurrentY(kTextLine);
    surface.CurrentX(x);
    surface.Print(std::int16_t(digit));
}

void drawHalf(Surface& surface, const QString& code, int leadingDigit, const Half& half, Colour spaceColour)
{
    for (int j = 1; j <= 6; ++j) {
        const int position = half.firstPosition + j - 1;
        const int digit = digitValue(code[position]);
        const float base = half.firstBase + 105.0f * float(j - 1);
        printDigit(surface, base + half.textOffset, digit);
        LineRun modules[7];
        for (int h = 1; h <= 7; ++h) {
            const float x = base + float(kPitch * h);
            modules[h - 1] = {x,
                              kBarTop,
                              x,
                              kDataBottom,
                              EAN13ModuleColour(leadingDigit, position, digit, h, spaceColour),
                              LineMode::FilledBox};
        }
        surface.drawLines(modules);
    }
}
}  // namespace

QString EAN13CheckDigit(const QString& digits)
{
    const QString twelve = digits.size() > 12 ? digits.left(12) : digits.rightJustified(12, u'0');
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += digitValue(twelve[i]) * (i % 2 == 0 ? 1 : 3);
    const int last = sum % 10;
    return twelve + QString::number(last == 0 ? 0 : 10 - last);
}

Colour EAN13ModuleColour(int leadingDigit, int position, int digit, int module, Colour spaceColour)
{
    if (leadingDigit < 0 || leadingDigit > 9 || position < 1 || position > 12 || digit < 0 || digit > 9 || module < 1 ||
        module > 7)
        throw Error(ErrorNumber::SubscriptOutOfRange);
    const NumberSet set = position <= 6 ? ean13LeftHalfSet(leadingDigit, position) : NumberSet::C;
    const char* modules = numberSetModules(set, digit);
    return modules[module - 1] == '1' ? kBlack : spaceColour;
}

void DrawEAN13(const QString& digits, Surface& surface)
{
    if (!isNumericText(digits))
        return;
    const QString code = EAN13CheckDigit(digits);
    const Colour spaceColour = surface.BackColor();
    const int leadingDigit = digitValue(code[0]);

    drawGuard(surface, kLeftGuard);
    if (leadingDigit != 0) {
        surface.CurrentX(kLeadingDigitX);
        surface.CurrentY(kTextLine);
        surface.Print(std::int16_t(leadingDigit));
    }
    drawHalf(surface, code, leadingDigit, kLeftHalf, spaceColour);
    drawGuard(surface, kCentreGuard);
    drawHalf(surface, code, leadingDigit, kRightHalf, spaceColour);
    drawGuard(surface, kRightGuard);
}

}  // namespace kwpnd
