#pragma once
// Format(value, pattern): the classic BASIC formatting of numbers, dates and
// strings. The pattern language is described in docs/format.md.
//
// Locale texts are fixed (US English), whatever the machine's locale:
//   decimal point "."      thousands separator ","
//   date separator "/"     time separator ":"
//   AM/PM texts "AM" "PM"  day and month names in English
//   Short Date    m/d/yyyy            12/8/2026
//   Medium Date   dd-mmm-yy           08-Dec-26
//   Long Date     dddd, mmmm d, yyyy  Tuesday, December 8, 2026
//   Short Time    hh:mm               13:05
//   Medium Time   hh:mm AM/PM         01:05 PM
//   Long Time     h:mm:ss AM/PM       1:05:09 PM
//   General Date  short date, a blank, long time; the time is left out at
//                 midnight, the date is left out on 30 December 1899 (day 0
//                 of the serial date numbers): 12/8/2026 1:05:09 PM
//   Currency      $#,##0.00;($#,##0.00)
// Week numbers count Sunday as the first day and the week of 1 January as
// the first week.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

namespace kwpnd {

// The value formatted by the pattern.
// - Numbers (any numeric QVariant, or a string that is wholly numeric) with a
//   number pattern; an empty pattern gives numberText (a numeric string is
//   then returned unchanged). Booleans count as -1 and 0 ("True"/"False" with
//   an empty pattern).
// - QDateTime, QDate and QTime with a date pattern (a QDate is at midnight, a
//   QTime on 30 December 1899); an empty pattern gives the general date.
//   Numbers meet date patterns as serial date numbers (days since 30 December
//   1899, the fraction being the time of day) and dates meet number patterns
//   as such serial numbers; a serial outside the years 100 to 9999: Error 6.
// - Strings with the string placeholders @ & < > !; any other string is
//   returned unchanged.
// - An invalid QVariant gives an empty string.
QString Format(const QVariant& value, const QString& pattern = QString());

// The fixed texts of the named formats "General Date", "Short Date" and
// "Long Time" (see above).
QString generalDate(const QDateTime& value);
QString shortDate(const QDate& value);
QString longTime(const QTime& value);

}  // namespace kwpnd
