#include "sheet_reports.h"

#include "engine_api.h"

namespace kwpnd {

void SheetReports::report(const Error& error)
{
    // The same number with the same detail is the same failure.
    const QString key = QString::number(error.number()) + QLatin1Char('\n') + error.detail();
    if (reported_.contains(key))
        return;
    reported_.insert(key);
    reportError(dialogs_, error, section_);
}

}  // namespace kwpnd
