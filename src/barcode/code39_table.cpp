#include "code39_table.h"

namespace kwpnd {

namespace {
// ISO/IEC 16388 (Code 39), the table of the character set and the encodation of
// each character's bars and spaces ("1" wide).
const std::array<Code39Character, 44> kCharacters = {{
    {u'0', "000110100"}, {u'1', "100100001"}, {u'2', "001100001"}, {u'3', "101100000"}, {u'4', "000110001"},
    {u'5', "100110000"}, {u'6', "001110000"}, {u'7', "000100101"}, {u'8', "100100100"}, {u'9', "001100100"},
    {u'A', "100001001"}, {u'B', "001001001"}, {u'C', "101001000"}, {u'D', "000011001"}, {u'E', "100011000"},
    {u'F', "001011000"}, {u'G', "000001101"}, {u'H', "100001100"}, {u'I', "001001100"}, {u'J', "000011100"},
    {u'K', "100000011"}, {u'L', "001000011"}, {u'M', "101000010"}, {u'N', "000010011"}, {u'O', "100010010"},
    {u'P', "001010010"}, {u'Q', "000000111"}, {u'R', "100000110"}, {u'S', "001000110"}, {u'T', "000010110"},
    {u'U', "110000001"}, {u'V', "011000001"}, {u'W', "111000000"}, {u'X', "010010001"}, {u'Y', "110010000"},
    {u'Z', "011010000"}, {u'-', "010000101"}, {u'.', "110000100"}, {u' ', "011000100"}, {u'$', "010101000"},
    {u'/', "010100010"}, {u'+', "010001010"}, {u'%', "000101010"}, {u'*', "010010100"},
}};

constexpr char16_t kStartCode = 1;
constexpr char16_t kStopCode = 2;

// Nine elements in the renderer's notation: each bar after its narrow gap,
// a blank first where the gap before the bar is wide.
QString notationOf(const char* elements)
{
    QString pattern;
    for (int bar = 0; bar < 5; ++bar) {
        if (bar > 0 && elements[2 * bar - 1] == '1')
            pattern += u' ';
        pattern += elements[2 * bar] == '1' ? u'2' : u'1';
    }
    return pattern;
}

Code39Table buildTable()
{
    Code39Table table;
    for (const Code39Character& c : kCharacters)
        table[c.character] = notationOf(c.elements);
    table[kStartCode] = table[u'*'];
    table[kStopCode] = table[u'*'];
    return table;
}
}  // namespace

const std::array<Code39Character, 44>& code39Characters() { return kCharacters; }

const Code39Table& code39Table()
{
    static const Code39Table table = buildTable();
    return table;
}

}  // namespace kwpnd
