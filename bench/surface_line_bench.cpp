// 5,000 barcode-like Line calls (vertical segments one unit apart) on a
// surface, against the same segments drawn with a bare QPainter on a QImage.
// The ratio of the two is the surface's overhead per call: mapping, the pen
// cache and the recording.

#include "kwpnd/surface.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

constexpr int kLines = 5000;
constexpr int kWidth = 1000;
constexpr int kHeight = 100;

void BM_SurfaceLines(benchmark::State& state)
{
    kwpnd::Surface surface(kWidth * 15.0, kHeight * 15.0);
    surface.ScaleMode(kwpnd::smPixel);
    for (auto _ : state) {
        surface.Cls();
        for (int i = 0; i < kLines; ++i) {
            const float x = float(i % kWidth);
            surface.Line(x, 20, x, 80, (i & 1) ? 0 : 0xFFFFFF);
        }
        benchmark::DoNotOptimize(surface.CurrentX());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_SurfaceLines)->Unit(benchmark::kMicrosecond);

// Reference: the same segments straight on a raster.
void BM_ReferenceQPainterLines(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const QPen black(Qt::black, 1, Qt::SolidLine, Qt::SquareCap);
    const QPen white(Qt::white, 1, Qt::SolidLine, Qt::SquareCap);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (int i = 0; i < kLines; ++i) {
            const qreal x = i % kWidth;
            painter.setPen((i & 1) ? black : white);
            painter.drawLine(QLineF(x, 20, x, 80));
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ReferenceQPainterLines)->Unit(benchmark::kMicrosecond);

}  // namespace
