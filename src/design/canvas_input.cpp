#include "canvas_input.h"

namespace kwpnd {

std::optional<int> digitOfKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey - Qt::Key_0;
    if (!(modifiers & Qt::ShiftModifier))
        return std::nullopt;
    // The characters Shift gives on the digit keys 0 to 9.
    static constexpr int kShifted[10] = {Qt::Key_ParenRight, Qt::Key_Exclam,   Qt::Key_At,          Qt::Key_NumberSign,
                                         Qt::Key_Dollar,     Qt::Key_Percent,  Qt::Key_AsciiCircum, Qt::Key_Ampersand,
                                         Qt::Key_Asterisk,   Qt::Key_ParenLeft};
    for (int digit = 0; digit < 10; ++digit)
        if (kShifted[digit] == qtKey)
            return digit;
    return std::nullopt;
}

}  // namespace kwpnd
