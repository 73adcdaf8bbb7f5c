// Barcode label sheets generated through the generation walk: the grid of
// stamps, numbering and the end number, composing one label, the sheet keys,
// and how failures are reported.

#include "label_sheet.h"
#include "barcode_support.h"
#include "ean13.h"
#include "kwpnd/error.h"
#include "sheet_host.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSettings>

namespace kwpnd::test {
namespace {

struct Sheet {
    QTemporaryDir dir;
    SheetHost host;

    explicit Sheet(const QByteArray& layout, const QByteArray& data = "[Sheet]\nBarcodeData=123456789012\n",
                   int canvasWidth = 600, int canvasHeight = 400)
        : host(canvasWidth, canvasHeight)
    {
        host.layout = writeFile(dir, QStringLiteral("layout.ini"), layout + kQuietPreview);
        host.data = writeFile(dir, QStringLiteral("data.ini"), data);
    }
    void generate() { host.driver.PreviewGenerate(); }
    QImage page() const { return const_cast<SheetHost&>(host).canvas().retainedImage(); }
    QString dataValue(const QString& section, const QString& key) const
    {
        QFile f(host.data);
        f.open(QIODevice::ReadOnly);
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith(key.toUtf8() + "="))
                return QString::fromUtf8(line.mid(key.size() + 1)).trimmed();
        return {};
    }
    // The cell of a 2400 × 1200 twip label whose top-left is at (x, y) twips.
    QImage cell(double x, double y) const { return page().copy(QRect(qRound(x / 15), qRound(y / 15), 160, 80)); }
};

// Top-left corners of the areas of colour `rgb`.
QList<QPoint> cornersOf(const QImage& image, QRgb rgb)
{
    auto is = [&](int x, int y) { return x >= 0 && y >= 0 && (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF); };
    QList<QPoint> corners;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (is(x, y) && !is(x - 1, y) && !is(x, y - 1))
                corners << QPoint(x, y);
    return corners;
}

QList<QPoint> pixelsOf(std::initializer_list<std::pair<double, double>> twips)
{
    QList<QPoint> out;
    for (auto [x, y] : twips)
        out << QPoint(qRound(x / 15), qRound(y / 15));
    return out;
}

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// Red labels without a symbol: each stamp is a plain red rectangle.
const QStringList kRedLabels = {"BarCodeSymbol=none", "BarCodeBackcolor=255,0,0", "BarCodeLabelBackcolor=255,0,0"};

TEST(LabelSheet, StampsFillTheGridRowByRow)
{
    Sheet sheet(sheetSection(kRedLabels));
    sheet.generate();
    EXPECT_TRUE(sheet.host.shown().isEmpty()) << sheet.host.shown().join('\n').toStdString();
    EXPECT_EQ(cornersOf(sheet.page(), kRed),
              pixelsOf({{500, 500}, {3000, 500}, {5500, 500}, {500, 1800}, {3000, 1800}, {5500, 1800}}));
    EXPECT_FLOAT_EQ(sheet.host.canvas().CurrentX(), 500);
    EXPECT_FLOAT_EQ(sheet.host.canvas().CurrentY(), 3100);
    EXPECT_EQ(sheet.host.composingChanges, 1) << "the views over the composing surfaces follow once per sheet";
}

TEST(LabelSheet, CountsOfZeroOrFractionsStampWholeCells)
{
    struct Case {
        const char* xCount;
        const char* yCount;
        int stamps;
    };
    for (Case c : {Case{"0", "2", 0}, Case{"3", "0", 0}, Case{"2.6", "1", 2}, Case{"1", "1.9", 1}}) {
        QStringList keys = kRedLabels;
        keys << QStringLiteral("XCount=") + QLatin1String(c.xCount)
             << QStringLiteral("YCount=") + QLatin1String(c.yCount);
        Sheet sheet(sheetSection(keys), "[Sheet]\nBarcodeData=77\n");
        sheet.generate();
        EXPECT_EQ(cornersOf(sheet.page(), kRed).size(), c.stamps) << c.xCount << " x " << c.yCount;
        // The first label is composed and the end number written either way.
        EXPECT_FALSE(sheet.host.composer().stamp().isEmpty());
        EXPECT_EQ(sheet.dataValue("Sheet", "BarcodeEndNumber"), QStringLiteral("77"));
    }
}

TEST(LabelSheet, SequentialNumbersStartAfterTheDataAndContinueOnTheNextRow)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    Sheet sheet(sheetSection({"BarCodeSymbol=code39", "BarCodeSequential=1"}), "[Sheet]\nBarcodeData=00120\n");
    sheet.generate();
    EXPECT_TRUE(sheet.host.shown().isEmpty()) << sheet.host.shown().join('\n').toStdString();
    EXPECT_EQ(decode(sheet.cell(500, 500)), QStringList{"CODE-39:121"});
    EXPECT_EQ(decode(sheet.cell(5500, 500)), QStringList{"CODE-39:123"});
    EXPECT_EQ(decode(sheet.cell(500, 1800)), QStringList{"CODE-39:124"});
    EXPECT_EQ(decode(sheet.cell(5500, 1800)), QStringList{"CODE-39:126"});
    EXPECT_EQ(sheet.dataValue("Sheet", "BarcodeEndNumber"), QStringLiteral("126"));
}

