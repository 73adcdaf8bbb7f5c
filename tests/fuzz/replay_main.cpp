// Replays a fuzz target's corpus without the fuzzing engine: every file of
// the folders (or the files) named on the command line is one input, fed to
// the target in name order. A target that crashes or aborts on an input fails
// the run; the name printed last is the input that did it.
//
// A file whose name ends in ".repeat" stands for a long input: its first line
// is a count N, the rest is BEFORE GS UNIT GS AFTER (GS is the byte 0x1D), and
// the input is BEFORE, N copies of UNIT, then AFTER.
#include "fuzz/fuzz_support.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {
QByteArray expandRepeat(const QByteArray& bytes, const QString& name)
{
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QList<QByteArray> parts = bytes.mid(lineEnd + 1).split('\x1d');
    bool ok = false;
    const int count = bytes.left(lineEnd).trimmed().toInt(&ok);
    if (lineEnd < 0 || parts.size() != 3 || !ok || count < 0) {
        std::fprintf(stderr, "%s: not a repeat file\n", qPrintable(name));
        std::exit(2);
    }
    return parts[0] + parts[1].repeated(count) + parts[2];
}

void replay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", qPrintable(path));
        std::exit(2);
    }
    QByteArray input = file.readAll();
    if (path.endsWith(QLatin1String(".repeat")))
        input = expandRepeat(input, path);
    std::printf("%s (%lld bytes)\n", qPrintable(path), static_cast<long long>(input.size()));
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()),
                           static_cast<std::size_t>(input.size()));
}
}  // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(arg).isDir()) {
            replay(arg);
            ++inputs;
            continue;
        }
        const QDir dir(arg);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            replay(dir.filePath(name));
            ++inputs;
        }
    }
    if (inputs == 0) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 2;
    }
    std::printf("%d inputs replayed\n", inputs);
    return 0;
}
