// Fitting the text of the fixtures fittext500, fittext2000 and fittext8000
// (that many characters, justified, with a shadow) into an A4 canvas in
// twips, against Qt's own justified word wrap of the same text into the same
// area at the size the fitting settles on, drawn twice as the shadow and the
// text are (no search over sizes). The argument is the number of characters.

#include "bench_fixtures.h"
#include "text_fit.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

struct FittedText {
    QString text;
    std::int32_t alignment = 0;
    float margin = 0;
    std::int32_t shadow = 4;
    kwpnd::Colour shadowColour = 0;

    explicit FittedText(std::int64_t characters)
    {
        const QString folder = QStringLiteral("fittext%1").arg(characters);
        const QString layout = bench::fixturePath(folder, QStringLiteral("layout.ini"));
        auto value = [&](const char* key) {
            return bench::fixtureValue(layout, QStringLiteral("Text"), QLatin1String(key));
        };
        text = bench::fixtureValue(bench::fixturePath(folder, QStringLiteral("data.ini")), QStringLiteral("Text"),
                                   QStringLiteral("Data"));
        alignment = value("Align").toInt();
        margin = value("Border").toFloat();
        shadow = value("Shadow").toInt();
        shadowColour = value("Forecolor").toInt();
    }
};

void preparePage(kwpnd::Surface& page)
{
    page.ScaleMode(kwpnd::smTwip);
    page.FontName(QStringLiteral("Arial"));
}

void BM_FitTextA4(benchmark::State& state)
{
    const FittedText fitted(state.range(0));
    if (fitted.text.size() != state.range(0))
        state.SkipWithError("the fixture holds another number of characters");
    kwpnd::Surface page(11906, 16838);
    preparePage(page);
    for (auto _ : state) {
        page.Cls();
        std::int32_t shadow = fitted.shadow;
        benchmark::DoNotOptimize(
            kwpnd::FitText(page, fitted.text, fitted.alignment, fitted.margin, shadow, fitted.shadowColour));
        benchmark::DoNotOptimize(page.Image());  // every line painted
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FitTextA4)->Arg(500)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

void BM_ReferenceQtWordWrap(benchmark::State& state)
{
    const FittedText fitted(state.range(0));
    kwpnd::Surface page(11906, 16838);
    preparePage(page);
    std::int32_t shadow = fitted.shadow;
    if (!kwpnd::FitText(page, fitted.text, fitted.alignment, fitted.margin, shadow, fitted.shadowColour))
        state.SkipWithError("the text does not fit");

    QImage image(page.pixelWidth(), page.pixelHeight(), QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(page.FontSize());
    font.setHintingPreference(QFont::PreferNoHinting);
    const double margin = fitted.margin / 15.0;
    const QRectF area(margin, margin, image.width() - 2 * margin, image.height() - 2 * margin);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::gray);
        p.drawText(area.translated(2, 2), Qt::TextWordWrap | Qt::AlignJustify, fitted.text);
        p.setPen(Qt::black);
        p.drawText(area, Qt::TextWordWrap | Qt::AlignJustify, fitted.text);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReferenceQtWordWrap)->Arg(500)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

}  // namespace
