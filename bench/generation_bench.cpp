// Generating a page of text fields (the fixtures page50, page125 and page253:
// that many fields plus the two option sections), against a bare QPainter
// drawing the same texts with the same fonts at the same places on a QImage.
// The argument of each row is the number of fields; compare rows of the same
// argument for the ratio, and rows of one kind for how the walk grows.

#include "bench_fixtures.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/preview.h"
#include "preview_window.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

namespace {

QString pageFolder(const benchmark::State& state) { return QStringLiteral("page%1").arg(state.range(0)); }

void BM_GeneratePage(benchmark::State& state)
{
    const QString folder = pageFolder(state);
    kwpnd::Dialogs::setCurrent(std::make_shared<kwpnd::HeadlessDialogs>(true));
    auto preview = kwpnd::clsKWPNDPreviewA::create();
    preview->SettingFile(bench::fixturePath(folder, QStringLiteral("layout.ini")));
    preview->DataFile(bench::fixturePath(folder, QStringLiteral("data.ini")));
    preview->PreviewGenerate(true);
    preview->GenerateOnLoad(false);
    preview->AfterGenerateActions(false);
    preview->InitialiseForm();
    for (auto _ : state) {
        preview->Clear();
        preview->Generate();
        benchmark::DoNotOptimize(windowOf(*preview).CerPrvC().retainedImage().constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GeneratePage)->Arg(50)->Arg(125)->Arg(253)->Unit(benchmark::kMillisecond);

// What the reference draws: each field's text at its top-left pixel.
struct PlacedText {
    QString text;
    QFont font;
    QPointF baseline;
};

// The fields of a fixture page placed as the canvas places them: the page's
// default user scale of 22 x 31 units over its window size in twips (15 per
// pixel), the top-left of each text cell on a whole pixel.
std::vector<PlacedText> placeFields(const QString& folder, QSize& pagePixels)
{
    const QString layout = bench::fixturePath(folder, QStringLiteral("layout.ini"));
    const QString data = bench::fixturePath(folder, QStringLiteral("data.ini"));
    auto number = [&](const QString& section, const char* key) {
        return bench::fixtureValue(layout, section, QLatin1String(key)).toDouble();
    };
    const QString window = QStringLiteral("PreviewWindow");
    pagePixels = QSize(int(std::floor(number(window, "Width") / 15 + 0.5)),
                       int(std::floor(number(window, "Height") / 15 + 0.5)));
    const double perUnitX = pagePixels.width() / 22.0, perUnitY = pagePixels.height() / 31.0;

    std::vector<PlacedText> placed;
    for (const QString& section : bench::fixtureSections(layout)) {
        if (number(section, "Enabled") != 1)
            continue;
        QFont font(bench::fixtureValue(layout, section, QStringLiteral("FontName")));
        font.setPointSizeF(number(section, "FontSize"));
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(QFont::NoSubpixelAntialias);
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(3780);
        probe.setDotsPerMeterY(3780);
        const double ascent = QFontMetricsF(font, &probe).ascent();
        const QPointF topLeft(std::floor(number(section, "XLeft") * perUnitX + 0.5),
                              std::floor(number(section, "YTop") * perUnitY + 0.5));
        placed.push_back(
            {bench::fixtureValue(data, section, QStringLiteral("Data")), font, topLeft + QPointF(0, ascent)});
    }
    return placed;
}

void BM_ReferenceBareQPainter(benchmark::State& state)
{
    QSize pagePixels;
    const std::vector<PlacedText> fields = placeFields(pageFolder(state), pagePixels);
    if (fields.size() != std::size_t(state.range(0)))
        state.SkipWithError("the fixture page holds another number of fields");
    QImage image(pagePixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setPen(Qt::black);
        for (const PlacedText& field : fields) {
            p.setFont(field.font);
            p.drawText(field.baseline, field.text);
        }
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReferenceBareQPainter)->Arg(50)->Arg(125)->Arg(253)->Unit(benchmark::kMillisecond);

}  // namespace
