#include "evalbar.h"

#include "code39_table.h"
#include "integer16.h"
#include "kwpnd/surface.h"

#include <algorithm>

namespace kwpnd {

namespace {
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;

// `count` one-unit segments in `colour`, x advancing after each.
void drawRun(Surface& surface, std::int16_t count, Colour colour, std::int16_t top, std::int16_t bottom,
             std::int16_t& x)
{
    if (count <= 0)
        return;
    // Past the 16-bit range the move is an overflow, after the segment at
    // the last place is drawn.
    const int drawn = std::min(int(count), 32768 - int(x));
    const LineRun run{float(x), float(top), float(x), float(bottom), colour, LineMode::Line, drawn, 1};
    surface.drawLines({&run, 1});
    x = integer16(x + drawn);
}
}  // namespace

int EvalbarIndex(const QString& character)
{
    if (character.size() != 1)
        return 0;
    const auto& characters = code39Characters();
    for (std::size_t i = 0; i < characters.size(); ++i)
        if (character.front().unicode() == characters[i].character)
            return int(i);
    return 0;
}

const char* evalbarPattern(int index) { return code39Characters().at(std::size_t(index)).elements; }

void DrawEvalbar(const QString& data, const QString& header, const QString& footer, Surface& surface, std::int16_t top,
                 std::int16_t bottom, std::int16_t& x, std::int16_t module)
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
