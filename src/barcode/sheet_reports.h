#pragma once
// The failures of one barcode sheet, each reported once. A sheet runs the
// same steps for every cell, so a bad key (a colour, a scale, a bar height)
// would otherwise raise the same message box for every label of the page;
// the first report says it all, the sheet goes on, and the repeats are left
// out.

#include "engine_api.h"

#include <QSet>
#include <QString>
#include <utility>

namespace kwpnd {

class SheetReports {
public:
    SheetReports(Dialogs& dialogs, const QString& section) : dialogs_(dialogs), section_(section) {}

    // Runs one step of the sheet; a failure is reported with the section
    // name unless the same failure was reported before, and false returned.
    template <typename Step>
    bool run(Step&& step)
    {
        const std::optional<Error> failure = failureOf(std::forward<Step>(step));
        if (failure)
            report(*failure);
        return !failure;
    }

    // Reports `error` (once, as run does).
    void report(const Error& error);

private:
    Dialogs& dialogs_;
    QString section_;
    QSet<QString> reported_;
};

}  // namespace kwpnd
