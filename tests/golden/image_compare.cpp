// image_compare EXPECTED ACTUAL [DIFF]: exit 0 when the two images have the
// same size and the same pixels; otherwise says how many pixels differ and
// where, writes DIFF (the differing pixels in red over a faded ACTUAL) when
// given, and exits 1. Exit 2 when an image cannot be read.
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: image_compare EXPECTED ACTUAL [DIFF]\n";
        return 2;
    }
    const QImage expected = QImage(args[1]).convertToFormat(QImage::Format_ARGB32);
    const QImage actual = QImage(args[2]).convertToFormat(QImage::Format_ARGB32);
    for (const auto& [image, path] : {std::pair{&expected, args[1]}, std::pair{&actual, args[2]}})
        if (image->isNull()) {
            err << "cannot read the image " << path << "\n";
            return 2;
        }
    if (expected.size() != actual.size()) {
        err << "size " << actual.width() << "x" << actual.height() << ", expected " << expected.width() << "x"
            << expected.height() << "\n";
        return 1;
    }
    QImage diff(actual.size(), QImage::Format_ARGB32);
    qint64 differing = 0;
    QRect where;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        auto* d = reinterpret_cast<QRgb*>(diff.scanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            if (e[x] != a[x]) {
                ++differing;
                where |= QRect(x, y, 1, 1);
                d[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 192 + qGray(a[x]) / 4;
                d[x] = qRgb(grey, grey, grey);
            }
        }
    }
    if (differing == 0)
        return 0;
    err << differing << " pixels differ, within x " << where.left() << ".." << where.right() << ", y " << where.top()
        << ".." << where.bottom() << "\n";
    if (args.size() > 3)
        diff.save(args[3]);
    return 1;
}
