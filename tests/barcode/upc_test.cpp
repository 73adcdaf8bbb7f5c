// The public UPC-A class: check digits, the element and digit methods, the
// drawn modules against the standard, and what a decoder reads.

#include "barcode_support.h"
#include "kwpnd/barcode_upc.h"
#include "kwpnd/error.h"
#include "kwpnd/surface.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

// A pixel surface: one unit is one pixel, so a module is 15 pixels.
struct PixelSurface : Surface {
    PixelSurface() : Surface(2100 * 15.0, 800 * 15.0) { ScaleMode(smPixel); }
};

struct Drawn {
    std::int16_t check;
    QImage image;
};

Drawn draw(const QString& data, Surface& s)
{
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodePicObj(&s);
    upc.BarCodeData(data);
    const std::int16_t check = upc.DrawBarcode();
    return {check, s.retainedImage()};
}

QString withoutTrailingSpace(QString modules)
{
    while (modules.endsWith(u'0'))
        modules.chop(1);
    return modules;
}

TEST(UPC, CheckDigitAndDataLength)
{
    struct Case {
        const char* data;
        std::int16_t check;
    };
    for (Case c : {Case{"12345678901", 2}, Case{"  12345678901 ", 2}, Case{"03600029145", 2}, Case{"00000000000", 0},
                   Case{"1234567890A", 5}, Case{"1234567890", 0}, Case{"123456789012", 0}, Case{"", 0}}) {
        PixelSurface s;
        EXPECT_EQ(draw(QLatin1String(c.data), s).check, c.check) << c.data;
    }
    for (const char* wrongLength : {"1234567890", "123456789012"}) {
        PixelSurface s;
        EXPECT_TRUE(inkBounds(draw(QLatin1String(wrongLength), s).image).isNull()) << wrongLength;
    }
}

TEST(UPC, DrawsTheStandardModules)
{
    for (const char* data : {"12345678901", "03600029145", "98765432109", "00000000000"}) {
        PixelSurface s;
        const Drawn d = draw(QLatin1String(data), s);
        const QString twelve = QLatin1String(data) + QString::number(d.check);
        EXPECT_EQ(withoutTrailingSpace(runModules(d.image, 400, 250, d.image.width(), 15)), upcaStandardModules(twelve))
            << data;
    }
}

TEST(UPC, BlanksAroundTheDataAndRepeatedCallsDrawTheSameSymbol)
{
    PixelSurface once, twice, padded;
    const QImage reference = draw(QStringLiteral("12345678901"), once).image;
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodePicObj(&twice);
    upc.BarCodeData(QStringLiteral("12345678901"));
    upc.DrawBarcode();
    upc.DrawBarcode();  // x is back at 250
    // The bars cover themselves exactly; the text, drawn twice, is darker at its edges.
    const QRect bars(0, 0, reference.width(), 640);
    EXPECT_EQ(twice.retainedImage().copy(bars), reference.copy(bars));
    EXPECT_EQ(draw(QStringLiteral(" 12345678901  "), padded).image, reference);
}

TEST(UPC, LetterCountsAsZeroAndIsPrinted)
{
    PixelSurface letter, zero;
    const QImage a = draw(QStringLiteral("1234567890A"), letter).image;
    const QImage b = draw(QStringLiteral("12345678900"), zero).image;
    const QRect bars(0, 0, a.width(), 600);
    const QRect text(0, 650, a.width(), a.height() - 650);
    EXPECT_EQ(a.copy(bars), b.copy(bars));
    EXPECT_NE(a.copy(text), b.copy(text));
}

TEST(UPC, ElementsAreFifteenUnitsAModule)
{
    PixelSurface s;
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodePicObj(&s);
    upc.Line2();
    QImage image = s.retainedImage();
    EXPECT_EQ(countPixels(image, qRgb(0, 0, 0), QRect(0, 400, image.width(), 1)), 30);
    EXPECT_LT(qGray(image.pixel(250, 200)), 128);
    EXPECT_LT(qGray(image.pixel(279, 600)), 128);
    EXPECT_EQ(qGray(image.pixel(280, 400)), 255);
    upc.Space1();
    upc.Line1();  // starts 30 + 15 units after 250
    image = s.retainedImage();
    EXPECT_EQ(qGray(image.pixel(294, 400)), 255);
    EXPECT_LT(qGray(image.pixel(295, 400)), 128);
    EXPECT_LT(qGray(image.pixel(309, 400)), 128);
    EXPECT_EQ(qGray(image.pixel(310, 400)), 255);
    EXPECT_EQ(qGray(image.pixel(250, 199)), 255);
}

TEST(UPC, Failures)
{
    clsKWPNDBarcodeUPC11 unset;
    EXPECT_EQ(errorOf([&] { unset.Line1(); }), ErrorNumber::ObjectNotSet);
    unset.BarCodeData(QStringLiteral("12345678901"));
    EXPECT_EQ(errorOf([&] { unset.DrawBarcode(); }), ErrorNumber::ObjectNotSet);

    Surface small(300, 300);
    clsKWPNDBarcodeUPC11 upc;
    upc.BarCodePicObj(&small);
    EXPECT_EQ(errorOf([&] {
                  for (int i = 0; i < 1000; ++i)
                      upc.Line4();
              }),
              ErrorNumber::Overflow);
}

