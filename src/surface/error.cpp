#include "kwpnd/error.h"

#include <utility>

namespace kwpnd {

namespace {
struct Entry {
    int number;
    const char* description;
};

#define KWPND_ERROR_ENTRY(number, name, description) {number, description},
constexpr Entry kCatalogue[] = {KWPND_ERROR_CATALOGUE(KWPND_ERROR_ENTRY)};
#undef KWPND_ERROR_ENTRY

constexpr bool numbersAscendOnce()
{
    for (std::size_t i = 1; i < std::size(kCatalogue); ++i)
        if (kCatalogue[i - 1].number >= kCatalogue[i].number)
            return false;
    return true;
}
static_assert(numbersAscendOnce(), "each error number appears once, in ascending order");
}  // namespace

QString errorDescription(int number)
{
    for (const Entry& e : kCatalogue)
        if (e.number == number)
            return QString::fromLatin1(e.description);
    return QStringLiteral("Application-defined or object-defined error");
}

Error::Error(int number) : Error(number, QString(), WithDetail{}) {}

Error Error::detailed(int number, QString detail) { return Error(number, std::move(detail), WithDetail{}); }

Error::Error(int number, QString detail, WithDetail)
    : number_(number), description_(errorDescription(number)), detail_(std::move(detail)), utf8_(message().toUtf8())
{
}

Error Error::within(const QString& context) const
{
    return detailed(number_, detail_.isEmpty() ? context : context + QLatin1String(": ") + detail_);
}

QString Error::message() const
{
    return detail_.isEmpty() ? description_ : description_ + QLatin1String(": ") + detail_;
}

}  // namespace kwpnd
