// The picture and shape kinds, generated end to end: what lands on which
// pixels, and what is reported.

#include "picture_fields.h"
#include "support/test_support.h"
#include "test_host.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QTableWidget>

namespace kwpnd::test {
namespace {

const QByteArray kQuietPreview = "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n";

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRed = 0xFF0000;   // colour number 255
constexpr QRgb kBlue = 0x0000FF;  // colour number 16711680

// A 400 × 300 pixel page in a user scale of 40 × 30 units: one unit is ten
// pixels, so (1, 1) is pixel (10, 10).
struct Page {
    QTemporaryDir dir;
    TestHost host;
    Page()
    {
        host.canvas().ScaleWidth(40);
        host.canvas().ScaleHeight(30);
    }
    // Generates the layout `sections` with the data file `data`.
    QImage run(const QByteArray& sections, const QByteArray& data = {})
    {
        host.layout = writeFile(dir, QStringLiteral("layout.ini"), sections + kQuietPreview);
        host.data = writeFile(dir, QStringLiteral("data.ini"), data);
        host.driver.PreviewGenerate();
        return host.canvas().retainedImage().convertToFormat(QImage::Format_RGB32);
    }
    // A picture file of one colour.
    QString solidPicture(const QString& name, QSize size, QRgb rgb)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(rgb);
        const QString path = dir.filePath(name);
        image.save(path, "PNG");
        return path;
    }
};

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(ShapeFields, LineInUserUnitsLandsOnItsPixels)
{
    Page page;
    const QImage image = page.run("[F]\nEnabled=1\nType=Line\nXLeft=1\nYTop=1\nWidth=5\nHeight=1\nForecolor=255\n");
    EXPECT_TRUE(page.host.shown().isEmpty());
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 10), QPoint(50, 10)));
    EXPECT_GE(countPixels(image, kRed, QRect(10, 10, 41, 1)), 40);
}

TEST(ShapeFields, BFLettersChooseOutlineFilledOrLine)
{
    // A shape from (1, 1) to (5, 4): pixels (10, 10) to (50, 40).
    struct Case {
        const char* bf;
        bool topRight;  // corner of a box, off the diagonal
        bool interior;  // inside the box, off the diagonal
        bool diagonal;  // on the straight line
    };
    const Case cases[] = {
        {"BF", true, false, false}, {"B", true, false, false}, {"F", true, true, true},
        {"bf", false, false, true}, {"", false, false, true},
    };
    for (const Case& c : cases) {
        Page page;
        const QImage image = page.run(
            "[F]\nEnabled=1\nType=Line\nXLeft=1\nYTop=1\nWidth=5\nHeight=4\nForecolor=255\n"
            "BF=" +
            QByteArray(c.bf) + "\n");
        EXPECT_EQ(at(image, 50, 10) == kRed, c.topRight) << c.bf;
        EXPECT_EQ(at(image, 18, 35) == kRed, c.interior) << c.bf;
        EXPECT_EQ(at(image, 30, 25) == kRed, c.diagonal) << c.bf;
        EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 10), QPoint(50, 40))) << c.bf;
    }
}

TEST(ShapeFields, CircleRadiusAndColour)
{
    for (const char* bf : {"", "B"}) {
        Page page;
        const QImage image = page.run(
            "[F]\nEnabled=1\nType=Circle\nXLeft=20\nYTop=15\nWidth=5\nForecolor=16711680\nBF=" + QByteArray(bf) + "\n");
        const QRect ink = inkBounds(image);
        EXPECT_NEAR(ink.left(), 150, 1) << bf;
        EXPECT_NEAR(ink.right(), 250, 1) << bf;
        EXPECT_NEAR(ink.top(), 100, 1) << bf;
        EXPECT_NEAR(ink.bottom(), 200, 1) << bf;
        EXPECT_EQ(at(image, 200, 150), kWhite) << bf;
        EXPECT_EQ(at(image, 150, 150), kBlue) << bf;
        EXPECT_EQ(at(image, 200, 100), kBlue) << bf;
        EXPECT_TRUE(page.host.shown().isEmpty());
    }
}

