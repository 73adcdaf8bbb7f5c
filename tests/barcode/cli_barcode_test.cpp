// kwpnd barcode, run as a separate process: the files it writes and what a
// decoder reads in them.

#include "barcode_support.h"
#include "ean13.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace kwpnd::test {
namespace {

struct CliRun {
    int status;
    QString err;
};

CliRun kwpnd(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(KWPND_CLI), QStringList{QStringLiteral("barcode")} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

TEST(BarcodeCommand, WritesSymbolsThatDecode)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    struct Case {
        QStringList args;
        const char* read;
        bool upca;
    };
    const QString ean = QStringLiteral("EAN-13:") + EAN13CheckDigit(QStringLiteral("400638133393"));
    for (const Case& c :
         {Case{{"ean13", "400638133393"}, "", false}, Case{{"code39", "KW-2024"}, "CODE-39:KW-2024", false},
          Case{{"code39", "abc 12", "--height", "30"}, "CODE-39:ABC 12", false},
          Case{{"upc11", "03600029145", "--scale-mode", "3"}, "UPC-A:036000291452", true},
          Case{{"evalbar", "KW-7", "--scale-mode", "3"}, "CODE-39:KW-7", false},
          // The default twip scale: a module of one pixel.
          Case{{"upc11", "03600029145"}, "UPC-A:036000291452", true},
          Case{{"upc11", "12345678901"}, "UPC-A:123456789012", true},
          Case{{"evalbar", "KW-7"}, "CODE-39:KW-7", false}}) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("symbol.png"));
        const CliRun r = kwpnd(c.args + QStringList{QStringLiteral("-o"), out});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QImage image(out);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(decode(image, c.upca), QStringList{*c.read ? QString::fromLatin1(c.read) : ean})
            << c.args.join(' ').toStdString();
    }
}

TEST(BarcodeCommand, SurfaceFitsTheSymbol)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("code39.png"));
    ASSERT_EQ(kwpnd({"code39", "AB", "--height", "100", "-o", png}).status, 0);
    // 140 pixels high, modules of 4 pixels (3.5 rounds to even): 4 × 13 × 4 + 8.
    EXPECT_EQ(QImage(png).size(), QSize(216, 140));

    const QString bmp = dir.filePath(QStringLiteral("ean13.bmp"));
    ASSERT_EQ(kwpnd({"ean13", "123", "-o", bmp}).status, 0);
    QFile f(bmp);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(2) == "BM");
    const QImage image(bmp);
    EXPECT_GE(image.width(), 1545 / 15 + 8);
    EXPECT_GE(image.height(), 840 / 15);
}

TEST(BarcodeCommand, NothingToDrawStillWritesTheEmptySurface)
{
    QTemporaryDir dir;
    for (const char* symbology : {"ean13", "upc11"}) {
        const QString out = dir.filePath(QLatin1String(symbology) + QStringLiteral(".png"));
        const CliRun r = kwpnd({QLatin1String(symbology), "ABC", "-o", out});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(inkBounds(QImage(out)).isNull()) << symbology;
    }
}

TEST(BarcodeCommand, BadArguments)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    for (const QStringList& args :
         {QStringList{"qr", "1", "-o", out}, QStringList{"ean13", "1"},
          QStringList{"ean13", "1", "-o", dir.filePath("x.pdf")},
          QStringList{"ean13", "1", "-o", out, "--scale-mode", "8"},
          QStringList{"code39", "1", "-o", out, "--height", "0"}, QStringList{"ean13", "-o", out}}) {
        const CliRun r = kwpnd(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kwpnd: "))) << r.err.toStdString();
    }
    // Valid arguments, but too tall a surface for the encoder.
    const CliRun tall = kwpnd({"code39", "1", "-o", out, "--height", "20000"});
    EXPECT_EQ(tall.status, 1);
    EXPECT_TRUE(tall.err.contains(QStringLiteral("error 380"))) << tall.err.toStdString();
}

}  // namespace
}  // namespace kwpnd::test
