#pragma once
// The handling kinds, written once. A step is any callable; a kwpnd::Error
// (or another exception, mapped to the nearest runtime error) thrown by it is
// handled as the kind says.
//   no trap          - simply call the step
//   reportAndContinue - message box, information icon, "description CR LF
//                       section" as text, the error number as caption
//   showOnFailure     - the command ends; message box with the description
//                       as text and the error number as caption
//   skipOnError       - the failing statement is skipped silently
//   endSilently       - the command ends, nothing is reported
// withContext names what a failing step worked on (a key, an option) in the
// error's detail, and lets the failure go on to the handling around it.
// A message box shows the runtime's description; the error's detail goes to
// the dialog service apart from the text (the box's details area).

#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"

#include <exception>
#include <new>
#include <optional>
#include <utility>

namespace kwpnd {

// The error an unexpected exception stands for.
inline Error asError(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(std::move(failure));
    } catch (const Error& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return Error(ErrorNumber::OutOfMemory);
    } catch (const std::exception& e) {
        return Error::detailed(ErrorNumber::InvalidProcedureCall, QString::fromUtf8(e.what()));
    }
}

// Shows the report of one failed step of generation.
inline void reportError(Dialogs& dialogs, const Error& error, const QString& section)
{
    dialogs.messageBox(error.description() + QLatin1String("\r\n") + section, MsgButtons::OK, MsgIcon::Information,
                       QString::number(error.number()), error.detail());
}

// Shows a failure that ended a command.
inline void showFailure(Dialogs& dialogs, const Error& error, MsgIcon icon)
{
    dialogs.messageBox(error.description(), MsgButtons::OK, icon, QString::number(error.number()), error.detail());
}

template <typename Step>
bool reportAndContinue(Dialogs& dialogs, const QString& section, Step&& step)
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        reportError(dialogs, asError(std::current_exception()), section);
        return false;
    }
}

template <typename Step>
bool showOnFailure(Dialogs& dialogs, MsgIcon icon, Step&& step)
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        showFailure(dialogs, asError(std::current_exception()), icon);
        return false;
    }
}

template <typename Step>
bool skipOnError(Step&& step) noexcept
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        return false;
    }
}

// Runs the step and hands back its failure, if any, for the caller to
// report later (gathered reports of a loop).
template <typename Step>
std::optional<Error> failureOf(Step&& step)
{
    try {
        std::forward<Step>(step)();
        return std::nullopt;
    } catch (...) {
        return asError(std::current_exception());
    }
}

// `context()` gives the name; it is made only when the step fails.
template <typename Context, typename Step>
void withContext(Context&& context, Step&& step)
{
    if (std::optional<Error> failure = failureOf(std::forward<Step>(step)))
        throw failure->within(std::forward<Context>(context)());
}

template <typename Step>
void endSilently(Step&& step) noexcept
{
    skipOnError(std::forward<Step>(step));
}

}  // namespace kwpnd
