// The generation walk: which sections are drawn, how failures are reported,
// kept and reset members, the section limit and the after-generation actions.

#include "field_record.h"
#include "kwpnd/error.h"
#include "support/test_support.h"
#include "test_host.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

const QByteArray kQuietPreview = "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n";

struct Files {
    QTemporaryDir dir;
    void use(TestHost& host, const QByteArray& layout, const QByteArray& data = {})
    {
        host.layout = writeFile(dir, QStringLiteral("layout.ini"), layout);
        host.data = writeFile(dir, QStringLiteral("data.ini"), data);
    }
};

TEST(GenerationWalk, OnlyEnabledOneSectionsAreDrawn)
{
    TestHost host;
    Files files;
    files.use(host,
              "[NoKey]\nXLeft=100\nYTop=100\n"
              "[Zero]\nEnabled=0\nXLeft=100\nYTop=1000\n"
              "[Two]\nEnabled=2\nXLeft=100\nYTop=2000\n" +
                  kQuietPreview,
              "[NoKey]\nData=A\n[Zero]\nData=B\n[Two]\nData=C\n");
    host.guides = host.adjusters = true;
    host.driver.PreviewGenerate();
    EXPECT_TRUE(inkBounds(host.canvas().retainedImage()).isNull());
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("ClearAdjusters")});
    EXPECT_TRUE(host.shown().isEmpty()) << host.shown().join('\n').toStdString();
}

TEST(GenerationWalk, FieldAtOriginIsNotDrawnButGetsItsAids)
{
    TestHost host;
    Files files;
    files.use(host, "[Origin]\nEnabled=1\n" + kQuietPreview, "[Origin]\nData=Hello\n");
    host.guides = host.adjusters = true;
    host.driver.PreviewGenerate();
    EXPECT_TRUE(inkBounds(host.canvas().retainedImage()).isNull());
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ClearAdjusters"), QStringLiteral("DrawGuides 0 0 Origin"),
                                       QStringLiteral("DrawAdjusters Origin 1")}));
}

TEST(GenerationWalk, PlainTextIsPrintedAtItsPosition)
{
    TestHost host;
    Files files;
    files.use(host, "[T]\nEnabled=1\nXLeft=300\nYTop=450\nFontSize=12\n" + kQuietPreview, "[T]\nData=Hello\n");
    host.driver.PreviewGenerate();
    const QRect ink = inkBounds(host.canvas().retainedImage());
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), 20, 2);  // 300 twips
    EXPECT_GE(ink.top(), 30);        // 450 twips: the cell top, glyphs a little lower
    EXPECT_LT(ink.top(), 40);
    EXPECT_EQ(host.canvas().Tag(), host.layout);
}

TEST(GenerationWalk, EachWalkSeesTheFilesAsTheyAreOnDisk)
{
    TestHost host;
    Files files;
    files.use(host, "[T]\nEnabled=1\nXLeft=300\nYTop=450\nFontSize=12\n" + kQuietPreview, "[T]\nData=Hello\n");
    host.driver.PreviewGenerate();
    const QRect first = inkBounds(host.canvas().retainedImage());
    ASSERT_FALSE(first.isNull());

    // Both files change between two walks: a field moves, its text grows.
    writeFile(files.dir, QStringLiteral("layout.ini"),
              "[T]\nEnabled=1\nXLeft=1500\nYTop=450\nFontSize=12\n" + kQuietPreview);
    writeFile(files.dir, QStringLiteral("data.ini"), "[T]\nData=Hello, again\n");
    host.canvas().Cls();
    host.driver.PreviewGenerate();
    const QRect second = inkBounds(host.canvas().retainedImage());
    ASSERT_FALSE(second.isNull());
    EXPECT_NEAR(second.left() - first.left(), 80, 2);  // 1200 twips further right
    EXPECT_GT(second.width(), first.width());
    EXPECT_TRUE(host.shown().isEmpty()) << host.shown().join('\n').toStdString();
}

TEST(GenerationWalk, BadValueIsReportedAndLeavesThePreviousValue)
{
    TestHost host;
    Files files;
    files.use(host, "[Field]\nEnabled=1\nXLeft=abc\nYTop=300\n" + kQuietPreview, "[Field]\nData=X\n");
    host.driver.PreviewGenerate();
    // The text is the description and the section; the detail names the line.
    ASSERT_EQ(host.shown(), QStringList{QStringLiteral("13: Type mismatch\\nField | XLeft=abc")});
    EXPECT_EQ(host.messages().shown()[0].icon, MsgIcon::Information);
    const QRect ink = inkBounds(host.canvas().retainedImage());
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.left(), 3);  // XLeft kept its reset value 0
}

