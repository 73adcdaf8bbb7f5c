// Number patterns: digit placeholders 0 and #, decimal point, thousands
// separator and scaling commas, percent, scientific notation, literals, and
// up to three sections (positive; negative; zero).
#include "conversions.h"
#include "decimal_digits.h"
#include "format_parts.h"

#include <cmath>
#include <vector>

namespace kwpnd::format_detail {

namespace {

// Numbers are formatted from the same 15-significant-digit decimal form that
// numberText shows, so 2.675 with "0.00" reads "2.68".
constexpr int kSignificantDigits = 15;

enum class Part { Integer, Fraction, Exponent };

struct Token {
    enum class Kind { Zero, Hash, Point, Comma, Percent, Exponent, Literal };
    Kind kind;
    QString text;  // Literal: the text; Exponent: letter and sign ("E+")
    Part part = Part::Integer;
};

struct Layout {
    std::vector<Token> tokens;
    int integerSlots = 0;
    int fractionSlots = 0;
    int exponentZeros = 0;
    int scalingCommas = 0;
    int percents = 0;
    bool grouping = false;
    bool scientific = false;
};

bool isDigitSlot(const Token& t) { return t.kind == Token::Kind::Zero || t.kind == Token::Kind::Hash; }

// "E+" or "E-" (either case) followed by a digit placeholder opens the exponent.
bool opensExponent(const QString& section, qsizetype i)
{
    return i + 2 < section.size() && (section[i] == u'E' || section[i] == u'e') &&
           (section[i + 1] == u'+' || section[i + 1] == u'-') && (section[i + 2] == u'0' || section[i + 2] == u'#');
}

std::vector<Token> tokenize(const QString& section)
{
    std::vector<Token> tokens;
    Part part = Part::Integer;
    // Quoted and escaped text is taken apart first so that "E+0" inside quotes stays literal.
    for (const PatternPiece& piece : patternPieces(section)) {
        if (piece.literal) {
            tokens.push_back({Token::Kind::Literal, piece.text, part});
            continue;
        }
        const QString& plain = piece.text;
        for (qsizetype i = 0; i < plain.size(); ++i) {
            const QChar c = plain[i];
            Token token{Token::Kind::Literal, QString(c), part};
            if (c == u'0' || c == u'#') {
                token.kind = c == u'0' ? Token::Kind::Zero : Token::Kind::Hash;
            } else if (c == u'.' && part == Part::Integer) {
                token.kind = Token::Kind::Point;
                part = Part::Fraction;
            } else if (c == u',' && part == Part::Integer) {
                token.kind = Token::Kind::Comma;
            } else if (c == u'%') {
                token.kind = Token::Kind::Percent;
            } else if (part != Part::Exponent && opensExponent(plain, i)) {
                token = {Token::Kind::Exponent, plain.mid(i, 2), Part::Exponent};
                part = Part::Exponent;
                ++i;
            }
            tokens.push_back(token);
        }
    }
    return tokens;
}

// A comma between integer placeholders groups thousands; one after the last
// integer placeholder divides by 1000; one before any placeholder is literal.
Layout layoutOf(const QString& section)
{
    Layout layout;
    layout.tokens = tokenize(section);
    auto& tokens = layout.tokens;
    auto isIntegerSlot = [](const Token& t) { return isDigitSlot(t) && t.part == Part::Integer; };
    // slotFrom[i]: an integer placeholder lies at i or after it before the
    // integer part ends. Worked out once, so that every comma is placed in
    // constant time however many there are.
    std::vector<bool> slotFrom(tokens.size() + 1, false);
    for (std::size_t i = tokens.size(); i-- > 0;)
        slotFrom[i] = tokens[i].part == Part::Integer && (isDigitSlot(tokens[i]) || slotFrom[i + 1]);
    bool slotBefore = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        if (t.kind != Token::Kind::Comma) {
            slotBefore = slotBefore || isIntegerSlot(t);
            continue;
        }
        const bool slotAfter = slotFrom[i + 1];
        if (slotBefore && slotAfter)
            layout.grouping = true;
        else if (slotBefore)
            ++layout.scalingCommas;
        else
            t = {Token::Kind::Literal, QStringLiteral(","), Part::Integer};
    }
    for (const Token& t : tokens) {
        if (isDigitSlot(t)) {
            if (t.part == Part::Integer)
                ++layout.integerSlots;
            else if (t.part == Part::Fraction)
                ++layout.fractionSlots;
            else if (t.kind == Token::Kind::Zero)
                ++layout.exponentZeros;
        }
        layout.percents += t.kind == Token::Kind::Percent;
        layout.scientific = layout.scientific || t.kind == Token::Kind::Exponent;
    }
    return layout;
}

// The digits to show: integer and fraction digits and, in scientific
// notation, the exponent.
struct Digits {
    std::string integer;   // without leading zeros
    std::string fraction;  // exactly fractionSlots digits
    int exponent = 0;
    bool zero = true;  // every shown digit is zero
};

Digits digitsFor(const Layout& layout, double magnitude)
{
    DecimalDigits d = decimalDigits(magnitude, kSignificantDigits);
    if (!d.isZero())
        d.exponent += 2 * layout.percents - 3 * layout.scalingCommas;
    Digits digits;
    if (layout.scientific) {
        if (!d.isZero()) {
            d = roundedToSignificant(d, std::max(1, layout.integerSlots + layout.fractionSlots), Tie::AwayFromZero);
            digits.exponent = d.exponent - layout.integerSlots;
            d.exponent = layout.integerSlots;
        }
    } else {
        d = roundedToDecimals(d, layout.fractionSlots, Tie::AwayFromZero);
    }
    digits.integer = integerPartDigits(d);
    digits.fraction = fractionDigits(d, layout.fractionSlots);
    digits.zero = d.isZero();
    return digits;
}

// Writes the integer digits into the integer placeholders, right-aligned; the
// leftmost placeholder also takes every digit the pattern has no room for.
class IntegerWriter {
public:
    IntegerWriter(const Layout& layout, const std::string& digits) : layout_(layout), digits_(digits)
    {
        for (const Token& t : layout.tokens)
            if (isDigitSlot(t) && t.part == Part::Integer)
                zeroSlot_.push_back(t.kind == Token::Kind::Zero);
    }

