#include "code39_table.h"

namespace kwpnd {

namespace {
struct Code39Entry {
    char16_t code;
    const char* pattern;
};

const Code39Entry kCode39Entries[] = {
    {u'0', "11 221"},   {u'1', "21 112"},   {u'2', "12 112"},   {u'3', "22 111"},
    {u'4', "11 212"},   {u'5', "21 211"},   {u'6', "12 211"},   {u'7', "11 122"},
    {u'8', "21 121"},   {u'9', "12 121"},
    {u'A', "211 12"},   {u'B', "121 12"},   {u'C', "221 11"},   {u'D', "112 12"},
    {u'E', "212 11"},   {u'F', "122 11"},   {u'G', "111 22"},   {u'H', "211 21"},
    {u'I', "121 21"},   {u'J', "112 21"},   {u'K', "2111 2"},   {u'L', "1211 2"},
    {u'M', "2211 1"},   {u'N', "1121 2"},   {u'O', "2121 1"},   {u'P', "1221 1"},
    {u'Q', "1112 2"},   {u'R', "2112 1"},   {u'S', "1212 1"},   {u'T', "1122 1"},
    {u'U', "2 1112"},   {u'V', "1 2112"},   {u'W', "2 2111"},   {u'X', "1 1212"},
    {u'Y', "2 1211"},   {u'Z', "1 2211"},
    {u'-', "1 1122"},   {u'.', "2 1121"},   {u' ', "1 2121"},   {u'$', "1 1 1 11"},
    {u'/', "1 1 11 1"}, {u'+', "1 11 1 1"}, {u'%', "11 1 1 1"}, {u'*', "1 1221"},
    {1, "1 1221"},  // start
    {2, "1 1221"},  // stop
};

Code39Table buildTable()
{
    Code39Table table;
    for (const Code39Entry& e : kCode39Entries)
        table[e.code] = QLatin1String(e.pattern);
    return table;
}
}  // namespace

const Code39Table& code39Table()
{
    static const Code39Table table = buildTable();
    return table;
}

}  // namespace kwpnd