TEST(GenerationWalk, ReportQuotesALongBadValueCut)
{
    TestHost host;
    Files files;
    files.use(host, "[Field]\nEnabled=1\nYTop=" + QByteArray(300, 'x') + "\n" + kQuietPreview, "[Field]\nData=X\n");
    host.driver.PreviewGenerate();
    ASSERT_EQ(host.messages().shown().size(), 1u);
    EXPECT_EQ(host.messages().shown()[0].detail, QStringLiteral("YTop=") + QString(40, u'x') + QChar(0x2026));
}

TEST(GenerationWalk, KeptMembersSurviveAndResetMembersReturn)
{
    TestHost host;
    Files files;
    files.use(host,
              "[A]\nEnabled=1\nXLeft=15\nYTop=15\nAngle=90\nFontSize=30\nBF=B\nDrawWidth=3\n"
              "[B]\nEnabled=1\nXLeft=15\nYTop=1500\n" +
                  kQuietPreview,
              "[A]\nData=A\n[B]\nData=B\n");
    host.driver.PreviewGenerate();
    const FieldRecord& r = host.driver.record();
    EXPECT_EQ(r.Angle, 90);
    EXPECT_EQ(r.BF, QStringLiteral("B"));
    EXPECT_EQ(r.DrawWidth, 3);
    EXPECT_EQ(r.FontSize, 8);
    EXPECT_EQ(r.FontName, QStringLiteral("Arial"));
    EXPECT_EQ(r.XLeft, 0);
    // The second field omitted FontSize: 8 points, not the first field's 30.
    const QImage page = host.canvas().retainedImage();
    const QRect second = inkBounds(page.copy(0, 100, page.width(), 200));
    EXPECT_LT(second.height(), 14);
}

TEST(GenerationWalk, TextStaysBlackWhileWatermarkUsesTheFieldColour)
{
    TestHost host;
    Files files;
    files.use(host, "[T]\nEnabled=1\nXLeft=1500\nYTop=1500\nForecolor=255\nFontSize=20\n" + kQuietPreview,
              "[T]\nData=MMMM\n");
    host.watermarkText = QStringLiteral("WWWW");
    host.driver.PreviewGenerate();
    const QImage page = host.canvas().retainedImage();
    EXPECT_GT(countPixels(page, 0x000000), 20);
    // The stamp sits at device pixel (1500, 1500): outside this canvas.
    EXPECT_EQ(countPixels(page, 0xFF0000), 0);

    TestHost near;
    files.use(near, "[T]\nEnabled=1\nXLeft=20\nYTop=20\nForecolor=255\nFontSize=20\n" + kQuietPreview, "[T]\nData=\n");
    near.watermarkText = QStringLiteral("WWWW");
    near.driver.PreviewGenerate();
    const QImage stamped = near.canvas().retainedImage();
    EXPECT_GT(countPixels(stamped, 0xFF0000), 10);
    EXPECT_EQ(countPixels(stamped, 0x000000), 0);
}

TEST(GenerationWalk, SectionLimitEndsTheRunBeforeTheActions)
{
    auto layout = [](int sections) {
        QByteArray text = "[Preview]\nPrintAfterGenerate=1\nCopyToClipboard=1\n";
        for (int i = 2; i <= sections; ++i)
            text += "[S" + QByteArray::number(i) + "]\nEnabled=0\n";
        return text;
    };
    {
        TestHost host;
        Files files;
        files.use(host, layout(255));
        host.driver.PreviewGenerate();
        EXPECT_TRUE(host.shown().isEmpty());
        EXPECT_TRUE(host.calls.contains(QStringLiteral("PreviewPrintDirect")));
        EXPECT_TRUE(host.calls.contains(QStringLiteral("PreviewCopy")));
    }
    {
        TestHost host;
        Files files;
        files.use(host, layout(256));
        host.driver.PreviewGenerate();
        ASSERT_EQ(host.shown(), QStringList{QStringLiteral("Limit Exceeds': Maximum limit of fields are 255")});
        EXPECT_EQ(host.messages().shown()[0].icon, MsgIcon::Critical);
        EXPECT_FALSE(host.calls.contains(QStringLiteral("PreviewPrintDirect")));
        EXPECT_FALSE(host.calls.contains(QStringLiteral("PreviewCopy")));
    }
}

