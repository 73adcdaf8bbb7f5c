// The pointer-move look-up pattern of hit-testing: enumerate the sections of
// a layout file and read XLeft and YTop of each, in one look-up pass per
// move. IniFileHandler (one parsed copy, checked on disk once per pass)
// against a reader that scans the file afresh for every look-up.

#include "ini_lookup.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSections = 255;

// A layout file of kSections fields of about twenty keys each.
QString makeLayoutFile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("layout.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(path));
    QTextStream out(&file);
    out << "; generated layout\n[PreviewWindow]\nCaption=Benchmark\nWidth=12000\nHeight=16000\n";
    for (int i = 1; i <= kSections - 1; ++i) {
        out << "\n[Field" << i << "]\n"
            << "Description=Field number " << i << "\n"
            << "Enabled=1\nType=text\n"
            << "XLeft=" << (i % 17) * 1.25 << "\nYTop=" << (i / 17) * 0.8 << "\n"
            << "Width=4.5\nHeight=0.6\nFormat=\nBuffer=10\nFontName=Arial\nFontSize=9\n"
            << "FontBold=0\nFontItalic=0\nFontUnderline=0\nFontStrikethrough=0\n"
            << "Forecolor=0\nBackcolor=16777215\nAlign=0\nBorder=0\nStrconv=0\n";
    }
    return path;
}

// The reference: opens and scans the file for one value, as a reader
// without a cache does.
QString scanValue(const QString& path, const QString& section, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inSection = false;
    QString line;
    while (in.readLineInto(&line)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            if (inSection)
                return {};
            inSection =
                trimmed.mid(1, trimmed.lastIndexOf(u']') - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
        } else if (inSection) {
            const qsizetype equals = trimmed.indexOf(u'=');
            if (equals > 0 && trimmed.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0)
                return trimmed.mid(equals + 1).trimmed();
        }
    }
    return {};
}

QStringList scanSections(const QString& path)
{
    QStringList names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'['))
            names.append(trimmed.mid(1, trimmed.lastIndexOf(u']') - 1).trimmed());
    }
    return names;
}

void BM_HandlerPointerMove(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = makeLayoutFile(dir);
    kwpnd::IniFileHandler handler;
    for (auto _ : state) {
        const kwpnd::IniLookupPass pass;
        QStringList sections;
        std::int32_t count = 0;
        handler.Path(path);
        handler.EnumerateAllSections(sections, count);
        for (std::int32_t i = 0; i < count; ++i) {
            handler.Path(path);
            handler.section(sections.at(i));
            handler.Key(QStringLiteral("XLeft"));
            benchmark::DoNotOptimize(handler.Value());
            handler.Key(QStringLiteral("YTop"));
            benchmark::DoNotOptimize(handler.Value());
        }
    }
    state.counters["lookups"] =
        benchmark::Counter(double(state.iterations()) * (1 + 2 * kSections), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HandlerPointerMove)->Unit(benchmark::kMicrosecond);

void BM_ScanAfreshPointerMove(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = makeLayoutFile(dir);
    for (auto _ : state) {
        const QStringList sections = scanSections(path);
        for (const QString& section : sections) {
            benchmark::DoNotOptimize(scanValue(path, section, QStringLiteral("XLeft")));
            benchmark::DoNotOptimize(scanValue(path, section, QStringLiteral("YTop")));
        }
    }
    state.counters["lookups"] =
        benchmark::Counter(double(state.iterations()) * (1 + 2 * kSections), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScanAfreshPointerMove)->Unit(benchmark::kMillisecond);

}  // namespace
