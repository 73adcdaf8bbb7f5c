#include "field_context.h"
#include "picture_fields.h"
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
    {"Logo", drawLogo},
    {"Picture1", drawPicture1},
    {"Picture2", drawPicture2},
    {"Picture3", drawPicture3},
    {"Picture4", drawPicture4},
    {"PicFromFile", drawPicFromFile},
    {"PicFromPictures", drawPicFromPictures},
    {"GridFromFlexGrids", drawGridFromFlexGrids},
    {"LVFromListviews", drawLVFromListviews},
    {"WBFromWebbrowsers", drawWBFromWebbrowsers},
    {"Labels", drawLabels},
    {"Line", drawLine},
    {"Circle", drawCircle},
    {"BarcodeSheet", [](FieldContext& ctx) { ctx.host.MakeBarCode(ctx); }},
};
}  // namespace

Picture GenerationHost::captureWindow(QObject*)
{
    throw Error::detailed(ErrorNumber::ActionNotSupported, QStringLiteral("this window cannot capture controls"));
}

void GenerationHost::MakeBarCode(FieldContext& ctx) { drawPlainText(ctx); }

FieldRenderer findFieldRenderer(const QString& type)
{
    for (const FieldKind& kind : kFieldKinds)
        if (type == QLatin1String(kind.type))
            return kind.render;
    return drawPlainText;
}

}  // namespace kwpnd
