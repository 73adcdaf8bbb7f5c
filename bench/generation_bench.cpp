// Generating a page of 255 text fields, against drawing the same texts at the
// same places with a bare QPainter (the reference).

#include "kwpnd/dialogs.h"
#include "kwpnd/preview.h"
#include "preview_window.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr int kFields = 254;  // plus the "Preview" section: 255 sections

struct Layout {
    QTemporaryDir dir;
    QString layout, data;
    Layout()
    {
        QByteArray l = "[PreviewWindow]\nHeight=16838\nWidth=11906\n";
        QByteArray d;
        l += "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n";
        for (int i = 0; i < kFields; ++i) {
            const QByteArray name = "Field" + QByteArray::number(i);
            l += "[" + name + "]\nEnabled=1\nXLeft=" + QByteArray::number(1 + (i % 3) * 7) +
                 "\nYTop=" + QByteArray::number(1 + (i / 3) * 0.35) + "\nFontSize=9\n";
            d += "[" + name + "]\nData=Text of field number " + QByteArray::number(i) + "\n";
        }
        layout = dir.filePath(QStringLiteral("layout.ini"));
        data = dir.filePath(QStringLiteral("data.ini"));
        QFile f(layout);
        f.open(QIODevice::WriteOnly);
        f.write(l);
        f.close();
        QFile g(data);
        g.open(QIODevice::WriteOnly);
        g.write(d);
    }
};

void BM_GeneratePage(benchmark::State& state)
{
    Layout files;
    kwpnd::Dialogs::setCurrent(std::make_shared<kwpnd::HeadlessDialogs>(true));
    auto preview = kwpnd::clsKWPNDPreviewA::create();
    preview->SettingFile(files.layout);
    preview->DataFile(files.data);
    preview->PreviewGenerate(true);
    preview->InitialiseForm();
    for (auto _ : state) {
        preview->Clear();
        preview->Generate();
        benchmark::DoNotOptimize(windowOf(*preview).CerPrvC().retainedImage().constBits());
    }
}
BENCHMARK(BM_GeneratePage)->Unit(benchmark::kMillisecond);

void BM_ReferenceBareQPainter(benchmark::State& state)
{
    QImage image(794, 1123, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        for (int i = 0; i < kFields; ++i) {
            const double x = (1 + (i % 3) * 7) * 794.0 / 22;
            const double y = (1 + (i / 3) * 0.35) * 1123.0 / 31;
            p.drawText(QPointF(x, y + 12), QStringLiteral("Text of field number %1").arg(i));
        }
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReferenceBareQPainter)->Unit(benchmark::kMillisecond);

}  // namespace
