// Entry point of every benchmark program: Qt on the off-screen platform
// (fonts and images need a GUI application), then Google Benchmark.
#include <benchmark/benchmark.h>
#include <QApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