TEST(LabelSheet, WithoutNumberingEveryCellShowsTheDataItself)
{
    Sheet sheet(sheetSection({"BarCodeSymbol=code39"}), "[Sheet]\nBarcodeData=ABC\n");
    sheet.generate();
    const QImage first = sheet.cell(500, 500);
    for (auto [x, y] : {std::pair{3000, 500}, {5500, 500}, {500, 1800}, {3000, 1800}, {5500, 1800}})
        EXPECT_EQ(sheet.cell(x, y), first) << x << "," << y;
    EXPECT_EQ(sheet.dataValue("Sheet", "BarcodeEndNumber"), QStringLiteral("0"));
    if (haveDecoder()) {
        EXPECT_EQ(decode(first), QStringList{"CODE-39:ABC"});
    }
}

TEST(LabelSheet, EAN13CellsDecode)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    Sheet sheet(sheetSection({"BarCodeSequential=1"}), "[Sheet]\nBarcodeData=400638133390\n");
    sheet.generate();
    EXPECT_EQ(decode(sheet.cell(500, 500)), QStringList{"EAN-13:" + EAN13CheckDigit("400638133391")});
    EXPECT_EQ(decode(sheet.cell(5500, 1800)), QStringList{"EAN-13:" + EAN13CheckDigit("400638133396")});
    EXPECT_EQ(sheet.dataValue("Sheet", "BarcodeEndNumber"), QStringLiteral("400638133396"));
}

TEST(LabelSheet, SymbologyNamesIgnoreCaseButNotBlanks)
{
    auto symbolSurface = [](const char* name) {
        Sheet sheet(sheetSection({QStringLiteral("BarCodeSymbol=") + QLatin1String(name), "BarCodeHeader=1"}),
                    "[Sheet]\nBarcodeData=123456789012\nBarcodeHeader=Header\n");
        sheet.generate();
        return std::make_pair(sheet.host.symbol.retainedImage(), sheet.host.label.retainedImage());
    };
    const auto [lower, lowerLabel] = symbolSurface("ean13");
    EXPECT_FALSE(inkBounds(lower).isNull());
    EXPECT_EQ(symbolSurface("EAN13").first, lower);
    const auto [none, label] = symbolSurface("ean 13");
    EXPECT_TRUE(inkBounds(none).isNull());
    EXPECT_FALSE(inkBounds(label).isNull()) << "the label still shows its header";
}

TEST(LabelSheet, LabelSurfacesDescribeTheSheet)
{
    Sheet sheet(sheetSection());
    sheet.host.label.Visible(false);
    sheet.generate();
    EXPECT_TRUE(sheet.host.label.Visible());
    EXPECT_EQ(sheet.host.symbol.ToolTipText(), QStringLiteral("ean13 type barcode."));
    EXPECT_EQ(sheet.host.label.ToolTipText(),
              QStringLiteral("ean13 type barcode label. Width : 2400 Height : 1200, XCount : 3 YCount : 2"));
    // The automatic size: the label is Width × Height window units.
    EXPECT_FLOAT_EQ(sheet.host.label.Width(), 2400);
    EXPECT_FLOAT_EQ(sheet.host.label.Height(), 1200);
}

TEST(LabelSheet, FixedSizesComeFromTheSheetKeys)
{
    Sheet sheet(sheetSection({"BarCodeLabelAuto=0", "BarCodeLabelWidth=3000", "BarCodeLabelHeight=1500",
                              "BarCodeObjectWidth=1650", "BarCodeObjectHeight=990"}));
    sheet.generate();
    EXPECT_FLOAT_EQ(sheet.host.label.Width(), 3000);
    EXPECT_FLOAT_EQ(sheet.host.label.Height(), 1500);
    EXPECT_FLOAT_EQ(sheet.host.symbol.Width(), 1650);
    EXPECT_FLOAT_EQ(sheet.host.symbol.Height(), 990);
    EXPECT_EQ(sheet.host.composer().stamp().pixelSize(), QSize(200, 100));
}

