#include "number_parse.h"

#include <QStringView>
#include <algorithm>

namespace kwpnd {

namespace {

constexpr std::uint64_t kMaxBits = 0xFFFFFFFFu;
constexpr int kExponentLimit = 1000000;  // far beyond any double, small enough to add safely

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int digitValue(QChar c, int radix)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < radix ? value : -1;
}

struct Scan {
    NumberLiteral literal;
    qsizetype length = 0;  // characters consumed
};

// A decimal number at the start of `s`: [sign] digits [. digits] [E|D [sign] digits].
std::optional<Scan> scanDecimal(QStringView s)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';
    std::string digits;
    int integerDigits = 0;
    while (i < s.size() && isAsciiDigit(s[i])) {
        digits += static_cast<char>(s[i++].unicode());
        ++integerDigits;
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && isAsciiDigit(s[i]))
            digits += static_cast<char>(s[i++].unicode());
    }
    if (digits.empty())
        return std::nullopt;
    qsizetype end = i;
    int exponent = 0;
    if (i < s.size() && QStringView(u"eEdD").contains(s[i])) {
        qsizetype j = i + 1;
        bool exponentNegative = false;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponentNegative = s[j++] == u'-';
        if (j < s.size() && isAsciiDigit(s[j])) {
            while (j < s.size() && isAsciiDigit(s[j])) {
                exponent = std::min(exponent * 10 + (s[j++].unicode() - u'0'), kExponentLimit);
            }
            if (exponentNegative)
                exponent = -exponent;
            end = j;
        }
    }
    Scan scan;
    scan.literal.decimal = makeDecimalDigits(negative, digits, integerDigits + exponent);
    scan.length = end;
    return scan;
}

// An &H or &O literal at the start of `s`. With `stopAtLimit` the digits are
// read only while the value fits in 32 bits; otherwise all of them are read
// and a wider value saturates above the limit.
std::optional<Scan> scanRadix(QStringView s, bool allowOctal, bool stopAtLimit)
{
    if (s.size() < 3 || s[0] != u'&')
        return std::nullopt;
    const QChar letter = s[1].toUpper();
    int radix = 0;
    if (letter == u'H')
        radix = 16;
    else if (letter == u'O' && allowOctal)
        radix = 8;
    else
        return std::nullopt;
    qsizetype i = 2;
    std::uint64_t bits = 0;
    for (; i < s.size(); ++i) {
        const int digit = digitValue(s[i], radix);
        if (digit < 0)
            break;
        const std::uint64_t next = std::min<std::uint64_t>(bits * radix + digit, kMaxBits + 1);
        if (next > kMaxBits && stopAtLimit)
            break;
        bits = next;
    }
    if (i == 2)
        return std::nullopt;
    Scan scan;
    scan.literal.base = radix == 16 ? NumberLiteral::Base::Hexadecimal : NumberLiteral::Base::Octal;
    scan.literal.bits = bits;
    scan.length = i;
    return scan;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

}  // namespace

std::optional<NumberLiteral> readLeadingNumber(const QString& text)
{
    QString squeezed;
    squeezed.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            squeezed += c;
    if (auto radix = scanRadix(squeezed, true, true)) {
        if (radix->length < squeezed.size() && squeezed[radix->length] == u'&')
            radix->literal.longSuffix = true;
        return radix->literal;
    }
    if (auto decimal = scanDecimal(squeezed))
        return decimal->literal;
    return std::nullopt;
}

std::optional<NumberLiteral> readWholeNumber(const QString& text, Radixes radixes)
{
    QStringView s(text);
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    auto scan = scanRadix(s, radixes == Radixes::DecimalHexAndOctal, false);
    if (!scan)
        scan = scanDecimal(s);
    if (!scan || scan->length != s.size())
        return std::nullopt;
    return scan->literal;
}

std::int32_t longFromBits(std::uint64_t bits) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)); }

std::int32_t shortestFromBits(std::uint64_t bits)
{
    if (bits <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
    return longFromBits(bits);
}

std::optional<double> numericTextValue(const QString& text)
{
    const auto literal = readWholeNumber(text, Radixes::DecimalHexAndOctal);
    if (!literal)
        return std::nullopt;
    if (!literal->isDecimal()) {
        if (literal->bits > kMaxBits)
            return std::nullopt;
        return longFromBits(literal->bits);
    }
    const auto converted = toDouble(literal->decimal);
    if (converted.overflow)
        return std::nullopt;
    return converted.value;
}

}  // namespace kwpnd
