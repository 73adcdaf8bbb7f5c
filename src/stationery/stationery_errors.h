#pragma once
// The one way the stationery classes fail with a path: the error's standard
// description, the path and what is wrong with it.

#include "stationery_deps.h"

#include <QDir>

namespace kwpnd::stationery {

[[noreturn]] inline void failWithPath(int number, const QString& path, const QString& reason)
{
    throw Error::detailed(number, QStringLiteral("%1 %2").arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace kwpnd::stationery