TEST(LabelSheet, SymbolAnchor)
{
    // Pixel label scale; the symbol surface (120 × 73 pixels) is painted blue.
    struct Case {
        QStringList keys;
        QPoint at;
    };
    const QStringList base = {"BarCodeSymbol=none", "BarCodeBackcolor=0,0,255", "BarCodeLabelscale=3",
                              "BarCodeLabelDiffX=30", "BarCodeLabelDiffY=3"};
    for (const Case& c : {Case{{}, {30, 3}}, Case{{"BarCodeObjectY=5"}, {0, 5}}, Case{{"BarCodeObjectX=7"}, {7, 0}},
                          // Centred: half the label less half the symbol.
                          Case{{"BarCodeLabelDiff=1", "BarCodeLabelDiffX=60", "BarCodeLabelDiffY=36.5"}, {20, 4}}}) {
        Sheet sheet(sheetSection(base + c.keys));
        sheet.generate();
        const QImage label = sheet.host.label.retainedImage();
        EXPECT_EQ(cornersOf(label, kBlue), QList<QPoint>{c.at}) << c.keys.join(' ').toStdString();
    }
}

TEST(LabelSheet, HeaderFooterAndBottomLine)
{
    const QByteArray data =
        "[Sheet]\nBarcodeData=1\nBarcodeHeader=HEADER\nBarcodeFooter=FOOTER\nBarcodeBottom=BOTTOM\n";
    auto inkRows = [&](const QStringList& keys) {
        // The symbol surface is pasted (white) over the header: keep it below the texts.
        Sheet sheet(sheetSection(QStringList{"BarCodeSymbol=none", "BarCodeHeaderX=150", "BarCodeHeaderY=60",
                                             "BarCodeFooterX=300", "BarCodeFooterY=600", "BarCodeLabelDiffY=1150"} +
                                 keys),
                    data);
        sheet.generate();
        return inkBounds(sheet.host.label.retainedImage());
    };
    EXPECT_TRUE(inkRows({}).isNull());
    const QRect header = inkRows({"BarCodeHeader=1"});
    EXPECT_NEAR(header.left(), 150 / 15, 1);
    EXPECT_NEAR(header.top(), 60 / 15, 4);
    const QRect footer = inkRows({"BarCodeFooter=1"});
    EXPECT_NEAR(footer.left(), 300 / 15, 1);
    EXPECT_NEAR(footer.top(), 600 / 15, 4);
    const QRect both = inkRows({"BarCodeFooter=1", "BarCodeBottom=1"});
    EXPECT_EQ(both.top(), footer.top());
    EXPECT_GT(both.bottom(), footer.bottom() + 6) << "the bottom line sits one line under the footer";
}

TEST(LabelSheet, CombinedFooterWidensTheCode39Caption)
{
    auto captionWidth = [](const char* combine) {
        Sheet sheet(
            sheetSection({"BarCodeSymbol=code39", QStringLiteral("BarCodeFooterCombine=") + QLatin1String(combine)}),
            "[Sheet]\nBarcodeData=12\nBarcodeFooter=and a long footer\n");
        sheet.generate();
        Surface& s = sheet.host.symbol;
        const int belowBars = int(s.ScaleHeight() - 1.5f * s.TextHeight(QStringLiteral("12"))) + 1;
        const QImage symbol = s.retainedImage();
        return inkBounds(symbol.copy(0, belowBars, symbol.width(), symbol.height() - belowBars)).width();
    };
    EXPECT_GT(captionWidth("1"), captionWidth("0") + 30);
}

