// Barcode symbols per second: each encoder drawing on a surface, and whole
// sheets of sequentially numbered EAN-13 labels (30 of them, and the fixture
// sheets labels30, labels300 and labels1000 that the image test renders),
// against libzint encoding the same data into a bitmap at scale 1 in the
// same run. Divide the
// items_per_second of a BM_Kwpnd* row by that of its BM_Zint* row for the
// ratio.

#include "bench_fixtures.h"
#include "code39.h"
#include "ean13.h"
#include "evalbar.h"
#include "kwpnd/barcode_upc.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/surface.h"
#include "label_sheet.h"

#include <benchmark/benchmark.h>
#include <QHash>
#include <cstring>
#include <memory>

#ifdef KWPND_HAVE_ZINT
#include <zint.h>
#endif

namespace {

using namespace kwpnd;

const QString kCode39Data = QStringLiteral("KWP-1042");
const QString kEANData = QStringLiteral("400638133393");
const QString kUPCData = QStringLiteral("03600029145");

// A fresh symbol each time: the surface is erased as the composer erases it,
// and the symbol is taken as a picture, as the composer takes it (drawing
// that waits, such as the digits' glyphs, is then done).
void BM_KwpndCode39(benchmark::State& state)
{
    Surface surface(3000, 1500);
    for (auto _ : state) {
        surface.BackColor(0xFFFFFF);
        DrawCode39(kCode39Data, surface, kCode39Data, false, 0, 60);
        benchmark::DoNotOptimize(surface.Image());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KwpndCode39);

void BM_KwpndEvalbar(benchmark::State& state)
{
    Surface surface(4000, 1000);
    for (auto _ : state) {
        std::int16_t x = 10;
        DrawEvalbar(kCode39Data, QString(), kCode39Data, surface, 50, 550, x, 20);
        benchmark::DoNotOptimize(surface.Image());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KwpndEvalbar);

void BM_KwpndEAN13(benchmark::State& state)
{
    Surface surface(1680, 1000);
    for (auto _ : state) {
        surface.BackColor(0xFFFFFF);
        DrawEAN13(kEANData, surface);
        benchmark::DoNotOptimize(surface.Image());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KwpndEAN13);

void BM_KwpndUPC(benchmark::State& state)
{
    Surface surface(2100, 1000);
    for (auto _ : state) {
        surface.BackColor(0xFFFFFF);
        clsKWPNDBarcodeUPC11 upc;
        upc.BarCodePicObj(&surface);
        upc.BarCodeData(kUPCData);
        benchmark::DoNotOptimize(upc.DrawBarcode());
        benchmark::DoNotOptimize(surface.Image());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KwpndUPC);

// A window whose data file lives in memory: the sheet costs only composing
// and stamping.
class MemoryWindow : public LabelSheetWindow {
public:
    Surface& canvas() override { return canvas_; }
    Surface& picBarCodePicObj() override { return symbol_; }
    Surface& picBarCodeLabel() override { return label_; }
    QString ReadDataValue(const QString&, const QString& key) override
    {
        return key == QLatin1String("BarcodeData") ? QStringLiteral("400638133390") : QStringLiteral("Northwind");
    }
    void WriteDataValue(const QString&, const QString&, const QString& text) override { endNumber = text; }
    Dialogs& dialogs() override { return dialogs_; }

    Surface canvas_{11906, 16838}, symbol_{1680, 960}, label_{3800, 1600};
    HeadlessDialogs dialogs_{true};
    QString endNumber;
};

FieldRecord thirtyLabelSheet()
{
    FieldRecord f;
    f.sectionName = QStringLiteral("Labels");
    f.XLeft = 150;
    f.YTop = 150;
    f.Width = 3800;
    f.Height = 1600;
    f.XSpacing = f.YSpacing = 100;
    f.XCount = 3;
    f.YCount = 10;
    f.FontName = QStringLiteral("Arial");
    f.FontSize = 8;
    BarcodeSheetParameters& p = sheetParameters(f);
    p.BarCodeSymbol = QStringLiteral("ean13");
    p.BarCodeSequential = 1;
    p.BarCodeLabelAuto = 1;
    p.BarCodeHeader = p.BarCodeFooter = 1;
    p.BarCodeHeaderX = 200;
    p.BarCodeHeaderY = 100;
    p.BarCodeFooterX = 200;
    p.BarCodeFooterY = 1300;
    p.BarCodeBackcolor = p.BarCodeLabelBackcolor = QStringLiteral("255,255,255");
    p.BarCodeLabelDiff = 1;
    p.BarCodeLabelDiffX = 840;
    p.BarCodeLabelDiffY = 480;
    p.BarCodeLabelscale = p.BarCodeObjectscale = 1;
    return f;
}

void BM_KwpndSheetOf30(benchmark::State& state)
{
    MemoryWindow window;
    const FieldRecord field = thirtyLabelSheet();
    BarcodeLabelComposer composer;
    for (auto _ : state) {
        window.canvas_.BackColor(0xFFFFFF);
        window.canvas_.CurrentX(float(field.XLeft));
        window.canvas_.CurrentY(float(field.YTop));
        composer.drawSheet(window, field);
        benchmark::DoNotOptimize(window.canvas_.Image());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KwpndSheetOf30)->Unit(benchmark::kMillisecond);

// A label sheet of the fixtures: its layout's field and page, its data file's
// values, all read before timing.
class FixtureWindow : public LabelSheetWindow {
public:
    explicit FixtureWindow(const QString& folder)
        : layout_(bench::fixturePath(folder, QStringLiteral("layout.ini"))),
          canvas_(number(QStringLiteral("PreviewWindow"), "Width"), number(QStringLiteral("PreviewWindow"), "Height"))
    {
        const QString data = bench::fixturePath(folder, QStringLiteral("data.ini"));
        for (const char* key : {"BarcodeData", "BarcodeHeader", "BarcodeFooter", "BarcodeBottom"})
            dataValues_.insert(QLatin1String(key), bench::fixtureValue(data, kSection, QLatin1String(key)));
        field.sectionName = kSection;
        double FieldRecord::*numbers[] = {&FieldRecord::XLeft,  &FieldRecord::YTop,     &FieldRecord::Width,
                                          &FieldRecord::Height, &FieldRecord::XSpacing, &FieldRecord::YSpacing,
                                          &FieldRecord::XCount, &FieldRecord::YCount};
        const char* names[] = {"XLeft", "YTop", "Width", "Height", "XSpacing", "YSpacing", "XCount", "YCount"};
        for (std::size_t i = 0; i < std::size(names); ++i)
            field.*numbers[i] = number(kSection, names[i]);
        field.FontName = value(kSection, "FontName");
        field.FontSize = std::int16_t(number(kSection, "FontSize"));
        for (const FieldKindKey& key : barcodeSheetKeys())
            key.store(field, value(kSection, key.name));
    }

    Surface& canvas() override { return canvas_; }
    Surface& picBarCodePicObj() override { return symbol_; }
    Surface& picBarCodeLabel() override { return label_; }
    QString ReadDataValue(const QString&, const QString& key) override { return dataValues_.value(key); }
    void WriteDataValue(const QString&, const QString&, const QString& text) override { endNumber = text; }
    Dialogs& dialogs() override { return dialogs_; }
    bool reported() const { return !dialogs_.shown().empty(); }

    FieldRecord field;
    QString endNumber;

private:
    inline static const QString kSection = QStringLiteral("Labels");
    QString value(const QString& section, const char* key) const
    {
        return bench::fixtureValue(layout_, section, QLatin1String(key));
    }
    double number(const QString& section, const char* key) const { return toStrictDouble(value(section, key)); }

    QString layout_;
    Surface canvas_;
    Surface symbol_{1680, 960}, label_{3800, 1600};
    HeadlessDialogs dialogs_{true};
    QHash<QString, QString> dataValues_;
};

// The fixture sheet of state.range(0) labels, as a page walk draws it: the
// canvas erased, the drawing position at the field's origin.
void BM_KwpndLabelSheet(benchmark::State& state)
{
    auto window = std::make_unique<FixtureWindow>(QStringLiteral("labels%1").arg(state.range(0)));
    const FieldRecord& field = window->field;
    if (field.XCount * field.YCount != double(state.range(0)))
        state.SkipWithError("the fixture's grid has another number of labels");
    BarcodeLabelComposer composer;
    for (auto _ : state) {
        window->canvas().BackColor(0xFFFFFF);
        window->canvas().CurrentX(float(field.XLeft));
        window->canvas().CurrentY(float(field.YTop));
        composer.drawSheet(*window, field);
        benchmark::DoNotOptimize(window->canvas().Image());
    }
    if (window->reported())
        state.SkipWithError("the sheet reported a failure");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_KwpndLabelSheet)->Arg(30)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

#ifdef KWPND_HAVE_ZINT
// One symbol encoded and rendered to zint's bitmap at scale 1.
void encodeWithZint(benchmark::State& state, int symbology, const char* data, int symbols)
{
    zint_symbol* symbol = ZBarcode_Create();
    for (auto _ : state) {
        for (int i = 0; i < symbols; ++i) {
            ZBarcode_Clear(symbol);
            symbol->symbology = symbology;
            symbol->scale = 1;
            const int status = ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char*>(data),
                                                          int(std::strlen(data)), 0);
            if (status >= ZINT_ERROR)
                state.SkipWithError(symbol->errtxt);
            benchmark::DoNotOptimize(symbol->bitmap);
        }
    }
    ZBarcode_Delete(symbol);
    state.SetItemsProcessed(state.iterations());
}

void BM_ZintCode39(benchmark::State& state) { encodeWithZint(state, BARCODE_CODE39, "KWP-1042", 1); }
BENCHMARK(BM_ZintCode39);
void BM_ZintEAN13(benchmark::State& state) { encodeWithZint(state, BARCODE_EANX, "400638133393", 1); }
BENCHMARK(BM_ZintEAN13);
void BM_ZintUPC(benchmark::State& state) { encodeWithZint(state, BARCODE_UPCA, "03600029145", 1); }
BENCHMARK(BM_ZintUPC);
// Thirty EAN-13 symbols: the reference for a sheet.
void BM_ZintSheetOf30(benchmark::State& state) { encodeWithZint(state, BARCODE_EANX, "400638133393", 30); }
BENCHMARK(BM_ZintSheetOf30)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