TEST(ShapeFields, HugeShapesNeitherHangNorFail)
{
    Page page;
    // A pen 10000 pixels wide covers the whole page; a circle of radius 1e9
    // units (1e10 pixels) has no device size: that field alone reports it.
    const QImage wide = page.run(
        "[F]\nEnabled=1\nType=Line\nXLeft=1\nYTop=1\nWidth=5\nHeight=1\nDrawWidth=10000\n"
        "Forecolor=255\n[G]\nEnabled=1\nType=Circle\nXLeft=20\nYTop=15\nWidth=1e9\n"
        "DrawWidth=10000\nForecolor=16711680\n");
    EXPECT_EQ(page.host.shown(),
              QStringList{QStringLiteral("6: Overflow\\nG | 1000000000 is beyond the range of device coordinates")});
    EXPECT_EQ(countPixels(wide, kRed), 400 * 300);

    Page circle;
    const QImage big = circle.run(
        "[G]\nEnabled=1\nType=Circle\nXLeft=20\nYTop=15\nWidth=100000\nDrawWidth=10000\n"
        "Forecolor=16711680\n");
    EXPECT_TRUE(circle.host.shown().isEmpty());
    EXPECT_TRUE(inkBounds(big).isNull());
}

TEST(PictureFields, StretchedNaturalAndZeroHeight)
{
    struct Case {
        const char* size;
        QRect ink;  // where the 24 × 16 logo lands, placed at (1, 1)
    };
    const Case cases[] = {
        {"", QRect(10, 10, 24, 16)},
        {"Width=5\nHeight=2\n", QRect(10, 10, 50, 20)},
        {"Width=5\nHeight=0\n", QRect()},  // a destination height of 0 draws nothing
    };
    for (const Case& c : cases) {
        Page page;
        const QImage image = page.run("[F]\nEnabled=1\nType=PicFromFile\nXLeft=1\nYTop=1\n" + QByteArray(c.size),
                                      "[F]\nData=" + dataPath(QStringLiteral("pictures_logo.png")).toUtf8() + "\n");
        EXPECT_TRUE(page.host.shown().isEmpty()) << c.size << page.host.shown().join('\n').toStdString();
        EXPECT_EQ(inkBounds(image), c.ink) << c.size;
    }
}

TEST(PictureFields, ComponentPictures)
{
    Page page;
    const Picture logo = LoadPicture(dataPath(QStringLiteral("pictures_logo.png")));
    // Logo keeps its natural size whatever Width and Height say.
    page.host.componentPictures[QStringLiteral("Logo")] = logo;
    page.host.componentPictures[QStringLiteral("Picture3")] = logo;
    const QImage image = page.run(
        "[L]\nEnabled=1\nType=Logo\nXLeft=1\nYTop=1\nWidth=10\nHeight=10\n"
        "[P]\nEnabled=1\nType=Picture3\nXLeft=20\nYTop=1\nWidth=10\nHeight=5\n");
    EXPECT_TRUE(page.host.shown().isEmpty());
    EXPECT_EQ(inkBounds(image.copy(0, 0, 190, 300)), QRect(10, 10, 24, 16));
    EXPECT_EQ(inkBounds(image.copy(190, 0, 210, 300)), QRect(10, 10, 100, 50));
}

TEST(PictureFields, UnsetComponentPicturesDrawAndReportNothing)
{
    Page page;
    // Logo draws nothing while unset, even when Picture1 is set.
    page.host.componentPictures[QStringLiteral("Picture1")] =
        LoadPicture(dataPath(QStringLiteral("pictures_logo.png")));
    const QImage image = page.run(
        "[A]\nEnabled=1\nType=Picture2\nXLeft=1\nYTop=1\n"
        "[B]\nEnabled=1\nType=Logo\nXLeft=5\nYTop=5\nRasterOp=&HCC0020\n");
    EXPECT_TRUE(page.host.shown().isEmpty());
    EXPECT_TRUE(inkBounds(image).isNull());
}