TEST(LabelSheet, FailuresInALabelAreReportedAndTheCellGetsThePreviousStamp)
{
    struct Case {
        const char* key;
        int error;
    };
    for (Case c : {Case{"BarCodeBackcolor=255,0", ErrorNumber::SubscriptOutOfRange},
                   Case{"BarCodeLabelBackcolor=red,green,blue", ErrorNumber::TypeMismatch},
                   Case{"BarCodeLabelscale=9", ErrorNumber::InvalidPropertyValue},
                   Case{"BarCodeObjectscale=-1", ErrorNumber::InvalidPropertyValue},
                   Case{"BarCodeLabelBackcolor=255,0,99999", ErrorNumber::Overflow}}) {
        Sheet sheet(sheetSection({"XCount=2", "YCount=1", QLatin1String(c.key)}));
        sheet.generate();
        const QStringList shown = sheet.host.shown();
        ASSERT_FALSE(shown.isEmpty()) << c.key;
        EXPECT_TRUE(
            shown.first().startsWith(QStringLiteral("%1: %2\\nSheet").arg(c.error).arg(errorDescription(c.error))))
            << c.key << ": " << shown.first().toStdString();
        // No label was ever composed: stamping fails too, in every cell, and
        // each failure is reported once for the sheet.
        EXPECT_EQ(shown.count(QStringLiteral("91: %1\\nSheet").arg(errorDescription(91))), 1) << c.key;
        EXPECT_EQ(shown.size(), 2) << c.key;
    }

    // After a good sheet, a failing one stamps the last good label.
    Sheet sheet(
        sheetSection(kRedLabels + QStringList{"XCount=1", "YCount=1"}) +
            sheetSection({"BarCodeSymbol=none", "BarCodeLabelBackcolor=0,0", "XLeft=3000", "XCount=1", "YCount=1"},
                         "Second"),
        "[Sheet]\nBarcodeData=1\n[Second]\nBarcodeData=2\n");
    sheet.generate();
    EXPECT_EQ(cornersOf(sheet.page(), kRed), pixelsOf({{500, 500}, {3000, 500}}));
    EXPECT_EQ(sheet.host.shown(), QStringList{QStringLiteral("9: %1\\nSecond").arg(errorDescription(9))});
}

TEST(LabelSheet, TallCode39LabelIsReported)
{
    Sheet sheet(sheetSection({"BarCodeSymbol=code39", "BarCodeHeight=20000", "XCount=1", "YCount=1"}));
    sheet.generate();
    ASSERT_FALSE(sheet.host.shown().isEmpty());
    EXPECT_TRUE(sheet.host.shown().first().startsWith(QStringLiteral("380: ")))
        << sheet.host.shown().first().toStdString();
}

// Grids that never leave the page, or reach it only after many cells, or
// move away from it: only the labels that can show are stamped and numbered,
// at most kMaxSheetLabels of them, and an overflow is reported once.
TEST(LabelSheet, GridsOfAnySizeStampOnlyVisibleLabelsUpToTheCap)
{
    struct Case {
        const char* name;
        QStringList keys;
        int stamps;             // distinct red areas on the page
        const char* endNumber;  // BarcodeData is 10
        QString report;         // the one report expected ("" none)
    };
    const QString edge = QStringLiteral(
        "Barcode Sheet: The barcode sheet reaches the edge of the page: %1 of its "
        "%2 labels are not drawn and their numbers are not used.\\nSheet");
    const QString cap = QStringLiteral(
        "6: Overflow\\nSheet | a barcode sheet stamps at most 2000 labels; XCount %1 and "
        "YCount %2 with XSpacing + Width %3 and YSpacing + Height %4 put more than "
        "that on the page, and the labels after the first 2000 were left out");
    const QStringList fixedLabel = {"BarCodeLabelAuto=0", "BarCodeLabelWidth=2400", "BarCodeLabelHeight=1200"};
    const Case cases[] = {
        {"zero pitch", {"XSpacing=-2400", "XCount=1e9", "YCount=1"}, 1, "10", cap.arg("1000000000", "1", "0", "1300")},
        {"negative pitch on both axes",
         {"XSpacing=-2400.5", "YSpacing=-1200.5", "XCount=1e9", "YCount=1e9"},
         1,
         "10",
         cap.arg("1000000000", "1000000000", "-0.5", "-0.5")},
        {"numbered, zero pitch", {"XSpacing=-2400", "XCount=50", "YCount=1", "BarCodeSequential=1"}, 1, "60", ""},
        {"moving away to the left",
         QStringList{"XSpacing=-100", "Width=-2400", "XCount=1e9", "YCount=1", "BarCodeSequential=1"} + fixedLabel, 2,
         "12", edge.arg("999999998", "1000000000")},
        {"coming from far left",
         {"XLeft=-100000", "XCount=1e9", "YCount=1", "BarCodeSequential=1"},
         4,
         "14",
         edge.arg("999999996", "1000000000")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet(sheetSection(kRedLabels + c.keys), "[Sheet]\nBarcodeData=10\n");
        sheet.generate();
        EXPECT_EQ(cornersOf(sheet.page(), kRed).size(), c.stamps);
        EXPECT_EQ(sheet.dataValue("Sheet", "BarcodeEndNumber"), QLatin1String(c.endNumber));
        EXPECT_EQ(sheet.host.shown(), c.report.isEmpty() ? QStringList() : QStringList{c.report});
    }
}

TEST(LabelSheet, EndPositionBeyondAnyPositionIsAnOverflow)
{
    Sheet sheet(sheetSection(kRedLabels + QStringList{"YSpacing=1e30", "YCount=1e15", "XCount=1", "BarCodeLabelAuto=0",
                                                      "BarCodeLabelWidth=2400", "BarCodeLabelHeight=1200"}),
                "[Sheet]\nBarcodeData=10\n");
    sheet.generate();
    EXPECT_EQ(cornersOf(sheet.page(), kRed).size(), 1);
    const QStringList shown = sheet.host.shown();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.first(), QStringLiteral("6: Overflow\\nSheet | YCount 1E+15 labels of YSpacing + Height 1E+30 "
                                            "end at 1E+45, beyond any position on the page"));
}

