#include "cups_queue.h"

#include <dlfcn.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QThread>

namespace kwpnd::test {

void useCupsServer(const QString& socket)
{
    if (socket.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
    // The CUPS library reads the variable once and keeps the server: when it
    // is loaded already, let it forget (cupsSetServer(NULL) reads it anew).
    if (void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD)) {
        using SetServer = void (*)(const char*);
        if (auto setServer = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer")))
            setServer(nullptr);
        dlclose(cups);
    }
}

namespace {
QString fixtureScript() { return QStringLiteral(KWPND_SOURCE_DIR "/scripts/cups-fixture.sh"); }
constexpr int kCannotRunHere = 77;
}  // namespace

CupsQueue::CupsQueue()
{
    QProcess p;
    p.start(fixtureScript(), {QStringLiteral("start"), dir_.path()});
    p.waitForFinished(60000);
    const QString err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        skipReason_ = err.isEmpty() ? QStringLiteral("the CUPS fixture did not start") : err;
        if (p.exitCode() != kCannotRunHere)
            skipReason_.prepend(QStringLiteral("FAILED: "));
        return;
    }
    for (const QString& line : QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("CUPS_SERVER=")))
            server_ = value;
        else if (line.startsWith(QLatin1String("KWPND_PRINT_OUT=")))
            out_ = value;
        else if (line.startsWith(QLatin1String("KWPND_PRINTER=")))
            printer_ = value;
    }
}

CupsQueue::~CupsQueue()
{
    if (!dir_.isValid())
        return;
    QProcess p;
    p.start(fixtureScript(), {QStringLiteral("stop"), dir_.path()});
    p.waitForFinished(30000);
}

QStringList CupsQueue::jobs() const
{
    QStringList files;
    if (out_.isEmpty())
        return files;
    const QFileInfoList infos =
        QDir(out_).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& info : infos)
        files << info.filePath();
    return files;
}

QStringList CupsQueue::waitForJobs(int count, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    // The PDF is written by a converter after the job is queued: wait for
    // the files and for the queue to be done with them.
    while (timer.elapsed() < timeoutMs) {
        if (jobs().size() >= count && output(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty())
            break;
        QThread::msleep(50);
    }
    return jobs();
}

int CupsQueue::run(const QString& tool, const QStringList& args) const
{
    int status = -1;
    output(tool, args, &status);
    return status;
}

QString CupsQueue::output(const QString& tool, const QStringList& args, int* status) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), server_);
    p.setProcessEnvironment(env);
    p.start(tool, args);
    p.waitForFinished(30000);
    if (status)
        *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

namespace {
QByteArray toolOutput(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}
}  // namespace

QStringList pdfFonts(const QString& pdf)
{
    // Two heading lines, then one line per font.
    QStringList lines =
        QString::fromUtf8(toolOutput(QStringLiteral("pdffonts"), {pdf})).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(2);
}

QImage pdfPage(const QString& pdf, int dpi)
{
    const QByteArray png =
        toolOutput(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                    QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf});
    return QImage::fromData(png, "PNG");
}

QSizeF pdfPageSize(const QString& pdf)
{
    const QString info = QString::fromUtf8(toolOutput(QStringLiteral("pdfinfo"), {pdf}));
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

}  // namespace kwpnd::test