TEST(PictureFields, Picture1CombinesByItsRasterOp)
{
    // Source 0xF00F55 painted half over a box of 0x3CC3AA and half over white.
    constexpr QRgb source = 0xF00F55, box = 0x3CC3AA;
    struct Case {
        const char* rasterOp;
        QRgb overBox, overWhite;
    };
    const Case cases[] = {
        {"&H8800C6", source & box, source},                    // SRCAND
        {"&HEE0086", source | box, kWhite},                    // SRCPAINT
        {"&H660046", source ^ box, source ^ kWhite},           // SRCINVERT
        {"&H330008", ~source & 0xFFFFFF, ~source & 0xFFFFFF},  // NOTSRCCOPY
        {"&HCC0020", source, source},                          // SRCCOPY
        {"0", 0x000000, 0x000000},                             // the kept value when no field set one: all bits cleared
    };
    for (const Case& c : cases) {
        Page page;
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(source);
        page.host.componentPictures[QStringLiteral("Picture1")] = Picture(picture);
        // The box's colour as a colour number: red + 256·green + 65536·blue.
        const QByteArray boxColour = QByteArray::number(0xAAC33C);
        const QImage image =
            page.run("[Box]\nEnabled=1\nType=Line\nBF=F\nXLeft=1\nYTop=1\nWidth=2\nHeight=3\nForecolor=" + boxColour +
                     "\n[P]\nEnabled=1\nType=Picture1\nXLeft=1\nYTop=1\nRasterOp=" + QByteArray(c.rasterOp) + "\n");
        EXPECT_TRUE(page.host.shown().isEmpty()) << c.rasterOp;
        EXPECT_EQ(at(image, 15, 15), c.overBox) << c.rasterOp;
        EXPECT_EQ(at(image, 25, 15), c.overWhite) << c.rasterOp;
        EXPECT_EQ(at(image, 35, 15), kWhite) << c.rasterOp;  // beyond the picture
    }
}

TEST(PictureFields, RasterOpIsKeptFromAnEarlierField)
{
    Page page;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(0x00FF00);
    page.host.componentPictures[QStringLiteral("Picture1")] = Picture(picture);
    // The first field sets SRCINVERT; the second, without RasterOp, uses it too.
    const QImage image = page.run(
        "[A]\nEnabled=1\nType=Picture1\nXLeft=1\nYTop=1\nRasterOp=&H660046\n"
        "[B]\nEnabled=1\nType=Picture1\nXLeft=5\nYTop=1\n");
    EXPECT_EQ(at(image, 15, 15), 0xFF00FFu);
    EXPECT_EQ(at(image, 55, 15), 0xFF00FFu);
}

TEST(PictureFields, LabelsPaintSixCellsAtTheirColumns)
{
    Page page;
    const QString file = page.solidPicture(QStringLiteral("cell.png"), QSize(3, 3), kRed);
    // Cells of 4 × 2 units, 1 unit apart across and down, from (1, 1).
    const QImage image = page.run(
        "[F]\nEnabled=1\nType=Labels\nXLeft=1\nYTop=1\nXCount=3\nYCount=2\nWidth=4\n"
        "XSpacing=1\nHeight=2\nYSpacing=1\n",
        "[F]\nData=" + file.toUtf8() + "\n");
    EXPECT_TRUE(page.host.shown().isEmpty());
    EXPECT_EQ(countPixels(image, kRed), 6 * 40 * 20);
    for (int column : {10, 60, 110})
        for (int row : {10, 40})
            EXPECT_EQ(countPixels(image, kRed, QRect(column, row, 40, 20)), 40 * 20) << column << "," << row;
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 10), QPoint(149, 59)));
}