// Sizes that would make composing surfaces of gigabytes are refused before
// any surface grows, once per sheet, naming the key and its value.
TEST(LabelSheet, OversizedSurfacesAreRefusedNamingTheKey)
{
    struct Case {
        QStringList keys;
        const char* start;  // of the first report
    };
    for (const Case& c :
         {Case{{"BarCodeSymbol=code39", "BarCodeHeight=9000"},
               "380: Invalid property value\\nSheet | BarCodeHeight 9000 makes a Code 39 symbol of about"},
          Case{{"BarCodeSymbol=code39", "BarCodeHeight=-5"},
               "380: Invalid property value\\nSheet | BarCodeHeight -5: a bar height cannot be negative"},
          Case{{"Width=2000000", "XSpacing=-1999000"},
               "380: Invalid property value\\nSheet | Width 2000000, Height 1200 make a surface of"},
          Case{{"BarCodeLabelAuto=0", "BarCodeLabelWidth=90000", "BarCodeLabelHeight=90000"},
               "380: Invalid property value\\nSheet | BarCodeLabelWidth 90000, BarCodeLabelHeight 90000 make"},
          Case{{"BarCodeLabelAuto=0", "BarCodeObjectWidth=-3"},
               "380: Invalid property value\\nSheet | BarCodeObjectWidth -3, BarCodeObjectHeight 1100: a size "
               "cannot"}}) {
        const QString keys = c.keys.join(' ');
        Sheet sheet(sheetSection(c.keys + QStringList{"BarCodeSequential=1"}));
        sheet.generate();
        const QStringList shown = sheet.host.shown();
        ASSERT_FALSE(shown.isEmpty()) << keys.toStdString();
        EXPECT_TRUE(shown.first().startsWith(QLatin1String(c.start))) << shown.first().toStdString();
        EXPECT_EQ(shown.count(shown.first()), 1) << keys.toStdString() << ": reported once, not once per label";
        EXPECT_LE(qint64(sheet.host.symbol.pixelWidth()) * sheet.host.symbol.pixelHeight(), 1000000);
        EXPECT_LE(qint64(sheet.host.label.pixelWidth()) * sheet.host.label.pixelHeight(), 1000000);
    }
}

TEST(LabelSheet, HugeGridStopsAtTheCanvasEdgeAndSaysSo)
{
    Sheet sheet(sheetSection(kRedLabels + QStringList{"XCount=1000", "YCount=1000", "BarCodeSequential=1"}),
                "[Sheet]\nBarcodeData=10\n");
    sheet.generate();  // ends at once: only the labels on the canvas are composed
    // 600 × 400 pixels hold 4 columns and 5 rows of 160 × 80 pixel labels.
    EXPECT_EQ(cornersOf(sheet.page(), kRed).size(), 20);
    EXPECT_EQ(sheet.dataValue("Sheet", "BarcodeEndNumber"), QStringLiteral("30"));
    EXPECT_EQ(sheet.host.shown(),
              QStringList{QStringLiteral("Barcode Sheet: The barcode sheet reaches the edge of the page: 999980 of "
                                         "its 1000000 labels are not drawn and their numbers are not used.\\nSheet")});
}

