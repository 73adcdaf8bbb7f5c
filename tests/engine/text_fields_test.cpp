// The text kinds: what each writes, and where.

#include "text_fields.h"
#include "format.h"
#include "support/test_support.h"
#include "test_host.h"

#include <gtest/gtest.h>
#include <QDate>

namespace kwpnd::test {
namespace {

const QByteArray kQuietPreview = "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n";

// Generates one field "[F]" with the given keys and data section.
struct FieldRun {
    QTemporaryDir dir;
    TestHost host;
    FieldRun(const QByteArray& keys, const QByteArray& data)
    {
        host.layout = writeFile(
            dir, QStringLiteral("layout.ini"),
            // Keys of the case come first: the first of two equal keys wins.
            "[F]\nEnabled=1\n" + keys + "\nXLeft=300\nYTop=300\nFontName=Arial\nFontSize=10\n" + kQuietPreview);
        host.data = writeFile(dir, QStringLiteral("data.ini"), "[F]\n" + data + "\n");
    }
    QImage run()
    {
        host.driver.PreviewGenerate();
        return host.canvas().retainedImage();
    }
};

// What printing `lines` one below the other (each `gap` twips further down
// than one text line) at (300, 300) in Arial 10 looks like.
QImage expectedLines(const QStringList& lines, float gap = 0)
{
    Surface s(400 * 15.0, 300 * 15.0);
    s.ScaleMode(smTwip);
    s.BackColor(0xFFFFFF);
    s.FontName(QStringLiteral("Arial"));
    s.FontSize(10);
    s.CurrentY(300);
    for (const QString& line : lines) {
        s.CurrentX(300);
        s.Print(line);
        s.CurrentY(s.CurrentY() + gap);
    }
    return s.retainedImage();
}

TEST(TextFields, RightAlignedBuffer)
{
    EXPECT_EQ(rightAligned(QStringLiteral("3.14"), 8), QStringLiteral("    3.14"));
    EXPECT_EQ(rightAligned(QStringLiteral("3.14"), 3), QStringLiteral("3.1"));
    EXPECT_EQ(rightAligned(QStringLiteral("abc"), 0), QString());
}

struct TextCase {
    const char* name;
    QByteArray keys;
    QByteArray data;
    QStringList expected;
    float gap = 0;
};

class TextKind : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextKind, WritesTheExpectedLines)
{
    const TextCase& c = GetParam();
    FieldRun field(c.keys, c.data);
    field.host.app = nullptr;
    const QImage page = field.run();
    EXPECT_TRUE(field.host.shown().isEmpty()) << field.host.shown().join('\n').toStdString();
    EXPECT_EQ(page, expectedLines(c.expected, c.gap));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextKind,
    ::testing::Values(
        TextCase{"PlainUnchanged", "Strconv=1", "Data=Hello World", {"Hello World"}},
        TextCase{"PlainUpperWithFormat", "Strconv=1\nFormat=x", "Data=Hello World", {"HELLO WORLD"}},
        TextCase{"PlainProperWithFormat", "Strconv=3\nFormat=x", "Data=hELLO wORLD", {"Hello World"}},
        TextCase{"PlainFormatOtherCode", "Strconv=0\nFormat=x", "Data=Hello", {"Hello"}},
        TextCase{"PaddedNumber", "Type=rsetn\nBuffer=8\nFormat=0.00", "Data=3.14159", {"    3.14"}},
        TextCase{"PaddedNumberCut", "Type=rsetn\nBuffer=3\nFormat=0.00", "Data=3.14159", {"3.1"}},
        TextCase{"DataLinesNoGap",
                 "Type=lsetc\nDatas=3\nHeight=0",
                 "Data1=one\nData2=two\nData3=three",
                 {"one", "two", "three"}},
        TextCase{"DataLinesGap", "Type=lsetc\nDatas=2\nHeight=150", "Data1=one\nData2=two", {"one", "two"}, 150},
        TextCase{
            "PaddedColumn", "Type=rsetc\nDatas=2\nBuffer=6\nFormat=0.0", "Data1=1.25\nData2=-3", {"   1.3", "  -3.0"}},
        TextCase{"Delimited", "Type=delim\nDelimeter=;", "Data=a;b;;c", {"a", "b", "", "c"}},
        TextCase{"DelimitedNoDelimiter", "Type=delim", "Data=a;b", {"a;b"}},
        TextCase{"DelimitedEmpty", "Type=delim\nDelimeter=;", "Data=", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFields, DelimitedLinesEndOneLinePerPart)
{
    FieldRun field("Type=delim\nDelimeter=;", "Data=a;b;;c");
    field.run();
    Surface probe;
    probe.ScaleMode(smTwip);
    probe.FontName(QStringLiteral("Arial"));
    probe.FontSize(10);
    EXPECT_NEAR(field.host.canvas().CurrentY(), 300 + 4 * probe.TextHeight(QStringLiteral("a")), 1);
}

TEST(TextFields, DateWithPattern)
{
    FieldRun field("Type=Date\nFormat=yyyy-mm-dd", "Data=");
    const QImage page = field.run();
    EXPECT_EQ(page, expectedLines({QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))}));
}

TEST(TextFields, NowAndTimeWriteTheClock)
{
    // The clock may tick during the run: the page matches the text of the
    // moment before or after it.
    const std::pair<const char*, QString (*)()> cases[] = {
        {"Now", [] { return generalDate(QDateTime::currentDateTime()); }},
        {"Time", [] { return longTime(QTime::currentTime()); }},
    };
    for (const auto& [type, text] : cases) {
        FieldRun field("Type=" + QByteArray(type), "Data=ignored");
        const QString before = text();
        const QImage page = field.run();
        const QString after = text();
        EXPECT_TRUE(page == expectedLines({before}) || page == expectedLines({after})) << type;
    }
}

TEST(TextFields, ApplicationMembers)
{
    QObject app;
    app.setProperty("ProductName", "Ledger");
    app.setProperty("Title", "Ledger Pro");
    app.setProperty("Major", 3);
    app.setProperty("Minor", 14);
    const std::pair<const char*, const char*> cases[] = {{"pavp", "Ledger"}, {"pava", "Ledger Pro"}, {"pavv", "3.14"}};
    for (const auto& [type, text] : cases) {
        FieldRun field("Type=" + QByteArray(type), "Data=");
        field.host.app = &app;
        EXPECT_EQ(field.run(), expectedLines({QString::fromUtf8(text)})) << type;
    }
}

TEST(TextFields, ApplicationObjectFailuresAreReported)
{
    FieldRun none("Type=pavp", "Data=");
    none.run();
    EXPECT_EQ(none.host.shown(), QStringList{QStringLiteral("91: Object variable or With block variable not set\\nF")});

    QObject app;
    FieldRun missing("Type=pava", "Data=");
    missing.host.app = &app;
    missing.run();
    EXPECT_EQ(missing.host.shown(),
              QStringList{QStringLiteral("438: Object doesn't support this property or method\\nF")});
}

TEST(TextFields, RegisteredStringAndMissingKey)
{
    FieldRun field("Type=StrFromStrings", "Data=greeting");
    field.host.strings.Add(QStringLiteral("Good morning"), QStringLiteral("GREETING"));
    EXPECT_EQ(field.run(), expectedLines({QStringLiteral("Good morning")}));

    FieldRun missing("Type=StrFromStrings", "Data=nothing");
    missing.run();
    EXPECT_EQ(missing.host.shown(), QStringList{QStringLiteral("5: Invalid procedure call or argument\\nF")});
}

TEST(TextFields, EnvironmentVariableWithAndWithoutExpansion)
{
    qputenv("KWPND_TEST_HOME", "/home/ada");
    qputenv("KWPND_TEST_PATH", "${KWPND_TEST_HOME}/docs:%KWPND_TEST_HOME%/bin");
    FieldRun plain("Type=envvar", "Data=KWPND_TEST_PATH");
    EXPECT_EQ(plain.run(), expectedLines({QStringLiteral("${KWPND_TEST_HOME}/docs:%KWPND_TEST_HOME%/bin")}));
    FieldRun expanded("Type=envvar\nExpand=1", "Data=KWPND_TEST_PATH");
    EXPECT_EQ(expanded.run(), expectedLines({QStringLiteral("/home/ada/docs:/home/ada/bin")}));
}

TEST(TextFields, PaddedNumberFailures)
{
    struct Case {
        QByteArray keys, data;
        QString report;
    } cases[] = {
        {"Type=rsetn\nBuffer=abc", "Data=1", QStringLiteral("13: Type mismatch\\nF")},
        {"Type=rsetn\nBuffer=8", "Data=abc", QStringLiteral("13: Type mismatch\\nF")},
        {"Type=rsetn\nBuffer=-2", "Data=1",
         QStringLiteral("5: Invalid procedure call or argument\\nF | Buffer -2 is negative")},
        {"Type=rsetn\nBuffer=2000000000", "Data=1",
         QStringLiteral("7: Out of memory\\nF | Buffer 2000000000 is larger than 65536 characters")},
    };
    for (const Case& c : cases) {
        FieldRun field(c.keys, c.data);
        const QImage page = field.run();
        EXPECT_EQ(field.host.shown(), QStringList{c.report}) << c.keys.constData();
        EXPECT_TRUE(inkBounds(page).isNull()) << c.keys.constData();
    }
}

TEST(TextFields, PaddedColumnLeavesBadLinesBlankAndReportsThemOnce)
{
    // Empty and unconvertible lines leave their rows blank; the lines after
    // them are still written, and one report names every failed line.
    FieldRun field("Type=rsetc\nDatas=32767\nBuffer=4\nFormat=0",
                   "Data1=1\nData2=\nData3=3\nData4=x\nData5=5\nData6=y\nData7=z");
    const QImage page = field.run();
    EXPECT_EQ(field.host.shown(),
              QStringList{QStringLiteral("13: Type mismatch\\nF | Data2, Data4, Data6\u2013Data32767")});
    EXPECT_EQ(page, expectedLines({QStringLiteral("   1"), QString(), QStringLiteral("   3"), QString(),
                                   QStringLiteral("   5")}));
}

TEST(TextFields, PaddedColumnReportOfScatteredLinesIsCut)
{
    QByteArray data;
    for (int k = 2; k <= 60; k += 2)
        data += "Data" + QByteArray::number(k) + "=" + QByteArray::number(k) + "\n";
    FieldRun field("Type=rsetc\nDatas=60\nBuffer=4\nFormat=0", data);
    field.run();
    QStringList odd;
    for (int k = 1; k <= 39; k += 2)
        odd << QStringLiteral("Data%1").arg(k);
    EXPECT_EQ(field.host.shown(), QStringList{QStringLiteral("13: Type mismatch\\nF | ") +
                                              odd.join(QStringLiteral(", ")) + QStringLiteral(", and 10 more")});
}

TEST(TextFields, FittedTextWithAnUnknownShadowIsReportedAndWrittenPlain)
{
    FieldRun bad("Type=txtsh\nShadow=&H80000000\nForecolor=255", "Data=Stamp");
    const QImage page = bad.run();
    EXPECT_EQ(bad.host.shown(),
              QStringList{QStringLiteral("5: Invalid procedure call or argument\\nF | Shadow -2147483648 is not a "
                                         "direction from 0 to 8; the text is written without a shadow")});
    FieldRun plain("Type=txtsh\nShadow=4\nForecolor=255", "Data=Stamp");
    EXPECT_EQ(page, plain.run());
    EXPECT_FALSE(inkBounds(page).isNull());
    EXPECT_EQ(bad.host.driver.record().Shadow, 4);
}

TEST(TextFields, WatermarkKindIsRotatedAtDevicePixels)
{
    FieldRun field("Type=watermark\nAngle=90\nFontSize=40\nXLeft=100\nYTop=250", "Data=STAMP");
    const QImage page = field.run();
    const QRect ink = inkBounds(page);
    ASSERT_FALSE(ink.isNull());
    // Running upwards from (100, 250): taller than wide, above the point.
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_LE(ink.bottom(), 252);
    EXPECT_GE(ink.left(), 95);
}

}  // namespace
}  // namespace kwpnd::test
