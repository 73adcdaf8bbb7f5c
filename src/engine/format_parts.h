#pragma once
// The pieces behind Format: pattern sections and the number, date and string
// formatters. Private to the engine.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <vector>

namespace kwpnd::format_detail {

// A date and a time of day, kept apart so that no time zone or daylight
// saving gap can touch them.
struct DateTimeValue {
    QDate date;
    QTime time;  // whole seconds
};

// The day every serial date number counts from (serial 0).
QDate serialEpoch();

// Days since the epoch plus the fraction of the day (before the epoch the
// fraction still counts forwards: -1.25 is 29 December 1899, 06:00).
double serialOf(const DateTimeValue& value);

// The date and time of a serial number, to the nearest second; Error 6 outside
// the years 100 to 9999.
DateTimeValue dateOfSerial(double serial);

// The pattern's sections, split at ';' outside quotes and escapes.
QStringList splitSections(const QString& pattern);

// A section with its quoted ("text") and escaped (\x) literals told apart
// from the pattern characters: runs of pattern characters and literal texts,
// in order. The formatters scan only the runs, so no character of a pattern,
// whatever it is, can be taken for anything but itself.
struct PatternPiece {
    QString text;
    bool literal = false;  // true: copied to the output as it stands
};
using PatternPieces = std::vector<PatternPiece>;
PatternPieces patternPieces(const QString& section);

// The fixed locale texts behind the named date formats (documented in format.h).
inline constexpr char16_t kShortDatePattern[] = u"m/d/yyyy";
inline constexpr char16_t kMediumDatePattern[] = u"dd-mmm-yy";
inline constexpr char16_t kLongDatePattern[] = u"dddd, mmmm d, yyyy";
inline constexpr char16_t kShortTimePattern[] = u"hh:mm";
inline constexpr char16_t kMediumTimePattern[] = u"hh:mm AM/PM";
inline constexpr char16_t kLongTimePattern[] = u"h:mm:ss AM/PM";
inline constexpr char16_t kGeneralDatePattern[] = u"c";

enum class PatternKind { Number, Date, Text };

// What a (non-named, non-empty) pattern formats: digit placeholders 0 and #
// make a number pattern; otherwise string placeholders @ & < > ! a string
// pattern; otherwise date letters (d m y h n s w q c t, AM/PM, A/P) a date
// pattern; anything else is a number pattern of literals.
PatternKind classifyPattern(const QString& pattern);

QString formatNumber(double value, const QString& pattern);
QString formatDate(const DateTimeValue& value, const QString& pattern);
QString formatText(const QString& text, const QString& pattern);

}  // namespace kwpnd::format_detail
