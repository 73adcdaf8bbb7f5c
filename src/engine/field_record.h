#pragma once
// FieldRecord: the working record of the field being generated. Filled anew
// for each section; ClearAllVar restores the members that are reset after
// every section, while the kept members carry over to later sections (and
// later generations of the same window).

#include <QString>
#include <any>
#include <cstdint>
#include <map>

namespace kwpnd {

struct FieldRecord {
    // Reset after every section.
    QString sectionName;  // as enumerated, surrounding blanks included
    QString Description;
    QString Type;
    QString data;  // Data of the data file
    QString Format;
    QString Buffer;
    std::int16_t Enabled = 0;
    std::int16_t Strconv = 0;
    std::int16_t Expand = 0;
    std::int16_t FontBold = 0;
    std::int16_t FontItalic = 0;
    std::int16_t FontStrikethrough = 0;
    std::int16_t FontUnderline = 0;
    std::int32_t Forecolor = 0;
    double XLeft = 0, YTop = 0, Width = 0, Height = 0;
    double XSpacing = 0, YSpacing = 0, XCount = 0, YCount = 0;
    QString FontName;           // "Arial" after the first reset
    std::int16_t FontSize = 0;  // 8 after the first reset

    // Kept until a section sets them again.
    QString Flags;
    QString BF;
    std::int32_t RasterOp = 0;
    std::int32_t Angle = 0;
    std::int32_t Backcolor = 0;
    std::int32_t DrawWidth = 0;
    std::int16_t Datas = 0;
    float Border = 0;
    std::int32_t Align = 0;
    std::int32_t Shadow = 0;
    QString Delimeter;
    QString paddedBuffer;  // the buffer of "rsetn"/"rsetc"
    // What a field kind keeps between its fields (the parameters of its last
    // field, a running number ...), by kind type; see kindState.
    std::map<QString, std::any> kindStates;

    // True once ClearAllVar has run in this window's life.
    bool everReset = false;
};

// Restores the reset members (see FieldRecord).
void ClearAllVar(FieldRecord& record);

// The state the kind `type` keeps in `record`, made on first use. A kind
// keeps one type of state; asking for another is std::bad_any_cast.
template <typename State>
State& kindState(FieldRecord& record, const QString& type)
{
    std::any& slot = record.kindStates[type];
    if (!slot.has_value())
        slot.emplace<State>();
    return std::any_cast<State&>(slot);
}

// The same, read only: null while the kind has kept nothing.
template <typename State>
const State* kindState(const FieldRecord& record, const QString& type)
{
    const auto it = record.kindStates.find(type);
    return it == record.kindStates.end() ? nullptr : &std::any_cast<const State&>(it->second);
}

}  // namespace kwpnd
