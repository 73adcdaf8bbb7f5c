#include "kwpnd/error.h"

#include <utility>

namespace kwpnd {

namespace {
struct Entry {
    int number;
    const char* text;
};

// The automation runtime's own texts, used exactly as hosts know them.
constexpr Entry kCatalogue[] = {
    {3, "Return without GoSub"},
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {61, "Disk full"},
    {70, "Permission denied"},
    {75, "Path/File access error"},
    {76, "Path not found"},
    {91, "Object variable or With block variable not set"},
    {94, "Invalid use of Null"},
    {380, "Invalid property value"},
    {424, "Object required"},
    {438, "Object doesn't support this property or method"},
    {445, "Object doesn't support this action"},
    {457, "This key is already associated with an element of this collection"},
    {481, "Invalid picture"},
    {482, "Printer error"},
};
}  // namespace

QString errorDescription(int number)
{
    for (const Entry& e : kCatalogue)
        if (e.number == number)
            return QString::fromLatin1(e.text);
    return QStringLiteral("Application-defined or object-defined error");
}

Error::Error(int number) : Error(number, errorDescription(number)) {}

Error::Error(int number, QString description)
    : number_(number), description_(std::move(description)), utf8_(description_.toUtf8())
{
}

}  // namespace kwpnd
