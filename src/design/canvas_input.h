#pragma once
// What the design aids' handlers of the page canvas share: the shift states
// they test, and the way a handler's failure ends it.

#include "engine_api.h"

#include <QtCore/qnamespace.h>
#include <optional>
#include <utility>

namespace kwpnd {

// Shift held, and neither Ctrl nor Alt (the classic shift state 1).
inline bool isShiftAlone(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::ShiftModifier;
}

// The digit of a digit key, also when Shift turned it into the character
// above it (on the common US layout: Shift+3 arrives as '#'); none for any
// other key.
std::optional<int> digitOfKey(int qtKey, Qt::KeyboardModifiers modifiers);

// A canvas handler traps nothing: a failure ends it and is shown as an
// untrapped failure (error number as caption). Qt's event delivery never
// sees the exception.
template <typename Handler>
void runCanvasHandler(Handler&& handler) noexcept
{
    endSilently([&] { showOnFailure(Dialogs::current(), MsgIcon::Critical, std::forward<Handler>(handler)); });
}

}  // namespace kwpnd
