#include "sheet_reports.h"

#include "engine_api.h"

namespace kwpnd {

void SheetReports::report(const Error& error)
{
    const QString key = QString::number(error.number()) + QLatin1Char('\n') + error.description();
    if (reported_.contains(key))
        return;
    reported_.insert(key);
    reportError(dialogs_, error, section_);
}

void SheetReports::report(std::exception_ptr failure) { report(asError(std::move(failure))); }

}  // namespace kwpnd
