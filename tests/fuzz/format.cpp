// Format(value, pattern) with any pattern and a value of every kind: it
// returns text or throws kwpnd::Error, and an empty pattern gives a number
// its general number text.
//
// Input: KIND VALUE US PATTERN (US is 0x1F). KIND is one character:
//   n  a double read from VALUE ("1.5", "-1e300", "nan", "inf")
//   i  a 32-bit integer read from VALUE
//   b  a boolean, true when VALUE is not empty
//   s  the string VALUE
//   d  a QDateTime, t a QTime, a a QDate, each read from VALUE in ISO form
//   anything else: an invalid QVariant
#include "format.h"
#include "conversions.h"
#include "fuzz/fuzz_support.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariant>

#include <cmath>

namespace {
using namespace kwpnd;

QVariant valueOf(QChar kind, const QString& text)
{
    switch (kind.unicode()) {
    case u'n':
        return fuzz::doubleField(text);
    case u'i':
        return fuzz::int32Field(text);
    case u'b':
        return !text.isEmpty();
    case u's':
        return text;
    case u'd':
        return QDateTime::fromString(text, Qt::ISODate);
    case u't':
        return QTime::fromString(text, Qt::ISODate);
    case u'a':
        return QDate::fromString(text, Qt::ISODate);
    default:
        return QVariant();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzz::inputText(data, size);
    const QChar kind = text.isEmpty() ? QChar() : text.front();
    const QStringList parts = fuzz::fields(text.mid(1), QChar(0x1F), 2);
    const QVariant value = valueOf(kind, parts[0]);

    fuzz::tolerated([&] { Format(value, parts[1]); });
    if (kind == u'n') {
        const QString general = Format(value);
        fuzz::check(general == numberText(value.toDouble()), "empty pattern is not the general number text",
                    parts[0] + QStringLiteral(" -> ") + general);
    }
    return 0;
}
