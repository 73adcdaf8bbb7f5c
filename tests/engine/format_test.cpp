// Format: number, date and string patterns, named formats, and the date texts.
#include "format.h"
#include "kwpnd/error.h"

#include <gtest/gtest.h>

namespace kwpnd {
namespace {

struct FormatCase {
    QVariant value;
    const char* pattern;
    const char* expected;
};

void expectFormats(const std::vector<FormatCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value.toString().toStdString() << " with \"" << c.pattern << '"');
        EXPECT_EQ(Format(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
    }
}

const QDate kDay(2026, 12, 8);  // a Tuesday
const QTime kAfternoon(13, 5, 9);
const QDateTime kMoment(kDay, kAfternoon);

TEST(FormatTest, DigitPlaceholdersAndDecimals)
{
    expectFormats({
        {3.14159, "0.00", "3.14"},
        {2.675, "0.00", "2.68"},  // rounded half away from zero on the decimal value
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {0.005, "0.00", "0.01"},
        {5, "00000", "00005"},
        {5, "#.##", "5."},
        {0.5, "#.##", ".5"},
        {0.5, "0.00", "0.50"},
        {12, ".00", "12.00"},
        {0, "#", ""},
        {123, "#", "123"},
        {1.5, "0.0#", "1.5"},
        {1.25, "0.0#", "1.25"},
        {-0.001, "0.00", "0.00"},  // no sign when every shown digit is zero
        {1e20, "0", "100000000000000000000"},
        {1.0 / 3, "0.00000000000000000", "0.33333333333333300"},
        {5551234567.0, "(000) 000-0000", "(555) 123-4567"},
    });
}

TEST(FormatTest, ThousandsSeparatorAndScaling)
{
    expectFormats({
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {0, "#,##0", "0"},
        {999, "#,##0", "999"},
        {1000, "#,##0", "1,000"},
        {999999.995, "#,##0.00", "1,000,000.00"},  // the carry opens a new group
        {-1234.5, "#,##0.0", "-1,234.5"},
        {1234567, "#,##0,", "1,235"},
        {1234567890, "#,##0,,", "1,235"},
        {1234567, "0,.0", "1234.6"},
        {5, ",0", ",5"},  // a comma before every placeholder is literal text
    });
}

TEST(FormatTest, SectionsPercentScientificAndLiterals)
{
    expectFormats({
        {-5, "0;(0)", "(5)"},
        {5, "0;(0)", "5"},
        {0, "0;-0;zero", "zero"},
        {0.001, "0;-0;zero", "0"},  // the zero section is for zero itself
        {-0.001, "0.00;(0.00)", "(0.00)"},
        {-12, "0;;zero", "-12"},  // an empty negative section falls back to the first, signed
        {0.256, "0.0%", "25.6%"},
        {12345, "0.00E+00", "1.23E+04"},
        {12345, "0.00e+00", "1.23e+04"},
        {12345, "0.00E-00", "1.23E04"},
        {0.00012345, "0.00E-00", "1.23E-04"},
        {0.00012345, "0.00E+0", "1.23E-4"},
        {9.996, "0.00E+00", "1.00E+01"},
        {0, "0.0E+00", "0.0E+00"},
        {-12345, "0.0E+00", "-1.2E+04"},
        {1234.5, "$#,##0.00", "$1,234.50"},
        {-1234.5, "$#,##0.00", "-$1,234.50"},
        {5, "0 \"kg\"", "5 kg"},
        {5, "\\#0", "#5"},
        {5, "\"a;b\"0", "a;b5"},
        {5, "\"E+0\" 0", "E+0 5"},
    });
}

TEST(FormatTest, ValuesOtherThanNumbersMeetNumberPatterns)
{
    expectFormats({
        {QString("3.14159"), "0.00", "3.14"},
        {QString(" 2.5 "), "0.0", "2.5"},
        {QString("&HFF"), "0", "255"},
        {QString("abc"), "0.00", "abc"},
        {true, "0", "-1"},
        {false, "0", "0"},
        {kDay, "0", "46364"},
        {kMoment, "0.000", "46364.545"},
    });
}

TEST(FormatTest, EmptyPatternAndNamedNumberFormats)
{
    expectFormats({
        {42, "", "42"},
        {0.1 + 0.2, "", "0.3"},
        {1e20, "", "1E+20"},
        {QString("3.140"), "", "3.140"},
        {true, "", "True"},
        {QVariant(), "0.00", ""},
        {1234.567, "General Number", "1234.567"},
        {1234.567, "Currency", "$1,234.57"},
        {-1234.567, "Currency", "($1,234.57)"},
        {1234.567, "Fixed", "1234.57"},
        {1234.567, "Standard", "1,234.57"},
        {0.256, "Percent", "25.60%"},
        {12345, "Scientific", "1.23E+04"},
        {0, "Yes/No", "No"},
        {-3, "yes/no", "Yes"},
        {1, "True/False", "True"},
        {0, "On/Off", "Off"},
        {QString("7"), "Fixed", "7.00"},
        {QString("seven"), "Fixed", "seven"},
    });
}

TEST(FormatTest, DatePatterns)
{
    expectFormats({
        {kDay, "yyyy-mm-dd", "2026-12-08"},
        {kDay, "YYYY-MM-DD", "2026-12-08"},
        {kDay, "dddd, mmmm d", "Tuesday, December 8"},
        {kDay, "ddd d mmm yy", "Tue 8 Dec 26"},
        {kDay, "m/d/yyyy", "12/8/2026"},
        {kDay, "q", "4"},
        {kDay, "w", "3"},
        {kDay, "y", "342"},
        {kDay, "ww", "50"},
        {QDate(2026, 1, 3), "ww", "1"},  // Saturday: still the week of 1 January
        {QDate(2026, 1, 4), "ww", "2"},  // Sunday starts week 2
        {kDay, "ddddd", "12/8/2026"},
        {kDay, "dddddd", "Tuesday, December 8, 2026"},
        {kDay, "\\d\\a\\y d", "day 8"},
        {kDay, "\"Week\" ww", "Week 50"},
        {QDate(905, 3, 1), "yyyy yy", "0905 05"},
    });
}

TEST(FormatTest, TimePatternsAndTheMinutesRule)
{
    expectFormats({
        {kAfternoon, "hh:mm:ss AM/PM", "01:05:09 PM"},
        {kAfternoon, "h:mm", "13:05"},
        {kAfternoon, "h:m:s", "13:5:9"},
        {kAfternoon, "hh \"h\" mm", "13 h 05"},  // literal text between hour and minutes
        {kAfternoon, "mm", "12"},                // no hour before: the month (30 Dec 1899)
        {kAfternoon, "hh:nn", "13:05"},
        {kMoment, "yyyy-mm-dd hh:nn", "2026-12-08 13:05"},
        {kMoment, "mm/dd/yyyy h:mm", "12/08/2026 13:05"},
        {kMoment, "h mmmm", "13 December"},  // only m and mm become minutes
        {QTime(0, 5), "h:mm a/p", "12:05 a"},
        {QTime(12, 0), "h AM/PM", "12 PM"},
        {QTime(0, 0), "hh am/pm", "12 am"},
        {QTime(23, 0), "h A/P", "11 P"},
        {QTime(23, 0), "h AMPM", "11 PM"},
        {QTime(13, 5, 9, 999), "ss", "09"},  // milliseconds are dropped, not rounded
        {kMoment, "ttttt", "1:05:09 PM"},
        {kMoment, "c", "12/8/2026 1:05:09 PM"},
    });
}

TEST(FormatTest, NamedDateFormatsAndGeneralDate)
{
    expectFormats({
        {kMoment, "General Date", "12/8/2026 1:05:09 PM"},
        {kDay, "General Date", "12/8/2026"},
        {kAfternoon, "General Date", "1:05:09 PM"},
        {QTime(0, 0), "General Date", "12:00:00 AM"},
        {kMoment, "Long Date", "Tuesday, December 8, 2026"},
        {kMoment, "Medium Date", "08-Dec-26"},
        {kMoment, "Short Date", "12/8/2026"},
        {kMoment, "Long Time", "1:05:09 PM"},
        {kMoment, "Medium Time", "01:05 PM"},
        {kMoment, "Short Time", "13:05"},
        {kMoment, "", "12/8/2026 1:05:09 PM"},
    });
    EXPECT_EQ(generalDate(kMoment), "12/8/2026 1:05:09 PM");
    EXPECT_EQ(generalDate(QDateTime(kDay, QTime(0, 0))), "12/8/2026");
    EXPECT_EQ(generalDate(QDateTime(QDate(1899, 12, 30), kAfternoon)), "1:05:09 PM");
    EXPECT_EQ(shortDate(QDate(2026, 1, 5)), "1/5/2026");
    EXPECT_EQ(longTime(QTime(0, 0)), "12:00:00 AM");
    EXPECT_EQ(longTime(QTime(9, 30, 0)), "9:30:00 AM");
    EXPECT_EQ(shortDate(QDate()), "");
}

TEST(FormatTest, SerialNumbersAndDateTextsMeetDatePatterns)
{
    expectFormats({
        {46364, "yyyy-mm-dd", "2026-12-08"},
        {2.5, "yyyy-mm-dd hh:nn", "1900-01-01 12:00"},
        {-1.25, "yyyy-mm-dd hh:nn", "1899-12-29 06:00"},
        {0.99999999, "yyyy-mm-dd hh:nn:ss", "1899-12-31 00:00:00"},
        {QString("46364"), "dddd", "Tuesday"},
        {QString("2026-12-08"), "dddd", "Tuesday"},
        {QString("2026-12-08T13:05:09"), "h:mm", "13:05"},
        {QString("hello"), "yyyy", "hello"},
        {46364, "Long Date", "Tuesday, December 8, 2026"},
    });
    try {
        Format(3e6, "yyyy");
        ADD_FAILURE() << "a serial beyond 9999 formatted";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
}

TEST(FormatTest, StringPlaceholders)
{
    expectFormats({
        {QString("abc"), "@@@@@", "  abc"},
        {QString("abc"), "!@@@@@", "abc  "},
        {QString("abc"), "&&&&&", "abc"},
        {QString("Hello"), ">", "HELLO"},
        {QString("Hello"), "<", "hello"},
        {QString("5551234"), "@@@-@@@@", "555-1234"},
        {QString("abcdef"), "@@@", "abcdef"},
        {QString("abcdef"), "!@@@-", "abcdef-"},
        {QString("ab"), "(@@@)", "( ab)"},
        {QString(""), "@;\"empty\"", "empty"},
        {123, "@@@@@", "  123"},
        {QString("plain"), "", "plain"},
    });
}

// Control characters of a pattern are ordinary literal characters, beside
// quoted and escaped literals, in every kind of pattern.
TEST(FormatTest, ControlCharactersInPatternsAreLiterals)
{
    const QString soh(QChar(1));
    const struct {
        QVariant value;
        QString pattern;
        QString expected;
    } cases[] = {
        {3.5, soh + "0.0" + soh, soh + "3.5" + soh},
        {3.5, soh + "\"x\"0" + soh + "\\y", soh + "x4" + soh + "y"},
        {QVariant(kDay), soh + "yyyy" + soh + "\"-\"mm", soh + "2026" + soh + "-12"},
        {QString("abc"), soh + "@" + soh + "\"q\"@@" + soh, soh + "a" + soh + "qbc" + soh},
        {3.5, soh, soh},
        {QString("abc"), soh, QStringLiteral("abc")},  // text meets a pattern of literals unchanged
        {QString("abc"), QString(QChar(1)) + QChar(2) + QChar(0) + ">@@@",
         QString(QChar(1)) + QChar(2) + QChar(0) + "ABC"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.pattern.toStdString();
}

// Patterns of many thousands of characters cost time in proportion to their
// length (a run of commas used to cost the square of it).
TEST(FormatTest, LongPatternsAreFormatted)
{
    const QString commas(500000, QLatin1Char(','));
    EXPECT_EQ(Format(5, commas), commas);
    EXPECT_EQ(Format(1234567, "#" + commas + "0"), QStringLiteral("1,234,567"));
    EXPECT_EQ(Format(1234567, "0" + commas), QStringLiteral("0"));
    EXPECT_EQ(Format(QString("Mixed"), QString(80000, QLatin1Char('<')) + "@"), QStringLiteral("mixed"));
    EXPECT_EQ(Format(QString("x"), QString(80000, QLatin1Char('@'))), QString(79999, QLatin1Char(' ')) + "x");
    const QString quoted = QStringLiteral("\"a\"").repeated(40000);
    EXPECT_EQ(Format(1, quoted + "0"), QString(40000, QLatin1Char('a')) + "1");
}

}  // namespace
}  // namespace kwpnd
