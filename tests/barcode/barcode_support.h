#pragma once
// Helpers of the barcode tests: the standards' module tables (written out
// independently of the encoders), reading modules back from drawn images, and
// decoding images with zbarimg.

#include <QImage>
#include <QString>
#include <QStringList>

namespace kwpnd::test {

// Module strings ("1" a bar module) as the standards publish them.
QString code39StandardModules(QChar c);                       // 12 modules; empty when not in the table
QString ean13StandardModules(const QString& thirteenDigits);  // 95 modules with guards
QString upcaStandardModules(const QString& twelveDigits);     // 95 modules with guards

// "1" for a dark pixel, "0" for a light one, `count` samples along row y
// from x0, `pitch` pixels apart.
QString sampleRow(const QImage& image, int y, double x0, int count, double pitch);

// The runs of row y from x0 to x1 (exclusive) as module strings, each run
// being round(length / unitPixels) modules of its colour.
QString runModules(const QImage& image, int y, int x0, int x1, double unitPixels);

// What zbarimg reads in the image, enlarged twice (nearest neighbour) as one
// image per process: lines such as "EAN-13:4006381333931". `upca` reports
// UPC-A symbols as such.
QStringList decode(const QImage& image, bool upca = false);

// Whether zbarimg can be run here.
bool haveDecoder();

}  // namespace kwpnd::test
