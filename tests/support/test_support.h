#pragma once
// Helpers shared by the test programs.
#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace kwpnd::test {

// Path of a fixture file in tests/data.
QString dataPath(const QString& name);

// Writes `text` to `dir/name` and returns the full path.
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text);

// Bounding box of the pixels that differ from `background` (empty when none).
QRect inkBounds(const QImage& image, QRgb background = 0xFFFFFFFF);

// Number of pixels whose colour (alpha ignored) is exactly `rgb`.
int countPixels(const QImage& image, QRgb rgb, const QRect& area = {});

// The number of the kwpnd::Error that `call` throws; 0 when it throws none.
int errorOf(const std::function<void()>& call);

}  // namespace kwpnd::test

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
