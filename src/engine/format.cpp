// Format: decides what the value is and which formatter its pattern asks for.
#include "format.h"

#include "conversions.h"
#include "format_parts.h"
#include "number_parse.h"

#include <optional>

namespace kwpnd {

using namespace format_detail;

namespace {

struct Value {
    enum class Kind { Empty, Number, Boolean, Date, Text };
    Kind kind = Kind::Empty;
    double number = 0.0;  // Number and Boolean (True is -1)
    DateTimeValue date;
    QString text;
};

QTime wholeSeconds(const QTime& time)
{
    return time.isValid() ? QTime(time.hour(), time.minute(), time.second()) : QTime(0, 0);
}

Value valueOf(const QVariant& variant)
{
    Value value;
    switch (variant.typeId()) {
    case QMetaType::UnknownType:
        break;
    case QMetaType::Bool:
        value.kind = Value::Kind::Boolean;
        value.number = variant.toBool() ? -1.0 : 0.0;
        break;
    case QMetaType::QDateTime: {
        const QDateTime dateTime = variant.toDateTime();
        if (dateTime.isValid())
            value = {Value::Kind::Date, 0.0, {dateTime.date(), wholeSeconds(dateTime.time())}, {}};
        break;
    }
    case QMetaType::QDate:
        if (variant.toDate().isValid())
            value = {Value::Kind::Date, 0.0, {variant.toDate(), QTime(0, 0)}, {}};
        break;
    case QMetaType::QTime:
        if (variant.toTime().isValid())
            value = {Value::Kind::Date, 0.0, {serialEpoch(), wholeSeconds(variant.toTime())}, {}};
        break;
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        value.kind = Value::Kind::Number;
        value.number = variant.toDouble();
        break;
    default:
        value.kind = Value::Kind::Text;
        value.text = variant.toString();
        break;
    }
    return value;
}

std::optional<double> numberOf(const Value& value)
{
    switch (value.kind) {
    case Value::Kind::Number:
    case Value::Kind::Boolean:
        return value.number;
    case Value::Kind::Date:
        return serialOf(value.date);
    case Value::Kind::Text:
        return numericTextValue(value.text);
    case Value::Kind::Empty:
        break;
    }
    return std::nullopt;
}

// Text that is not a number may still be an ISO date, date and time, or time.
std::optional<DateTimeValue> isoDateOf(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QDateTime dateTime = QDateTime::fromString(trimmed, Qt::ISODate);
    if (dateTime.isValid() && trimmed.size() > 10)
        return DateTimeValue{dateTime.date(), wholeSeconds(dateTime.time())};
    const QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (date.isValid())
        return DateTimeValue{date, QTime(0, 0)};
    const QTime time = QTime::fromString(trimmed, Qt::ISODate);
    if (time.isValid())
        return DateTimeValue{serialEpoch(), wholeSeconds(time)};
    return std::nullopt;
}

std::optional<DateTimeValue> dateOf(const Value& value)
{
    if (value.kind == Value::Kind::Date)
        return value.date;
    if (const auto number = numberOf(value))
        return dateOfSerial(*number);
    if (value.kind == Value::Kind::Text)
        return isoDateOf(value.text);
    return std::nullopt;
}

// The value's text when the pattern is empty or asks for string placeholders.
QString plainText(const Value& value)
{
    switch (value.kind) {
    case Value::Kind::Number:
        return numberText(value.number);
    case Value::Kind::Boolean:
        return value.number != 0.0 ? QStringLiteral("True") : QStringLiteral("False");
    case Value::Kind::Date:
        return formatDate(value.date, QString::fromUtf16(kGeneralDatePattern));
    case Value::Kind::Text:
        return value.text;
    case Value::Kind::Empty:
        break;
    }
    return {};
}

struct NamedFormat {
    const char16_t* name;  // matched without regard to case
    PatternKind kind;
    const char16_t* pattern;  // nullptr: the general number text
};

constexpr NamedFormat kNamedFormats[] = {
    {u"General Number", PatternKind::Number, nullptr},
    {u"Currency", PatternKind::Number, u"$#,##0.00;($#,##0.00)"},
    {u"Fixed", PatternKind::Number, u"0.00"},
    {u"Standard", PatternKind::Number, u"#,##0.00"},
    {u"Percent", PatternKind::Number, u"0.00%"},
    {u"Scientific", PatternKind::Number, u"0.00E+00"},
    {u"Yes/No", PatternKind::Number, u"\"Yes\";\"Yes\";\"No\""},
    {u"True/False", PatternKind::Number, u"\"True\";\"True\";\"False\""},
    {u"On/Off", PatternKind::Number, u"\"On\";\"On\";\"Off\""},
    {u"General Date", PatternKind::Date, kGeneralDatePattern},
    {u"Long Date", PatternKind::Date, kLongDatePattern},
    {u"Medium Date", PatternKind::Date, kMediumDatePattern},
    {u"Short Date", PatternKind::Date, kShortDatePattern},
    {u"Long Time", PatternKind::Date, kLongTimePattern},
    {u"Medium Time", PatternKind::Date, kMediumTimePattern},
    {u"Short Time", PatternKind::Date, kShortTimePattern},
};

const NamedFormat* namedFormat(const QString& pattern)
{
    for (const NamedFormat& named : kNamedFormats)
        if (pattern.compare(QStringView(named.name), Qt::CaseInsensitive) == 0)
            return &named;
    return nullptr;
}

}  // namespace

QString Format(const QVariant& variant, const QString& pattern)
{
    const Value value = valueOf(variant);
    if (value.kind == Value::Kind::Empty)
        return {};
    if (pattern.isEmpty())
        return plainText(value);

    PatternKind kind = PatternKind::Number;
    std::optional<QString> effective = pattern;
    if (const NamedFormat* named = namedFormat(pattern)) {
        kind = named->kind;
        effective = named->pattern ? std::optional(QString::fromUtf16(named->pattern)) : std::nullopt;
    } else {
        kind = classifyPattern(pattern);
    }

    switch (kind) {
    case PatternKind::Text:
        return formatText(plainText(value), *effective);
    case PatternKind::Number: {
        const auto number = numberOf(value);
        if (!number)
            return value.text;
        return effective ? formatNumber(*number, *effective) : numberText(*number);
    }
    case PatternKind::Date: {
        const auto date = dateOf(value);
        return date ? formatDate(*date, *effective) : value.text;
    }
    }
    return value.text;
}

QString generalDate(const QDateTime& value)
{
    if (!value.isValid())
        return {};
    return formatDate({value.date(), wholeSeconds(value.time())}, QString::fromUtf16(kGeneralDatePattern));
}

QString shortDate(const QDate& value)
{
    if (!value.isValid())
        return {};
    return formatDate({value, QTime(0, 0)}, QString::fromUtf16(kShortDatePattern));
}

QString longTime(const QTime& value)
{
    if (!value.isValid())
        return {};
    return formatDate({serialEpoch(), wholeSeconds(value)}, QString::fromUtf16(kLongTimePattern));
}

}  // namespace kwpnd
