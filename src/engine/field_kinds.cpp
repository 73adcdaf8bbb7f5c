#include "field_context.h"
#include "text_fields.h"

namespace kwpnd {

namespace {
struct FieldKind {
    const char* type;
    FieldRenderer render;
};

// Field kinds with a renderer of their own; every other value prints its data.
const FieldKind kFieldKinds[] = {
    {"StrFromStrings", drawStrFromStrings},
    {"Now", drawNow},
    {"Date", drawDate},
    {"Time", drawTime},
    {"pavp", drawProductName},
    {"pava", drawAppTitle},
    {"pavv", drawAppVersion},
    {"envvar", drawEnvironmentVariable},
    {"rsetn", drawPaddedNumber},
    {"rsetc", drawPaddedColumn},
    {"lsetc", drawDataLines},
    {"delim", drawDelimited},
    {"txtsh", drawFittedText},
    {"watermark", drawWatermark},
};
}  // namespace

FieldRenderer findFieldRenderer(const QString& type)
{
    for (const FieldKind& kind : kFieldKinds)
        if (type == QLatin1String(kind.type))
            return kind.render;
    return drawPlainText;
}

}  // namespace kwpnd