    // Output of the next integer placeholder.
    QString nextSlot()
    {
        const int slotCount = static_cast<int>(zeroSlot_.size());
        const int position = slotCount - slot_++;  // 1 = units
        QString out;
        if (position == slotCount)
            for (int q = length(); q > slotCount; --q)
                out += digitAt(q);
        out += digitAt(position);
        return out;
    }

private:
    int length() const { return static_cast<int>(digits_.size()); }

    bool shows(int position) const
    {
        if (position < 1)
            return false;
        if (position <= length())
            return true;
        const int slotCount = static_cast<int>(zeroSlot_.size());
        return position <= slotCount && zeroSlot_[slotCount - position];
    }

    QString digitAt(int position) const
    {
        if (!shows(position))
            return {};
        QString out(position <= length() ? QChar(digits_[length() - position]) : QChar(u'0'));
        if (layout_.grouping && position > 1 && (position - 1) % 3 == 0 && shows(position - 1))
            out += u',';
        return out;
    }

    const Layout& layout_;
    const std::string& digits_;
    std::vector<bool> zeroSlot_;
    int slot_ = 0;
};

QString exponentText(const Token& marker, int exponent, int zeros)
{
    QString sign;
    if (exponent < 0)
        sign = QStringLiteral("-");
    else if (marker.text[1] == u'+')
        sign = QStringLiteral("+");
    return marker.text[0] + sign + QString::number(std::abs(exponent)).rightJustified(std::max(zeros, 1), u'0');
}

QString renderSection(const QString& section, double magnitude, bool negative)
{
    const Layout layout = layoutOf(section);
    const Digits digits = digitsFor(layout, magnitude);

    // Trailing '#' fraction places that hold zeros are left out.
    std::vector<bool> fractionHash;
    for (const Token& t : layout.tokens)
        if (isDigitSlot(t) && t.part == Part::Fraction)
            fractionHash.push_back(t.kind == Token::Kind::Hash);
    int fractionShown = layout.fractionSlots;
    while (fractionShown > 0 && fractionHash[fractionShown - 1] && digits.fraction[fractionShown - 1] == '0')
        --fractionShown;

    IntegerWriter integer(layout, digits.integer);
    QString out = negative && !digits.zero ? QStringLiteral("-") : QString();
    int fractionSlot = 0;
    bool exponentWritten = false;
    const Token* exponentMarker = nullptr;
    for (const Token& t : layout.tokens) {
        switch (t.kind) {
        case Token::Kind::Zero:
        case Token::Kind::Hash:
            if (t.part == Part::Integer) {
                out += integer.nextSlot();
            } else if (t.part == Part::Fraction) {
                if (fractionSlot < fractionShown)
                    out += QChar(digits.fraction[fractionSlot]);
                ++fractionSlot;
            } else if (!exponentWritten) {
                out += exponentText(*exponentMarker, digits.exponent, layout.exponentZeros);
                exponentWritten = true;
            }
            break;
        case Token::Kind::Point:
            if (layout.integerSlots == 0)
                out += QString::fromLatin1(digits.integer);
            out += u'.';
            break;
        case Token::Kind::Comma:
            break;  // grouping and scaling act on the digits
        case Token::Kind::Percent:
            out += u'%';
            break;
        case Token::Kind::Exponent:
            exponentMarker = &t;
            break;
        case Token::Kind::Literal:
            out += t.text;
            break;
        }
    }
    return out;
}

}  // namespace

QString formatNumber(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return numberText(value);
    const QStringList sections = splitSections(pattern);
    auto given = [&](int index) { return index < sections.size() && !sections[index].isEmpty(); };
    if (value < 0 && given(1))
        return renderSection(sections[1], -value, false);
    if (value == 0 && given(2))
        return renderSection(sections[2], 0.0, false);
    if (!given(0))
        return numberText(value);
    return renderSection(sections[0], std::fabs(value), value < 0);
}

}  // namespace kwpnd::format_detail
