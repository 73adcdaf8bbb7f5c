#pragma once
// The message boxes headless dialogs showed, for tests of the windows.
#include "kwpnd/dialogs.h"

#include <QStringList>

namespace kwpnd::test {

// Each message box shown so far, as "caption|text".
inline QStringList shownTexts(const HeadlessDialogs& dialogs)
{
    QStringList texts;
    for (const auto& s : dialogs.shown())
        texts << s.caption + QLatin1Char('|') + s.text;
    return texts;
}

}  // namespace kwpnd::test
