// Pattern sections and kinds, and the serial date numbers shared by the
// number and date formatters.
#include "format_parts.h"

#include "kwpnd/error.h"

#include <cmath>

namespace kwpnd::format_detail {

namespace {

constexpr int kSecondsPerDay = 86400;
const QDate kFirstDate(100, 1, 1);
const QDate kLastDate(9999, 12, 31);

}  // namespace

QDate serialEpoch() { return QDate(1899, 12, 30); }

double serialOf(const DateTimeValue& value)
{
    const double days = static_cast<double>(serialEpoch().daysTo(value.date));
    const double fraction = value.time.isValid() ? value.time.msecsSinceStartOfDay() / (1000.0 * kSecondsPerDay) : 0.0;
    return days < 0 ? days - fraction : days + fraction;
}

DateTimeValue dateOfSerial(double serial)
{
    const double firstSerial = static_cast<double>(serialEpoch().daysTo(kFirstDate)) - 1.0;
    const double lastSerial = static_cast<double>(serialEpoch().daysTo(kLastDate)) + 1.0;
    if (!(serial > firstSerial && serial < lastSerial))
        throw Error(ErrorNumber::Overflow);
    const double whole = std::trunc(serial);
    auto seconds = static_cast<int>(std::lround(std::fabs(serial - whole) * kSecondsPerDay));
    QDate date = serialEpoch().addDays(static_cast<qint64>(whole));
    if (seconds == kSecondsPerDay) {
        seconds = 0;
        date = date.addDays(1);
    }
    if (date < kFirstDate || date > kLastDate)
        throw Error(ErrorNumber::Overflow);
    return {date, QTime(0, 0).addSecs(seconds)};
}

QStringList splitSections(const QString& pattern)
{
    QStringList sections{QString()};
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
        if (c == u'\\' && i + 1 < pattern.size()) {
            sections.last() += pattern[++i];
        } else if (c == u'"') {
            const qsizetype end = pattern.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() - 1 : end;
            sections.last() += pattern.mid(i + 1, stop - i);
            i = stop;
        }
    }
    return sections;
}

PatternPieces patternPieces(const QString& section)
{
    PatternPieces pieces;
    auto patternCharacter = [&](QChar c) {
        if (pieces.empty() || pieces.back().literal)
            pieces.push_back({QString(), false});
        pieces.back().text += c;
    };
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'\\') {
            if (i + 1 < section.size())
                pieces.push_back({section.mid(++i, 1), true});
        } else if (c == u'"') {
            const qsizetype end = section.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? section.size() : end;
            pieces.push_back({section.mid(i + 1, stop - i - 1), true});
            i = stop;
        } else {
            patternCharacter(c);
        }
    }
    return pieces;
}

PatternKind classifyPattern(const QString& pattern)
{
    bool digits = false;
    bool stringPlaceholders = false;
    bool dateLetters = false;
    for (const PatternPiece& piece : patternPieces(pattern)) {
        if (piece.literal)
            continue;
        for (QChar c : piece.text) {
            c = c.toLower();
            if (c == u'0' || c == u'#')
                digits = true;
            else if (QStringView(u"@&<>!").contains(c))
                stringPlaceholders = true;
            else if (QStringView(u"dmyhnswqcta").contains(c))
                dateLetters = true;  // 'a' stands for AM/PM and A/P, 't' for ttttt
        }
    }
    if (digits)
        return PatternKind::Number;
    if (stringPlaceholders)
        return PatternKind::Text;
    if (dateLetters)
        return PatternKind::Date;
    return PatternKind::Number;
}

}  // namespace kwpnd::format_detail
