#include "field_keys.h"

#include "conversions.h"

namespace kwpnd {

namespace {
#define KWPND_TEXT(member) [](FieldRecord& r, const QString& t) { r.member = t; }
#define KWPND_CONVERT(member, conversion) [](FieldRecord& r, const QString& t) { r.member = conversion(t); }

const FieldKey kFieldKeys[] = {
    {"Description", KWPND_TEXT(Description)},
    {"Strconv", KWPND_CONVERT(Strconv, toInteger)},
    {"Format", KWPND_TEXT(Format)},
    {"Buffer", KWPND_TEXT(Buffer)},
    {"Delimeter", KWPND_TEXT(Delimeter)},
    {"Expand", KWPND_CONVERT(Expand, toInteger)},
    {"XLeft", KWPND_CONVERT(XLeft, toMeasure)},
    {"YTop", KWPND_CONVERT(YTop, toMeasure)},
    {"XSpacing", KWPND_CONVERT(XSpacing, toMeasure)},
    {"YSpacing", KWPND_CONVERT(YSpacing, toMeasure)},
    {"XCount", KWPND_CONVERT(XCount, toMeasure)},
    {"YCount", KWPND_CONVERT(YCount, toMeasure)},
    {"Width", KWPND_CONVERT(Width, toMeasure)},
    {"Height", KWPND_CONVERT(Height, toMeasure)},
    {"Flags", KWPND_TEXT(Flags)},
    {"BF", KWPND_TEXT(BF)},
    {"RasterOp", KWPND_CONVERT(RasterOp, toStrictLong)},
    {"FontName", KWPND_TEXT(FontName)},
    {"FontBold", KWPND_CONVERT(FontBold, toInteger)},
    {"FontStrikethrough", KWPND_CONVERT(FontStrikethrough, toInteger)},
    {"Angle", KWPND_CONVERT(Angle, toLong)},
    {"FontItalic", KWPND_CONVERT(FontItalic, toInteger)},
    {"FontUnderline", KWPND_CONVERT(FontUnderline, toInteger)},
    {"FontSize", KWPND_CONVERT(FontSize, toInteger)},
    {"Forecolor", KWPND_CONVERT(Forecolor, toStrictLong)},
    {"Backcolor", KWPND_CONVERT(Backcolor, toStrictLong)},
    {"DrawWidth", KWPND_CONVERT(DrawWidth, toStrictLong)},
    {"Datas", KWPND_CONVERT(Datas, toInteger)},
    {"Border", [](FieldRecord& r, const QString& t) { r.Border = static_cast<float>(toNumber(t)); }},
    {"Align", KWPND_CONVERT(Align, toLong)},
    {"Shadow", KWPND_CONVERT(Shadow, toLong)},
};

#undef KWPND_TEXT
#undef KWPND_CONVERT
}  // namespace

std::span<const FieldKey> fieldKeys() { return kFieldKeys; }

}  // namespace kwpnd
