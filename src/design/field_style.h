#pragma once
// The font and the colour of one field, chosen in the dialogs and written
// into the field's section of the layout file.

#include <QString>

namespace kwpnd {

class Dialogs;

// One field's section of the layout file as the adjusters edit it.
class FieldEditor {
public:
    virtual ~FieldEditor() = default;

    // The section's value of `key` now (empty when absent); throws when the
    // file cannot be read.
    virtual QString current(const QString& key) = 0;
    // Writes `value` under `key` of the section. A write that fails is kept
    // for one report after the whole action; it never throws.
    virtual void write(const QString& key, const QString& value) = 0;
    virtual Dialogs& dialogs() = 0;
};

// The font dialog, starting from the field's font. The choice is written
// into FontName, FontSize, FontBold, FontItalic and FontUnderline (flags as
// 1 or 0); a cancelled dialog writes nothing.
void SetFieldFont(FieldEditor& field);

// The colour dialog, starting from the field's Forecolor. The choice is
// written into Forecolor as a decimal colour number (red + 256 * green +
// 65536 * blue); a cancelled dialog, or any failure, writes nothing.
void SetFieldForeColor(FieldEditor& field);

}  // namespace kwpnd
