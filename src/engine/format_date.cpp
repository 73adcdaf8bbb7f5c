// Date and time patterns.
#include "format_parts.h"

#include <array>
#include <vector>

namespace kwpnd::format_detail {

namespace {

enum class Field {
    GeneralDate,
    ShortDate,
    LongDate,
    LongTime,
    Day,
    Day2,
    DayAbbreviation,
    DayName,
    Month,
    Month2,
    MonthAbbreviation,
    MonthName,
    Year2,
    Year4,
    DayOfYear,
    Weekday,
    WeekOfYear,
    Quarter,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    AmPm,
    AP,
    AmPmLocale,
    Literal,
};

struct TokenName {
    const char16_t* text;  // matched without regard to case, longest first
    Field field;
};

constexpr TokenName kTokenNames[] = {
    {u"am/pm", Field::AmPm},
    {u"ampm", Field::AmPmLocale},
    {u"a/p", Field::AP},
    {u"dddddd", Field::LongDate},
    {u"ddddd", Field::ShortDate},
    {u"dddd", Field::DayName},
    {u"ddd", Field::DayAbbreviation},
    {u"dd", Field::Day2},
    {u"d", Field::Day},
    {u"mmmm", Field::MonthName},
    {u"mmm", Field::MonthAbbreviation},
    {u"mm", Field::Month2},
    {u"m", Field::Month},
    {u"yyyy", Field::Year4},
    {u"yy", Field::Year2},
    {u"y", Field::DayOfYear},
    {u"hh", Field::Hour2},
    {u"h", Field::Hour},
    {u"nn", Field::Minute2},
    {u"n", Field::Minute},
    {u"ss", Field::Second2},
    {u"s", Field::Second},
    {u"ttttt", Field::LongTime},
    {u"ww", Field::WeekOfYear},
    {u"w", Field::Weekday},
    {u"q", Field::Quarter},
    {u"c", Field::GeneralDate},
};

constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

QString formatted(const DateTimeValue& value, const char16_t* pattern)
{
    return formatDate(value, QString::fromUtf16(pattern));
}

struct Token {
    Field field;
    QString text;  // Literal: the text; AM/PM kinds: the letters as written
};

bool isHour(Field f) { return f == Field::Hour || f == Field::Hour2; }

// Splits a section into fields and literal text. "m" and "mm" right after an
// hour field (literal text in between does not count) are minutes.
std::vector<Token> tokenize(const QString& section)
{
    std::vector<Token> tokens;
    Field lastField = Field::Literal;
    for (const PatternPiece& piece : patternPieces(section)) {
        if (piece.literal) {
            tokens.push_back({Field::Literal, piece.text});
            continue;
        }
        const QStringView plain(piece.text);
        for (qsizetype i = 0; i < plain.size();) {
            Token token{Field::Literal, plain.sliced(i, 1).toString()};
            for (const TokenName& name : kTokenNames) {
                const QStringView nameText(name.text);
                if (plain.sliced(i).startsWith(nameText, Qt::CaseInsensitive)) {
                    token = {name.field, plain.sliced(i, nameText.size()).toString()};
                    break;
                }
            }
            if (isHour(lastField) && token.field == Field::Month)
                token.field = Field::Minute;
            if (isHour(lastField) && token.field == Field::Month2)
                token.field = Field::Minute2;
            if (token.field != Field::Literal)
                lastField = token.field;
            i += token.text.size();
            tokens.push_back(token);
        }
    }
    return tokens;
}

QString padded(int number, int width) { return QString::number(number).rightJustified(width, u'0'); }

// Week 1 holds 1 January; weeks start on Sunday.
int weekOfYear(const QDate& date)
{
    const int januaryFirstWeekday = QDate(date.year(), 1, 1).dayOfWeek() % 7;  // Sunday 0
    return (date.dayOfYear() - 1 + januaryFirstWeekday) / 7 + 1;
}

QString generalDateText(const DateTimeValue& value)
{
    if (value.date == serialEpoch())
        return formatted(value, kLongTimePattern);
    if (value.time == QTime(0, 0))
        return formatted(value, kShortDatePattern);
    return formatted(value, kShortDatePattern) + u' ' + formatted(value, kLongTimePattern);
}

QString fieldText(const Token& token, const DateTimeValue& value, bool twelveHour)
{
    const QDate& d = value.date;
    const QTime& t = value.time;
    const int hour = twelveHour ? (t.hour() % 12 == 0 ? 12 : t.hour() % 12) : t.hour();
    const bool morning = t.hour() < 12;
    const bool upper = token.text.isEmpty() || token.text[0].isUpper();
    switch (token.field) {
    case Field::GeneralDate:
        return generalDateText(value);
    case Field::ShortDate:
        return formatted(value, kShortDatePattern);
    case Field::LongDate:
        return formatted(value, kLongDatePattern);
    case Field::LongTime:
        return formatted(value, kLongTimePattern);
    case Field::Day:
        return QString::number(d.day());
    case Field::Day2:
        return padded(d.day(), 2);
    case Field::DayAbbreviation:
        return QString::fromLatin1(kDayNames[d.dayOfWeek() % 7], 3);
    case Field::DayName:
        return QString::fromLatin1(kDayNames[d.dayOfWeek() % 7]);
    case Field::Month:
        return QString::number(d.month());
    case Field::Month2:
        return padded(d.month(), 2);
    case Field::MonthAbbreviation:
        return QString::fromLatin1(kMonthNames[d.month() - 1], 3);
    case Field::MonthName:
        return QString::fromLatin1(kMonthNames[d.month() - 1]);
    case Field::Year2:
        return padded(d.year() % 100, 2);
    case Field::Year4:
        return padded(d.year(), 4);
    case Field::DayOfYear:
        return QString::number(d.dayOfYear());
    case Field::Weekday:
        return QString::number(d.dayOfWeek() % 7 + 1);
    case Field::WeekOfYear:
        return QString::number(weekOfYear(d));
    case Field::Quarter:
        return QString::number((d.month() - 1) / 3 + 1);
    case Field::Hour:
        return QString::number(hour);
    case Field::Hour2:
        return padded(hour, 2);
    case Field::Minute:
        return QString::number(t.minute());
    case Field::Minute2:
        return padded(t.minute(), 2);
    case Field::Second:
        return QString::number(t.second());
    case Field::Second2:
        return padded(t.second(), 2);
    case Field::AmPm: {
        const QString text = morning ? QStringLiteral("AM") : QStringLiteral("PM");
        return upper ? text : text.toLower();
    }
    case Field::AP: {
        const QString text = morning ? QStringLiteral("A") : QStringLiteral("P");
        return upper ? text : text.toLower();
    }
    case Field::AmPmLocale:
        return morning ? QStringLiteral("AM") : QStringLiteral("PM");
    case Field::Literal:
        return token.text;
    }
    return token.text;
}

bool isAmPm(Field f) { return f == Field::AmPm || f == Field::AP || f == Field::AmPmLocale; }

}  // namespace

QString formatDate(const DateTimeValue& value, const QString& pattern)
{
    // A date pattern has one section; text after a ';' is not used.
    const std::vector<Token> tokens = tokenize(splitSections(pattern).first());
    bool twelveHour = false;
    for (const Token& t : tokens)
        twelveHour = twelveHour || isAmPm(t.field);
    QString out;
    for (const Token& t : tokens)
        out += fieldText(t, value, twelveHour);
    return out;
}

}  // namespace kwpnd::format_detail
