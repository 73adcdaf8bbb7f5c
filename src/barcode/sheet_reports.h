#pragma once
// The failures of one barcode sheet, each reported once. A sheet runs the
// same steps for every cell, so a bad key (a colour, a scale, a bar height)
// would otherwise raise the same message box for every label of the page;
// the first report says it all, the sheet goes on, and the repeats are left
// out.

#include "kwpnd/error.h"

#include <QSet>
#include <QString>
#include <exception>
#include <utility>

namespace kwpnd {

class Dialogs;

class SheetReports {
public:
    SheetReports(Dialogs& dialogs, const QString& section) : dialogs_(dialogs), section_(section) {}

    // Runs one step of the sheet; a failure is reported with the section
    // name unless the same failure was reported before, and false returned.
    template <typename Step>
    bool run(Step&& step)
    {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (...) {
            report(std::current_exception());
            return false;
        }
    }

    // Reports `error` (once, as run does).
    void report(const Error& error);

private:
    void report(std::exception_ptr failure);

    Dialogs& dialogs_;
    QString section_;
    QSet<QString> reported_;
};

}  // namespace kwpnd
