// The design aids at the page limit (the fixture page253: 253 text fields
// and the two option sections). A pointer move over the canvas (readout,
// marker, and the look-up of every section's origin in the layout file)
// against the bare look-up pass the move makes (enumerate, XLeft and YTop of
// each section); and an adjuster nudge (Shift+Right: the write, the page
// generated again with 253 adjusters, the focus back) against generating the
// same page with its adjusters and no write.

#include "bench_fixtures.h"
#include "design_aids.h"
#include "design_api.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/preview.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// A component over a copy of page253 (the nudges write into its layout).
struct Page253 {
    Page253(bool adjusters)
    {
        kwpnd::registerDesignAids();
        kwpnd::Dialogs::setCurrent(std::make_shared<kwpnd::HeadlessDialogs>(true));
        for (const char* file : {"layout.ini", "data.ini"})
            QFile::copy(bench::fixturePath(QStringLiteral("page253"), QLatin1String(file)),
                        dir.filePath(QLatin1String(file)));
        preview = kwpnd::clsKWPNDPreviewA::create();
        preview->SettingFile(dir.filePath(QStringLiteral("layout.ini")));
        preview->DataFile(dir.filePath(QStringLiteral("data.ini")));
        preview->PreviewGenerate(true);
        preview->Adjusters(adjusters);
        preview->AfterGenerateActions(false);
        preview->InitialiseForm();
    }
    kwpnd::frmKWPNDPreviewA& window() { return windowOf(*preview); }
    kwpnd::DesignAids& aids() { return *kwpnd::designAidsOf(window()); }

    QTemporaryDir dir;
    std::shared_ptr<kwpnd::clsKWPNDPreviewA> preview;
};

void BM_PointerMove(benchmark::State& state)
{
    Page253 page(false);
    kwpnd::FieldSearch& search = page.aids().fieldSearch();
    float x = 0;
    for (auto _ : state) {
        search.CerPrvC_MouseMove(x, 3.5f);
        x = x < 20 ? x + 0.7f : 0;
    }
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

void BM_PointerLookupPassReference(benchmark::State& state)
{
    Page253 page(false);
    kwpnd::IniFileHandler ini;
    const QString layout = page.window().CerPrvC().Tag();
    for (auto _ : state) {
        const kwpnd::IniLookupPass pass;
        ini.Path(layout);
        QStringList names;
        std::int32_t count = 0;
        ini.EnumerateAllSections(names, count);
        for (const QString& name : names) {
            ini.section(name);
            ini.Key(QStringLiteral("XLeft"));
            benchmark::DoNotOptimize(ini.Value());
            ini.Key(QStringLiteral("YTop"));
            benchmark::DoNotOptimize(ini.Value());
        }
    }
}
BENCHMARK(BM_PointerLookupPassReference)->Unit(benchmark::kMicrosecond);

void BM_AdjusterNudge(benchmark::State& state)
{
    Page253 page(true);
    kwpnd::Adjusters& adjusters = page.aids().adjusters();
    // The first field's adjuster, there and back so the page stays the same.
    constexpr int kIndex = 3;
    std::int16_t key = 39;  // Right, then Left
    for (auto _ : state) {
        adjusters.adjusterKeyDown(kIndex, key, 1);
        adjusters.settle();
        benchmark::DoNotOptimize(adjusters.adjuster(kIndex));
        key = key == 39 ? 37 : 39;
    }
}
BENCHMARK(BM_AdjusterNudge)->Unit(benchmark::kMillisecond);

void BM_AdjusterPageReference(benchmark::State& state)
{
    Page253 page(true);
    for (auto _ : state) {
        page.window().mnuPopUpGenerate_Click();
        benchmark::DoNotOptimize(page.aids().adjusters().adjuster(3));
    }
}
BENCHMARK(BM_AdjusterPageReference)->Unit(benchmark::kMillisecond);

}  // namespace