TEST(PictureFields, LabelsCountsAreCutToWholeCells)
{
    struct Case {
        const char* counts;
        int cells;
    };
    const Case cases[] = {
        {"XCount=2.5\nYCount=1\n", 2}, {"XCount=3\nYCount=0.9\n", 0}, {"XCount=0\nYCount=4\n", 0},
        {"XCount=-2\nYCount=2\n", 0},  {"XCount=1\nYCount=1.9\n", 1},
    };
    for (const Case& c : cases) {
        Page page;
        const QString file = page.solidPicture(QStringLiteral("cell.png"), QSize(2, 2), kRed);
        const QImage image = page.run(
            "[F]\nEnabled=1\nType=Labels\nXLeft=1\nYTop=1\nWidth=2\nHeight=2\nXSpacing=1\n"
            "YSpacing=1\n" +
                QByteArray(c.counts),
            "[F]\nData=" + file.toUtf8() + "\n");
        EXPECT_EQ(countPixels(image, kRed), c.cells * 20 * 20) << c.counts;
    }
}

TEST(PictureFields, HugeLabelsGridsStopAtTheCanvas)
{
    struct Case {
        const char* keys;
        bool capped;  // reports that it stopped after the largest number of cells
    };
    const Case cases[] = {
        // Steps right and down: only the cells on the page are painted.
        {"XLeft=1\nYTop=1\nXCount=1e9\nYCount=1e9\nWidth=4\nXSpacing=1\nHeight=2\nYSpacing=1\n", false},
        // Starts a million units to the left and walks in.
        {"XLeft=-1000000\nYTop=1\nXCount=1e9\nYCount=1\nWidth=4\nXSpacing=1\nHeight=2\n", false},
        // Steps to the left.
        {"XLeft=30\nYTop=1\nXCount=1e9\nYCount=1\nWidth=4\nXSpacing=-9\nHeight=2\n", false},
        // No step at all: every cell on the first one.
        {"XLeft=1\nYTop=1\nXCount=1e9\nYCount=1\n", true},
    };
    for (const Case& c : cases) {
        Page page;
        const QString file = page.solidPicture(QStringLiteral("cell.png"), QSize(2, 2), kRed);
        const QImage image =
            page.run("[F]\nEnabled=1\nType=Labels\n" + QByteArray(c.keys), "[F]\nData=" + file.toUtf8() + "\n");
        EXPECT_GT(countPixels(image, kRed), 0) << c.keys;
        if (c.capped)
            EXPECT_EQ(page.host.shown(),
                      QStringList{QStringLiteral("6: Overflow\\nF | a Labels grid paints at most 100000 pictures; "
                                                 "the cells after that were left out")});
        else
            EXPECT_TRUE(page.host.shown().isEmpty()) << c.keys;
    }
    // Every cell the page shows is painted: the whole page is red.
    Page full;
    const QString file = full.solidPicture(QStringLiteral("cell.png"), QSize(2, 2), kRed);
    const QImage image = full.run(
        "[F]\nEnabled=1\nType=Labels\nXLeft=0.5\nYTop=0.5\nXCount=1e9\nYCount=1e9\n"
        "Width=2\nHeight=2\n",
        "[F]\nData=" + file.toUtf8() + "\n");
    EXPECT_EQ(countPixels(image, kRed, QRect(5, 5, 395, 295)), 395 * 295);
}

TEST(PictureFields, CellsOnCanvas)
{
    // 10-pixel cells every 20 pixels from 0 on a 100-pixel canvas: cells 0..4
    // show (one more at each end is allowed).
    const CellRun right = cellsOnCanvas(0, 20, 10, 1000000000, 100);
    EXPECT_LE(right.first, 0);
    EXPECT_GE(right.first + right.count, 5);
    EXPECT_LE(right.count, 7);
    const CellRun left = cellsOnCanvas(95, -20, 10, 1000000000, 100);
    EXPECT_EQ(left.first, 0);
    EXPECT_LE(left.count, 7);
    const CellRun walkIn = cellsOnCanvas(-1e9, 20, 10, 1000000000000, 100);
    EXPECT_NEAR(static_cast<double>(walkIn.first), 5e7, 2);
    EXPECT_LE(walkIn.count, 8);
    EXPECT_EQ(cellsOnCanvas(200, 20, 10, 100, 100).count, 0);
    EXPECT_EQ(cellsOnCanvas(50, 0, 10, 7, 100).count, 7);
    EXPECT_EQ(cellsOnCanvas(500, 0, 10, 7, 100).count, 0);
    EXPECT_EQ(cellsOnCanvas(0, 20, 10, 0, 100).count, 0);
}