// A host's own steps: DrawBarcode calls them (the guard here), and without
// them the symbol is what the steps draw, errors and x included.
struct HostUPC : clsKWPNDBarcodeUPC11 {
    int guards = 0;
    void ssc() override
    {
        ++guards;
        clsKWPNDBarcodeUPC11::ssc();
    }
};

TEST(UPC, TheWholeSymbolIsWhatItsStepsDraw)
{
    Surface own(2100, 900), steps(2100, 900);
    clsKWPNDBarcodeUPC11 plain;
    HostUPC host;
    plain.BarCodePicObj(&own);
    host.BarCodePicObj(&steps);
    for (clsKWPNDBarcodeUPC11* upc : {&plain, static_cast<clsKWPNDBarcodeUPC11*>(&host)})
        upc->BarCodeData(QStringLiteral("03600029145"));
    EXPECT_EQ(plain.DrawBarcode(), host.DrawBarcode());
    EXPECT_EQ(host.guards, 3);
    EXPECT_EQ(own.retainedImage(), steps.retainedImage());

    // Near the end of the 16-bit range the symbol stops at the element that
    // passes it; x stays at that element's start.
    Surface wideOwn(33000, 900), wideSteps(33000, 900);
    plain.BarCodePicObj(&wideOwn);
    host.BarCodePicObj(&wideSteps);
    for (clsKWPNDBarcodeUPC11* upc : {&plain, static_cast<clsKWPNDBarcodeUPC11*>(&host)}) {
        for (int i = 0; i < 530; ++i)
            upc->Space4();  // x at 250 + 530 · 60 = 32050
        EXPECT_EQ(errorOf([&] { upc->DrawBarcode(); }), ErrorNumber::Overflow);
        // The next step starts there too, and overflows again.
        EXPECT_EQ(errorOf([&] { upc->Line4(); }), ErrorNumber::Overflow);
    }
    EXPECT_EQ(wideOwn.retainedImage(), wideSteps.retainedImage());
    EXPECT_GT(countPixels(wideOwn.retainedImage(), qRgb(0, 0, 0)), 0);

    // A scale under which x passes the device's coordinates part of the
    // way: the symbol stops at the element that has no pixel.
    Surface farOwn(2100, 900), farSteps(2100, 900);
    clsKWPNDBarcodeUPC11 farPlain;
    HostUPC farHost;
    farPlain.BarCodePicObj(&farOwn);
    farHost.BarCodePicObj(&farSteps);
    for (clsKWPNDBarcodeUPC11* upc : {&farPlain, static_cast<clsKWPNDBarcodeUPC11*>(&farHost)}) {
        Surface& s = *upc->BarCodePicObj();
        upc->BarCodeData(QStringLiteral("03600029145"));
        s.ScaleWidth(float(s.pixelWidth()) / 2e6f);
        s.ScaleHeight(float(s.ScaleHeight()));
        EXPECT_EQ(errorOf([&] { upc->DrawBarcode(); }), ErrorNumber::Overflow);
        s.ScaleMode(smTwip);
        upc->Line4();
    }
    EXPECT_EQ(farOwn.retainedImage(), farSteps.retainedImage());
}

TEST(UPC, DecoderReadsThePixelScaleSymbol)
{
    if (!haveDecoder())
        GTEST_SKIP() << "zbarimg is not installed";
    for (const char* data : {"12345678901", "03600029145"}) {
        PixelSurface s;
        const Drawn d = draw(QLatin1String(data), s);
        EXPECT_EQ(decode(d.image, true),
                  QStringList{QStringLiteral("UPC-A:") + QLatin1String(data) + QString::number(d.check)})
            << data;
    }
}

// At a twip scale a module is one pixel: the 95 modules lie on 95 pixel
// columns from 250 / 15, each exactly as the standard draws it, and a decoder
// reads the symbol.
TEST(UPC, AtTwipScaleEveryModuleIsOnePixel)
{
    for (const char* data : {"12345678901", "03600029145", "98765432109"}) {
        Surface s(2100, 900);
        const Drawn d = draw(QLatin1String(data), s);
        const QString twelve = QLatin1String(data) + QString::number(d.check);
        EXPECT_EQ(sampleRow(d.image, 400 / 15, 17, 95, 1), upcaStandardModules(twelve)) << data;
        EXPECT_TRUE(inkBounds(d.image.copy(17 + 95, 0, 20, 600 / 15)).isNull()) << data << ": nothing after the guard";
        if (haveDecoder())
            EXPECT_EQ(decode(d.image, true), QStringList{QStringLiteral("UPC-A:") + twelve}) << data;
    }
}

}  // namespace
}  // namespace kwpnd::test
