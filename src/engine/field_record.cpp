#include "field_record.h"

namespace kwpnd {

void ClearAllVar(FieldRecord& record)
{
    FieldRecord fresh;
    // Members that survive the reset.
    fresh.Flags = std::move(record.Flags);
    fresh.BF = std::move(record.BF);
    fresh.RasterOp = record.RasterOp;
    fresh.Angle = record.Angle;
    fresh.Backcolor = record.Backcolor;
    fresh.DrawWidth = record.DrawWidth;
    fresh.Datas = record.Datas;
    fresh.Border = record.Border;
    fresh.Align = record.Align;
    fresh.Shadow = record.Shadow;
    fresh.Delimeter = std::move(record.Delimeter);
    fresh.paddedBuffer = std::move(record.paddedBuffer);
    fresh.kindStates = std::move(record.kindStates);

    fresh.FontName = QStringLiteral("Arial");
    fresh.FontSize = 8;
    fresh.everReset = true;
    record = std::move(fresh);
}

}  // namespace kwpnd