TEST(GenerationWalk, MissingPreviewSectionGivesOneReportAndNoAction)
{
    TestHost host;
    Files files;
    files.use(host, "[PreviewWindow]\nTitle=x\n");
    host.driver.PreviewGenerate();
    EXPECT_EQ(host.shown(), QStringList{QStringLiteral("13: Type mismatch\\n")});
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("ClearAdjusters")});
}

TEST(GenerationWalk, FailingActionIsReportedAfterTheWalk)
{
    struct FailingPrint : TestHost {
        void PreviewPrintDirect() override { throw Error(ErrorNumber::PrinterError); }
    } host;
    Files files;
    files.use(host, "[Preview]\nPrintAfterGenerate=1\nCopyToClipboard=1\n");
    host.driver.PreviewGenerate();
    EXPECT_EQ(host.shown(), QStringList{QStringLiteral("482: Printer error\\n")});
    // The failure ended the actions: no copy after it.
    EXPECT_FALSE(host.calls.contains(QStringLiteral("PreviewCopy")));
}

TEST(GenerationWalk, TypeIsComparedWithItsCase)
{
    // "line" in lower case is not a kind of its own: its data is printed.
    TestHost host;
    Files files;
    files.use(host, "[L]\nEnabled=1\nType=rSetN\nXLeft=150\nYTop=150\nBuffer=x\n" + kQuietPreview, "[L]\nData=plain\n");
    host.driver.PreviewGenerate();
    EXPECT_TRUE(host.shown().isEmpty());
    EXPECT_FALSE(inkBounds(host.canvas().retainedImage()).isNull());
}

TEST(GenerationWalk, PositionsWithoutADeviceCoordinateAreReportedAndThePageGoesOn)
{
    // The watermark stamp takes XLeft and YTop as device coordinates; a
    // position beyond them is an overflow of that field alone.
    struct Case {
        const char* keys;
        const char* number;
    } cases[] = {
        {"XLeft=3000000000\nYTop=300\n", "3000000000"},
        {"XLeft=300\nYTop=1E12\n", "1000000000000"},
        {"XLeft=-3.3E10\nYTop=300\n", "-33000000000"},
        {"Type=watermark\nXLeft=300\nYTop=5E9\n", "5000000000"},  // the kind draws there too
    };
    for (const Case& c : cases) {
        TestHost host;
        Files files;
        files.use(
            host,
            QByteArray("[Far]\nEnabled=1\n") + c.keys + "[Near]\nEnabled=1\nXLeft=300\nYTop=450\n" + kQuietPreview,
            "[Far]\nData=far\n[Near]\nData=Hello\n");
        host.watermarkText = QStringLiteral("W");
        host.driver.PreviewGenerate();
        const QString report = QStringLiteral("6: Overflow\\nFar | %1 is beyond the range of device coordinates")
                                   .arg(QLatin1String(c.number));
        EXPECT_TRUE(host.shown().contains(report)) << c.number << ": " << host.shown().join('\n').toStdString();
        for (const QString& shown : host.shown())
            EXPECT_TRUE(shown.contains(QStringLiteral("\\nFar"))) << shown.toStdString();
        // The next field is drawn, watermark and all.
        const QRect ink = inkBounds(host.canvas().retainedImage());
        ASSERT_FALSE(ink.isNull()) << c.number;
        EXPECT_NEAR(ink.left(), 20, 2) << c.number;
    }
}

TEST(GenerationWalk, PenWidthBeyondAnIntegerIsReportedWithItsValue)
{
    TestHost host;
    Files files;
    files.use(host, "[F]\nEnabled=1\nXLeft=150\nYTop=150\nDrawWidth=70000\n" + kQuietPreview, "[F]\nData=x\n");
    host.driver.PreviewGenerate();
    EXPECT_EQ(host.shown(),
              QStringList{QStringLiteral("6: Overflow\\nF | 70000 is outside the range of a 16-bit integer")});
    EXPECT_FALSE(inkBounds(host.canvas().retainedImage()).isNull());
}

TEST(GenerationWalk, FontSizeZeroIsReported)
{
    TestHost host;
    Files files;
    files.use(host, "[F]\nEnabled=1\nXLeft=150\nYTop=150\nFontSize=0\n" + kQuietPreview, "[F]\nData=x\n");
    host.driver.PreviewGenerate();  // first run: the record was never reset
    host.driver.PreviewGenerate();
    ASSERT_FALSE(host.shown().isEmpty());
    EXPECT_TRUE(host.shown().first().startsWith(QStringLiteral("380: Invalid property value")));
}

}  // namespace
}  // namespace kwpnd::test
