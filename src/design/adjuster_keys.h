#pragma once
// The keys of an adjuster, as a table: which key, with exactly which shift
// state, changes what in the field's section of the layout file.

#include "field_style.h"

#include <QString>
#include <cstdint>

namespace kwpnd {

// What generation passed for the field an adjuster stands for. The
// adjuster's tag shows the same four parts joined by ":", but a type or a
// section name may hold a ":" itself, so the parts are kept here and the tag
// is only ever shown, never split.
struct AdjusterField {
    QString type;
    QString section;
    double x = 0;  // XLeft as generation passed it (already rounded to one decimal)
    double y = 0;  // YTop likewise
};

// The field types the resize keys treat as pictures (compared
// case-sensitively); every other type is text.
bool isPictureType(const QString& type);

// What the keys work on beyond the field's section: the window's show mode.
class AdjusterKeyTarget : public FieldEditor {
public:
    // Only the active adjuster is shown from the next generation on.
    virtual void showActiveAdjusterOnly() = 0;
};

// Classic shift states (1 Shift, 2 Ctrl, 4 Alt) and the key codes of the
// adjusters' keys.
namespace AdjusterKey {
inline constexpr std::int16_t Shift = 1, Ctrl = 2, Alt = 4;
inline constexpr std::int16_t Backspace = 8, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
inline constexpr std::int16_t B = 66, D = 68, F = 70, I = 73, O = 79, U = 85, F9 = 120;
}  // namespace AdjusterKey

// How the key handling goes on after the table: generate and refocus, or
// end at once (an empty description).
enum class KeyOutcome { Regenerate, End };

// Runs every binding of the table that matches the key code and the exact
// shift state (F9, Delete and Backspace with any shift state), in the
// table's order. A failing step is skipped and the next one runs.
KeyOutcome runAdjusterKey(std::int16_t keyCode, std::int16_t shift, const AdjusterField& field,
                          AdjusterKeyTarget& target);

// The classic key code of a Qt key: letters, digits and F1 to F12 as the
// window's keys, and Backspace, Delete and the arrows; 0 for others.
std::int16_t adjusterKeyCode(int qtKey);

}  // namespace kwpnd
