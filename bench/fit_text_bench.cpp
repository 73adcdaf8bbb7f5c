// Fitting a 2,000-character text into an A4 canvas.

#include "text_fit.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

void BM_FitTextA4(benchmark::State& state)
{
    kwpnd::Surface page(11906, 16838);
    page.ScaleMode(kwpnd::smTwip);
    page.FontName(QStringLiteral("Arial"));
    QString text;
    while (text.size() < 2000)
        text += QStringLiteral("Layouts are fitted word by word, and every size is tried in turn. ");
    text.truncate(2000);
    for (auto _ : state) {
        page.Cls();
        std::int32_t shadow = 8;
        benchmark::DoNotOptimize(kwpnd::FitText(page, text, 3, 600, shadow, 0x808080));
    }
}
BENCHMARK(BM_FitTextA4)->Unit(benchmark::kMillisecond);

// Reference: Qt's own word wrap of the same text into the same area, once,
// at the size the fitting settles on (no search over sizes).
void BM_ReferenceQtWordWrap(benchmark::State& state)
{
    QImage image(794, 1123, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QString text;
    while (text.size() < 2000)
        text += QStringLiteral("Layouts are fitted word by word, and every size is tried in turn. ");
    text.truncate(2000);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(state.range(0));
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.drawText(QRectF(40, 40, 714, 1043), Qt::TextWordWrap | Qt::AlignJustify, text);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReferenceQtWordWrap)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
