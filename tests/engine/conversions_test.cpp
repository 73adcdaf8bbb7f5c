// Value conversions of layout texts, number text and case conversion.
#include "conversions.h"
#include "kwpnd/error.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace kwpnd {
namespace {

using test::errorOf;

template <typename T>
struct Case {
    const char* text;
    T expected;
};

struct ErrorCase {
    const char* text;
    int error;
};

template <typename T, typename Convert>
void expectValues(const std::vector<Case<T>>& cases, Convert convert)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(convert(QString::fromUtf8(c.text)), c.expected);
    }
}

template <typename Convert>
void expectErrors(const std::vector<ErrorCase>& cases, Convert convert)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errorOf([&] { convert(QString::fromUtf8(c.text)); }), c.error);
    }
}

TEST(ConversionsTest, NumberReadsTheLongestLeadingLiteral)
{
    expectValues<double>(
        {{"", 0},     {"abc", 0},     {" 3 4 ", 34}, {"1e3x", 1000}, {"-2.5", -2.5}, {"+7", 7},     {".5", 0.5},
         {"5.", 5},   {"1.2.3", 1.2}, {"1,000", 1},  {"1e", 1},      {"1e+", 1},     {"2D3", 2000}, {"\t1\n2", 12},
         {"- 5", -5}, {"--5", 0},     {"12abc", 12}, {"1e-400", 0},  {"0.1", 0.1},   {"e5", 0}},
        toNumber);
}

TEST(ConversionsTest, NumberTypesRadixLiteralsLikeTheClassicReader)
{
    expectValues<double>({{"&HFF", 255},
                          {"&hff", 255},
                          {"&HFFFF", -1},
                          {"&H8000", -32768},
                          {"&H7FFF", 32767},
                          {"&HFFFF&", 65535},
                          {"&H10000", 65536},
                          {"&HFFFFFFFF", -1},
                          {"&H0000FFFF", -1},
                          {"&HFFFFFFFFF", -1},
                          {"&O17", 15},
                          {"&O177777", -1},
                          {"&H", 0},
                          {"&HZ", 0},
                          {"& H 1 0", 16},
                          {"-&H10", 0}},
                         toNumber);
}

TEST(ConversionsTest, NumberBeyondADoubleIsInfiniteNotAnError)
{
    EXPECT_EQ(toNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toNumber("-1e400"), -std::numeric_limits<double>::infinity());
}

TEST(ConversionsTest, IntegerAndLongRoundHalfToEven)
{
    expectValues<std::int16_t>({{"0.5", 0},
                                {"1.5", 2},
                                {"2.5", 2},
                                {"-2.5", -2},
                                {"-0.5", 0},
                                {"2.51", 3},
                                {"32767", 32767},
                                {"-32768", -32768},
                                {"-32768.5", -32768},
                                {"", 0},
                                {"abc", 0},
                                {"7 apples", 7}},
                               toInteger);
    expectValues<std::int32_t>({{"3.5", 4},
                                {"4.5", 4},
                                {"2147483647", 2147483647},
                                {"-2147483648", std::numeric_limits<std::int32_t>::min()},
                                {"&HFFFF&", 65535},
                                {"x", 0}},
                               toLong);
}

TEST(ConversionsTest, IntegerAndLongOverflow)
{
    expectErrors({{"40000", 6}, {"32767.5", 6}, {"-32769", 6}, {"1e400", 6}}, toInteger);
    expectErrors({{"2147483648", 6}, {"2147483647.5", 6}, {"-1e10", 6}}, toLong);
}

TEST(ConversionsTest, OverflowNamesTheNumber)
{
    struct Case {
        std::function<void()> read;
        const char* text;
    } cases[] = {
        {[] { toInteger(QStringLiteral("70000")); }, "Overflow: 70000 is outside the range of a 16-bit integer"},
        {[] { toLong(QStringLiteral("-1e10")); }, "Overflow: -10000000000 is outside the range of a 32-bit integer"},
        {[] { toStrictLong(QStringLiteral(" 99999999999 ")); },
         "Overflow: 99999999999 is outside the range of a 32-bit integer"},
        {[] { toStrictLong(QStringLiteral("&H1FFFFFFFF")); },
         "Overflow: &H1FFFFFFFF is outside the range of a 32-bit integer"},
        {[] { toStrictInteger(QStringLiteral("40000")); }, "Overflow: 40000 is outside the range of a 16-bit integer"},
        {[] { roundToLong(std::nan("")); }, "Overflow: NaN is outside the range of a 32-bit integer"},
    };
    for (const Case& c : cases) {
        try {
            c.read();
            ADD_FAILURE() << "no error: " << c.text;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), 6);
            EXPECT_EQ(e.message(), QString::fromUtf8(c.text));
        }
    }
}

TEST(ConversionsTest, StrictLongReadsDecimalsAndHexOnly)
{
    expectValues<std::int32_t>({{"&HFF", 255},
                                {"255", 255},
                                {" 42 ", 42},
                                {"\t-7\t", -7},
                                {"&HFFFF", 65535},
                                {"&HFFFFFFFF", -1},
                                {"2.5", 2},
                                {"3.5", 4},
                                {"-2.5", -2},
                                {"1e3", 1000},
                                {"+12", 12},
                                // Decided on the digits as written, not on the nearest double (0.5).
                                {"0.50000000000000000001", 1},
                                {"-2147483648", std::numeric_limits<std::int32_t>::min()}},
                               toStrictLong);
    expectErrors({{"", 13},
                  {"   ", 13},
                  {"abc", 13},
                  {"12abc", 13},
                  {"1 2", 13},
                  {"&O17", 13},
                  {"&H", 13},
                  {"1e", 13},
                  {"&H1FFFFFFFF", 6},
                  {"2147483648", 6},
                  {"2147483647.5", 6},
                  {"1e30", 6}},
                 toStrictLong);
}

