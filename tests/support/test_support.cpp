#include "support/test_support.h"

#include "kwpnd/error.h"

#include <QDir>
#include <QFile>

namespace kwpnd::test {

QString dataPath(const QString& name) { return QDir(QStringLiteral(KWPND_TEST_DATA)).filePath(name); }

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(path));
    f.write(text);
    return path;
}

QRect inkBounds(const QImage& image, QRgb background)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const QRgb bg = background & 0xFFFFFF;
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((line[x] & 0xFFFFFF) != bg) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int countPixels(const QImage& image, QRgb rgb, const QRect& area)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const QRect r = area.isNull() ? img.rect() : (area & img.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if ((line[x] & 0xFFFFFF) == (rgb & 0xFFFFFF))
                ++n;
    }
    return n;
}

int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace kwpnd::test