// The window's data file access, failing on writes.
class ReadOnlyDataWindow : public LabelSheetWindow {
public:
    Surface& canvas() override { return canvas_; }
    Surface& picBarCodePicObj() override { return symbol_; }
    Surface& picBarCodeLabel() override { return label_; }
    QString ReadDataValue(const QString&, const QString& key) override
    {
        return key == QLatin1String("BarcodeData") ? QStringLiteral("5") : QString();
    }
    void WriteDataValue(const QString&, const QString&, const QString&) override
    {
        throw Error(ErrorNumber::PathFileAccess);
    }
    Dialogs& dialogs() override { return dialogs_; }

    Surface canvas_{3000, 3000}, symbol_{1800, 1100}, label_{2400, 1200};
    HeadlessDialogs dialogs_{true};
};

TEST(LabelSheet, EndNumberThatCannotBeWrittenIsReportedAfterThePageIsDrawn)
{
    ReadOnlyDataWindow window;
    FieldRecord field;
    field.sectionName = QStringLiteral("Sheet");
    field.XLeft = field.YTop = 100;
    field.Width = 1000;
    field.Height = 500;
    field.XCount = field.YCount = 1;
    field.FontName = QStringLiteral("Arial");
    field.FontSize = 8;
    BarcodeSheetParameters& p = sheetParameters(field);
    p.BarCodeSymbol = QStringLiteral("ean13");
    p.BarCodeLabelAuto = 1;
    p.BarCodeBackcolor = p.BarCodeLabelBackcolor = QStringLiteral("0,255,0");
    p.BarCodeLabelscale = p.BarCodeObjectscale = 1;
    window.canvas_.CurrentX(100);
    window.canvas_.CurrentY(100);
    BarcodeLabelComposer composer;
    composer.drawSheet(window, field);
    EXPECT_EQ(countPixels(window.canvas_.retainedImage(), qRgb(0, 255, 0)) > 0, true);
    ASSERT_EQ(window.dialogs_.shown().size(), 1u);
    EXPECT_EQ(window.dialogs_.shown()[0].caption, QStringLiteral("75"));
    EXPECT_EQ(composer.number(), 5);
}

TEST(LabelSheetKeys, BadKeysAreReportedAndKeepTheLastSheetsValue)
{
    Sheet sheet(sheetSection({"BarCodeObjectWidth=1650", "XCount=1", "YCount=1"}) +
                    sheetSection({"-BarCodeObjectWidth", "BarCodeObjectHeight=tall", "BarCodeHeight=12.5", "XCount=1",
                                  "YCount=1"},
                                 "Second") +
                    "[Plain]\nEnabled=1\nXLeft=10\nYTop=10\n",
                "[Sheet]\nBarcodeData=1\n[Second]\nBarcodeData=2\n");
    sheet.generate();
    EXPECT_EQ(sheet.host.shown(), (QStringList{QStringLiteral("13: %1\\nSecond").arg(errorDescription(13)),
                                               QStringLiteral("13: %1\\nSecond").arg(errorDescription(13))}));
    const BarcodeSheetParameters& kept = sheetParameters(sheet.host.driver.record());
    EXPECT_EQ(kept.BarCodeObjectWidth, 1650);
    EXPECT_EQ(kept.BarCodeObjectHeight, 1100);
    EXPECT_EQ(kept.BarCodeHeight, 12) << "integer keys round half to even";
    EXPECT_EQ(kept.BarCodeBackcolor, QStringLiteral("255,255,255"));
}

TEST(LabelSheetKeys, HostWithoutComposingSurfacesPrintsTheDataAndStillReadsTheKeys)
{
    registerBarcodeFieldKinds();
    TestHost host;
    QTemporaryDir dir;
    host.layout =
        writeFile(dir, QStringLiteral("layout.ini"), sheetSection({"BarCodeObjectHeight=tall"}) + kQuietPreview);
    host.data = writeFile(dir, QStringLiteral("data.ini"), "[Sheet]\nData=Hello\nBarcodeData=1\n");
    host.driver.PreviewGenerate();
    EXPECT_EQ(host.shown(), QStringList{QStringLiteral("13: %1\\nSheet").arg(errorDescription(13))});
    EXPECT_EQ(sheetParameters(host.driver.record()).BarCodeSymbol, QStringLiteral("ean13"));
    const QRect ink = inkBounds(host.canvas().retainedImage());
    ASSERT_FALSE(ink.isNull()) << "the data is printed as plain text";
    EXPECT_NEAR(ink.left(), 500 / 15, 2);
    EXPECT_LT(ink.width(), 60) << "one short line of text, no grid of labels";
}

}  // namespace
}  // namespace kwpnd::test
