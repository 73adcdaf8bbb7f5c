#pragma once
// The classic codes that window events carry: mouse buttons (1 left, 2 right,
// 4 middle), the shift state (1 Shift, 2 Ctrl, 4 Alt) and key codes (letters
// as their capital's character code, F1 to F12 as 112 to 123).

#include <QtCore/qnamespace.h>
#include <cstdint>

namespace kwpnd {

std::int16_t mouseButtonCode(Qt::MouseButton button);
std::int16_t shiftCode(Qt::KeyboardModifiers modifiers);
// 0 for a key without a classic code.
std::int16_t keyCode(int qtKey);

}  // namespace kwpnd
