#pragma once
// The key names a layout file uses: those of field sections (the keys every
// field has and those of the registered field kinds) and those of the option
// sections "PreviewWindow", "Preview" and "Printer". The settings editor
// offers them when a key name is typed and tells the user about a name that
// is none of them; it never refuses a name.

#include <QString>
#include <QStringList>

namespace kwpnd {

// Every known key name once, field keys first. The numbered copy titles of
// the "Printer" section appear as copytitle1.
QStringList knownLayoutKeyNames();

// Whether `name` is a known key name, letter case aside; "copytitle"
// followed by any copy number is one.
bool isKnownLayoutKeyName(const QString& name);

}  // namespace kwpnd