TEST(PictureFields, RegisteredPictures)
{
    Page page;
    QImage red(5, 4, QImage::Format_RGB32);
    red.fill(kRed);
    page.host.pictures.Add(QVariant::fromValue(Picture(red)), QStringLiteral("Seal"));
    const QImage image = page.run("[F]\nEnabled=1\nType=PicFromPictures\nXLeft=2\nYTop=3\n", "[F]\nData=seal\n");
    EXPECT_TRUE(page.host.shown().isEmpty());
    EXPECT_EQ(inkBounds(image), QRect(20, 30, 5, 4));
}

// A failed look-up is reported once, and its field paints nothing: not the
// picture an earlier field painted, and no second report for the paint.
TEST(PictureFields, FailedLookUpsReportOnceAndPaintNothing)
{
    struct Case {
        const char* type;
        QString data;
        QString report;
    };
    const QString missing = QStringLiteral("/nonexistent/picture.png");
    const Case cases[] = {
        {"PicFromFile", missing, QStringLiteral("53: File not found\\nF")},
        {"PicFromFile", dataPath(QStringLiteral("pictures_not_a_picture.png")),
         QStringLiteral("481: Invalid picture\\nF")},
        {"PicFromFile", dataPath(QStringLiteral("pictures_empty.png")), QStringLiteral("481: Invalid picture\\nF")},
        {"PicFromFile", dataPath(QStringLiteral("pictures_truncated.png")), QStringLiteral("481: Invalid picture\\nF")},
        {"PicFromFile", dataPath(QStringLiteral("pictures_huge.png")),
         QStringLiteral("481: Invalid picture\\nF | the image is 20000 × 20000 pixels, more than the 67108864 "
                        "pixels a picture may have")},
        {"PicFromFile", QString(),
         QStringLiteral("91: Object variable or With block variable not set\\nF | no picture file is named (the "
                        "key Data of section [F] in the data file is empty)")},
        {"Labels", QString(),
         QStringLiteral("91: Object variable or With block variable not set\\nF | no picture file is named (the "
                        "key Data of section [F] in the data file is empty)")},
        {"Labels", missing, QStringLiteral("53: File not found\\nF")},
        {"PicFromPictures", QStringLiteral("nobody"), QStringLiteral("5: Invalid procedure call or argument\\nF")},
        {"GridFromFlexGrids", QStringLiteral("nobody"), QStringLiteral("5: Invalid procedure call or argument\\nF")},
        {"LVFromListviews", QStringLiteral("nobody"), QStringLiteral("5: Invalid procedure call or argument\\nF")},
        {"WBFromWebbrowsers", QStringLiteral("nobody"), QStringLiteral("5: Invalid procedure call or argument\\nF")},
    };
    for (const Case& c : cases) {
        Page page;
        const QByteArray logo = dataPath(QStringLiteral("pictures_logo.png")).toUtf8();
        const QImage image = page.run("[Good]\nEnabled=1\nType=PicFromFile\nXLeft=1\nYTop=1\n[F]\nEnabled=1\nType=" +
                                          QByteArray(c.type) + "\nXLeft=20\nYTop=15\nXCount=2\nYCount=2\n",
                                      "[Good]\nData=" + logo + "\n[F]\nData=" + c.data.toUtf8() + "\n");
        EXPECT_EQ(page.host.shown(), QStringList{c.report}) << c.type << " " << c.data.toStdString();
        EXPECT_EQ(inkBounds(image), QRect(10, 10, 24, 16)) << c.type << " " << c.data.toStdString();
    }
}

