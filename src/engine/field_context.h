#pragma once
// FieldContext: what a field renderer works with — the record of the field,
// the page canvas, the window it is generated in — and the guard that reports
// a failing step and goes on with the next one.

#include "error_handling.h"
#include "field_kinds.h"
#include "field_record.h"
#include "generation_driver.h"
#include "generation_host.h"
#include "kwpnd/surface.h"

namespace kwpnd {

struct FieldContext {
    FieldRecord& record;
    Surface& canvas;
    GenerationHost& host;
    GenerationDriver& driver;

    // Runs one step; a failure is reported and false returned.
    template <typename Step>
    bool step(Step&& s)
    {
        return reportAndContinue(host.dialogs(), record.sectionName, std::forward<Step>(s));
    }

    // Writes one line of text at the drawing position.
    void write(const QString& text) { canvas.Print(text); }
    // Back to the field's left edge, `Height` further down.
    void nextLine()
    {
        canvas.CurrentX(static_cast<float>(record.XLeft));
        canvas.CurrentY(canvas.CurrentY() + static_cast<float>(record.Height));
    }
};

}  // namespace kwpnd
