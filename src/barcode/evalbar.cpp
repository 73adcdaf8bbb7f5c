#include "evalbar.h"

#include "code39_table.h"
#include "integer16.h"
#include "kwpnd/surface.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kwpnd {

namespace {
constexpr Colour kBlack = 0;
constexpr Colour kWhite = 0xFFFFFF;

// One-unit segments, x advancing after each, collected for one drawLines
// call per symbol.
class Runs {
public:
    Runs(Surface& surface, std::int16_t top, std::int16_t bottom, std::int16_t& x)
        : surface_(surface), top_(top), bottom_(bottom), x_(x)
    {
    }

    // `count` segments in `colour`. Past the 16-bit range the move is an
    // overflow, after the segment at the last place is drawn.
    void add(std::int16_t count, Colour colour)
    {
        if (count <= 0)
            return;
        const int drawn = std::min(int(count), 32768 - int(x_));
        runs_.push_back({float(x_), float(top_), float(x_), float(bottom_), colour, LineMode::Line, drawn, 1});
        if (drawn < count)
            draw();
        x_ = integer16(x_ + drawn);
    }

    void draw()
    {
        const std::vector<LineRun> pending = std::exchange(runs_, {});
        surface_.drawLines(pending);
    }

private:
    Surface& surface_;
    std::int16_t top_, bottom_;
    std::int16_t& x_;
    std::vector<LineRun> runs_;
};
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

    Runs runs(surface, top, bottom, x);
    try {
        for (QChar c : symbol) {
            const char* pattern = evalbarPattern(EvalbarIndex(QString(c)));
            for (int element = 0; element < 9; ++element) {
                const std::int16_t width = integer16((1 + (pattern[element] - '0')) * module);
                runs.add(width, element % 2 == 0 ? kBlack : kWhite);
            }
            runs.add(module, kWhite);  // gap between characters
        }
    } catch (...) {
        runs.draw();  // what came before the failing step stays drawn
        throw;
    }
    runs.draw();

    surface.CurrentX(0);
    surface.Print(footer);
}

}  // namespace kwpnd
