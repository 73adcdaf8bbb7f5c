#pragma once
// The window's event handlers trap nothing: a failure ends the handler. As
// Qt's event delivery must not see an exception, the handler's entry point
// catches it and shows it as an untrapped failure (error number as caption).

#include "engine_api.h"

namespace kwpnd {

template <typename Handler>
void runHandler(Handler&& handler) noexcept
{
    // A message box that fails itself is the end of it.
    endSilently([&] { showOnFailure(Dialogs::current(), MsgIcon::Critical, std::forward<Handler>(handler)); });
}

}  // namespace kwpnd