TEST(PictureFields, NegativeSizesAreReported)
{
    Page page;
    const QImage image = page.run("[F]\nEnabled=1\nType=PicFromFile\nXLeft=1\nYTop=1\nWidth=-5\nHeight=2\n",
                                  "[F]\nData=" + dataPath(QStringLiteral("pictures_logo.png")).toUtf8() + "\n");
    EXPECT_EQ(page.host.shown(),
              QStringList{QStringLiteral("5: Invalid procedure call or argument\\nF | a picture's Width and Height "
                                         "must not be negative (Width -5, Height 2)")});
    EXPECT_TRUE(inkBounds(image).isNull());
}

TEST(CapturedControls, TableWidgetAppearsWhereTheFieldIs)
{
    Page page;
    QTableWidget table(3, 2);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            table.setItem(row, column, new QTableWidgetItem(QStringLiteral("Item %1%2").arg(row).arg(column)));
    table.resize(220, 120);
    page.host.controls.Add(QVariant::fromValue(static_cast<QObject*>(&table)), QStringLiteral("Orders"));

    const QImage image = page.run("[F]\nEnabled=1\nType=GridFromFlexGrids\nXLeft=10\nYTop=5\n", "[F]\nData=Orders\n");
    EXPECT_TRUE(page.host.shown().isEmpty()) << page.host.shown().join('\n').toStdString();
    // The page holds the widget as it looks, at (100, 50), and nothing else.
    const QImage expected = table.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.copy(100, 50, 220, 120), expected);
    EXPECT_TRUE(QRect(100, 50, 220, 120).contains(inkBounds(image)));
    // The cell texts' ink: dark pixels inside the first cell.
    const QRect firstCell = table.visualItemRect(table.item(0, 0))
                                .translated(table.viewport()->mapTo(&table, QPoint(0, 0)))
                                .translated(100, 50);
    int dark = 0;
    for (int y = firstCell.top(); y <= firstCell.bottom(); ++y)
        for (int x = firstCell.left(); x <= firstCell.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20);
}

TEST(CapturedControls, ListAndStretchedCapture)
{
    Page page;
    QListWidget list;
    list.addItems({QStringLiteral("alpha"), QStringLiteral("beta")});
    list.resize(100, 60);
    page.host.controls.Add(QVariant::fromValue(static_cast<QObject*>(&list)), QStringLiteral("Names"));
    const QImage image =
        page.run("[F]\nEnabled=1\nType=LVFromListviews\nXLeft=1\nYTop=1\nWidth=20\nHeight=12\n", "[F]\nData=Names\n");
    EXPECT_TRUE(page.host.shown().isEmpty());
    EXPECT_TRUE(QRect(10, 10, 200, 120).contains(inkBounds(image)));
    EXPECT_GT(inkBounds(image).width(), 150);
}

TEST(CapturedControls, ControlWithoutAWindowIsReported)
{
    struct Case {
        QVariant hwnd;
        QString report;
    };
    const Case cases[] = {
        {QVariant(), QStringLiteral("438: Object doesn't support this property or method\\nF")},
        {QVariant(qint64(987654321)),
         QStringLiteral(
             "5: Invalid procedure call or argument\\nF | no window of this program has the handle 987654321")},
    };
    for (const Case& c : cases) {
        Page page;
        QObject control;
        if (c.hwnd.isValid())
            control.setProperty("hwnd", c.hwnd);
        page.host.controls.Add(QVariant::fromValue(&control), QStringLiteral("Web"));
        const QImage image = page.run("[F]\nEnabled=1\nType=WBFromWebbrowsers\nXLeft=1\nYTop=1\n", "[F]\nData=Web\n");
        EXPECT_EQ(page.host.shown(), QStringList{c.report});
        EXPECT_TRUE(inkBounds(image).isNull());
    }
}

}  // namespace
}  // namespace kwpnd::test
