#pragma once
// The window's event handlers trap nothing: a failure ends the handler. As
// Qt's event delivery must not see an exception, the handler's entry point
// catches it and shows it as an untrapped failure (error number as caption).

#include "engine_api.h"

namespace kwpnd {

template <typename Handler>
void runHandler(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        const Error error = asError(std::current_exception());
        try {
            Dialogs::current().messageBox(error.description(), MsgButtons::OK, MsgIcon::Critical,
                                          QString::number(error.number()));
        } catch (...) {
        }
    }
}

}  // namespace kwpnd
