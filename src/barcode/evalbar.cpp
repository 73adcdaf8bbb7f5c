#include "evalbar.h"

#include "barcode/integer16.h"
#include "kwpnd/surface.h"

#include <array>

namespace kwpnd {

namespace {
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;

// The characters in table order; a character's position is its index.
const QString kEvalbarCharacters = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*");

// Nine elements per character, bar, gap, bar ... bar; "1" is wide.
const std::array<const char*, 44> kEvalbarPatterns = {
    "000110100", "100100001", "001100001", "101100000", "000110001",  // 0-4
    "100110000", "001110000", "000100101", "100100100", "001100100",  // 5-9
    "100001001", "001001001", "101001000", "000011001", "100011000",  // A-E
    "001011000", "000001101", "100001100", "001001100", "000011100",  // F-J
    "100000011", "001000011", "101000010", "000010011", "100010010",  // K-O
    "001010010", "000000111", "100000110", "001000110", "000010110",  // P-T
    "110000001", "011000001", "111000000", "010010001", "110010000",  // U-Y
    "011010000",                                                      // Z
    "010000101", "110000100", "011000100", "010101000",               // - . blank $
    "010100010", "010001010", "000101010", "010010100",               // / + % *
};

// `count` one-unit segments in `colour`, x advancing after each.
void drawRun(Surface& surface, std::int16_t count, Colour colour, std::int16_t top, std::int16_t bottom,
             std::int16_t& x)
{
    for (std::int16_t i = 0; i < count; ++i) {
        surface.Line(x, top, x, bottom, colour);
        x = integer16(x + 1);
    }
}
}  // namespace

int EvalbarIndex(const QString& character)
{
    if (character.size() != 1)
        return 0;
    const qsizetype index = kEvalbarCharacters.indexOf(character.front());
    return index < 0 ? 0 : int(index);
}

const char* evalbarPattern(int index) { return kEvalbarPatterns.at(std::size_t(index)); }

void DrawEvalbar(const QString& data, const QString& header, const QString& footer, Surface& surface,
                 std::int16_t top, std::int16_t bottom, std::int16_t& x, std::int16_t module)
{
    surface.Cls();
    const QString symbol = QLatin1Char('*') + data.toUpper() + QLatin1Char('*');
    surface.CurrentX(0);
    surface.CurrentY(0);
    surface.Print(header);

    for (QChar c : symbol) {
        const char* pattern = evalbarPattern(EvalbarIndex(QString(c)));
        for (int element = 0; element < 9; ++element) {
            const std::int16_t width = integer16((1 + (pattern[element] - '0')) * module);
            drawRun(surface, width, element % 2 == 0 ? kBlack : kWhite, top, bottom, x);
        }
        drawRun(surface, module, kWhite, top, bottom, x);  // gap between characters
    }

    surface.CurrentX(0);
    surface.Print(footer);
}

}  // namespace kwpnd