TEST(ConversionsTest, MeasureRoundsToOneDecimalOnTheWrittenValue)
{
    expectValues<double>({{"12.25", 12.2},
                          {"12.35", 12.4},
                          {"12.15", 12.2},
                          {"12.45", 12.4},
                          {"-12.25", -12.2},
                          {"12.2500001", 12.3},
                          {"12.24999", 12.2},
                          {" 7 ", 7},
                          {"1.25e1", 12.5},
                          {"1225e-2", 12.2},
                          {"0.05", 0},
                          {"0.15", 0.2},
                          {"9.96", 10},
                          {"&HFF", 255},
                          {"&O10", 8},
                          {"1E2", 100}},
                         toMeasure);
    expectErrors({{"abc", 13}, {"", 13}, {"12,5", 13}, {"12.5cm", 13}, {"1e999", 6}}, toMeasure);
}

TEST(ConversionsTest, StrictDoubleAndStrictInteger)
{
    expectValues<double>({{"3.14159", 3.14159}, {"-1e-3", -0.001}, {"&H10", 16}, {"1D2", 100}, {" .5 ", 0.5}},
                         toStrictDouble);
    expectErrors({{"3.1x", 13}, {"", 13}, {"1e400", 6}}, toStrictDouble);
    expectValues<std::int16_t>({{"&HFFFF", -1}, {"2.5", 2}, {"32767", 32767}, {"-32768.5", -32768}}, toStrictInteger);
    expectErrors({{"32768", 6}, {"32767.5", 6}, {"&H10000", 6}, {"x", 13}, {"", 13}}, toStrictInteger);
}

TEST(ConversionsTest, RoundHalfEvenDecidesTiesOnTheShownDigits)
{
    struct RoundCase {
        double value;
        int decimals;
        double expected;
    };
    const RoundCase cases[] = {
        {12.25, 1, 12.2},
        {12.35, 1, 12.4},
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {1250, -2, 1200},
        {1350, -2, 1400},
        {1.005, 2, 1.0},
        {0.1 + 0.2, 1, 0.3},
        {1e20, 1, 1e20},
        {0.04, 1, 0},
        {9.95, 1, 10},
        {123456789012345678.0, 0, 123456789012345678.0},
        {1e15 + 0.5, 0, 1e15},
        {1e15 + 1.5, 0, 1e15 + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.expected);
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""), 1)));
}

TEST(ConversionsTest, RoundToWholeNumbers)
{
    struct RoundCase {
        double value;
        std::int32_t expected;
    };
    for (const RoundCase& c : {RoundCase{0.5, 0},
                               {1.5, 2},
                               {2.5, 2},
                               {-0.5, 0},
                               {-1.5, -2},
                               {2.4999, 2},
                               {2147483647.4, 2147483647},
                               {-2147483648.5, -2147483647 - 1}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundToLong(c.value), c.expected);
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {2147483647.5, -2147483649.0, inf, std::nan("")})
        EXPECT_EQ(errorOf([&] { roundToLong(v); }), 6) << v;
    EXPECT_EQ(roundToInteger(-32768.5), -32768);
    EXPECT_EQ(errorOf([] { roundToInteger(32767.5); }), 6);
}

TEST(ConversionsTest, NumberTextIsTheGeneralDecimalForm)
{
    struct TextCase {
        double value;
        const char* expected;
    };
    const TextCase cases[] = {
        {0.1 + 0.2, "0.3"},
        {1e20, "1E+20"},
        {-2.5, "-2.5"},
        {0, "0"},
        {-0.0, "0"},
        {100, "100"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {-1.5e20, "-1.5E+20"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {1.23e-7, "1.23E-07"},
        {1e100, "1E+100"},
        {1e-300, "1E-300"},
        {2.0 / 3, "0.666666666666667"},
        {999999999999999.9, "1E+15"},
        {12.5, "12.5"},
        {1234567.125, "1234567.125"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(numberText(c.value), QString::fromLatin1(c.expected));
    }
}

TEST(ConversionsTest, StrConvCodes)
{
    struct ConvCase {
        const char* text;
        int code;
        const char* expected;
    };
    const ConvCase cases[] = {
        {"hello World", 1, "HELLO WORLD"},
        {"Hello World", 2, "hello world"},
        {"hELLO wORLD", 3, "Hello World"},
        {"jean-luc o'neil", 3, "Jean-luc O'neil"},
        {"two\twords\nhere  now", 3, "Two\tWords\nHere  Now"},
        {"\xc3\xa4rger", 3, "\xc3\x84rger"},
        {"", 3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrConv(QString::fromUtf8(c.text), c.code), QString::fromUtf8(c.expected));
    }
    for (int code : {0, 4, -1, 64})
        EXPECT_EQ(errorOf([&] { StrConv("x", code); }), 5) << code;
}

}  // namespace
}  // namespace kwpnd
