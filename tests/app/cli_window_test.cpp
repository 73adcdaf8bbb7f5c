// "kwpnd preview" and "kwpnd print", run as separate processes.

#include "support/test_support.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>

namespace kwpnd::test {
namespace {

ToolRun kwpnd(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    return runKwpnd(args, env);
}

QString example(const char* name)
{
    return QStringLiteral(KWPND_SOURCE_DIR "/examples/invoice/") + QLatin1String(name);
}

QStringList invoice(const char* command)
{
    return {QLatin1String(command), example("layout.ini"), QStringLiteral("-d"), example("data.ini")};
}

bool isGradient(QRgb c) { return qBlue(c) < 20 && std::abs(qRed(c) - qGreen(c)) < 20; }

TEST(CliWindow, ScreenshotShowsTheWholeWindow)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("window.png"));
    const ToolRun r = kwpnd(invoice("preview") << QStringLiteral("--rulers") << QStringLiteral("--screenshot") << shot);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage window(shot);
    ASSERT_EQ(window.size(), QSize(952, 720));
    EXPECT_TRUE(isGradient(window.pixel(3, 300)));                    // the painted background
    EXPECT_EQ(window.pixel(500, 20) & 0xFFFFFF, 0xFFFFFFu);           // the white horizontal ruler ...
    EXPECT_FALSE(inkBounds(window.copy(80, 8, 841, 33)).isNull());    // ... with its scale
    EXPECT_FALSE(inkBounds(window.copy(81, 41, 700, 600)).isNull());  // the invoice on the canvas
    EXPECT_TRUE(isGradient(window.pixel(930, 700)));                  // no paging bar without --paging
}

TEST(CliWindow, PagesAndThePagingBar)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("paging.png"));
    const ToolRun r =
        kwpnd(invoice("preview") << QStringLiteral("--paging") << QStringLiteral("--page")
                                 << QStringLiteral("1=") + example("layout.ini") << QStringLiteral("--page")
                                 << QStringLiteral("2=%1,%2").arg(example("layout.ini"), example("data.ini"))
                                 << QStringLiteral("--screenshot=") + shot);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage window(shot);
    EXPECT_FALSE(isGradient(window.pixel(930, 700)));  // the paging bar
    EXPECT_TRUE(isGradient(window.pixel(500, 20)));    // no rulers without --rulers

    const ToolRun missing =
        kwpnd(invoice("preview") << QStringLiteral("--page") << QStringLiteral("1=") + dir.filePath("none.ini")
                                 << QStringLiteral("--screenshot") << shot);
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("cannot add page 1"))) << missing.err.toStdString();
}

TEST(CliWindow, UsageAndNoDisplay)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("w.png"));
    const QStringList bad[] = {
        invoice("preview") << QStringLiteral("-o") << shot,
        invoice("preview") << QStringLiteral("--page") << QStringLiteral("nokey"),
        invoice("preview") << QStringLiteral("--screenshot") << dir.filePath(QStringLiteral("w.bmp")),
        invoice("print") << QStringLiteral("--rulers"),
    };
    for (const QStringList& args : bad)
        EXPECT_EQ(kwpnd(args).status, 2) << args.join(' ').toStdString();

    // Off-screen there is no one to show the window to.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ToolRun r = kwpnd(invoice("preview"), env);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--screenshot"))) << r.err.toStdString();

    for (const char* command : {"preview", "print"})
        EXPECT_EQ(kwpnd({QLatin1String(command), QStringLiteral("--help")}).status, 0);
}

TEST(CliWindow, PrintWithoutAPrinterFails)
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), dir.filePath(QStringLiteral("nobody.sock")));
    const ToolRun r = kwpnd(invoice("print"), env);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("2: print direct\n"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("482: Printer error"))) << r.err.toStdString();
}

TEST(CliWindow, PrintSendsEachCopyAsAJob)
{
    // A private CUPS scheduler with a PDF queue (see scripts/cups-fixture.sh).
    QTemporaryDir dir;
    const QString script = QStringLiteral(KWPND_SOURCE_DIR "/scripts/cups-fixture.sh");
    struct StopAtEnd {
        QString script, folder;
        ~StopAtEnd()
        {
            QProcess stop;
            stop.start(script, {QStringLiteral("stop"), folder});
            stop.waitForFinished(30000);
        }
    } stopAtEnd{script, dir.path()};
    QProcess start;
    start.start(script, {QStringLiteral("start"), dir.path()});
    start.waitForFinished(60000);
    if (start.exitCode() == 77)
        GTEST_SKIP() << start.readAllStandardError().toStdString();
    ASSERT_EQ(start.exitCode(), 0) << start.readAllStandardError().toStdString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString out;
    for (const QString& line : QString::fromLocal8Bit(start.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QLatin1String("CUPS_SERVER=")))
            env.insert(QStringLiteral("CUPS_SERVER"), line.section('=', 1));
        if (line.startsWith(QLatin1String("KWPND_PRINT_OUT=")))
            out = line.section('=', 1);
    }

    // Jobs land a moment after the command ends: wait for `count`, then a
    // while longer so that a surplus job would be seen too.
    auto jobsAfter = [&](qsizetype count) {
        QStringList jobs;
        for (int i = 0; i < 200 && jobs.size() < count; ++i) {
            QThread::msleep(100);
            jobs = QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        }
        QThread::msleep(1500);
        return QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files).size();
    };

    // The layout prints its copies after generation too: the command prints
    // them once all the same.
    QFile original(example("layout.ini"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QString layout = writeFile(dir, QStringLiteral("printing.ini"),
                                     original.readAll().replace("PrintAfterGenerate=0", "PrintAfterGenerate=1"));
    const ToolRun r = kwpnd({QStringLiteral("print"), layout, QStringLiteral("-d"), example("data.ini")}, env);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QStringLiteral("Customer copy")), 1) << r.err.toStdString();
    EXPECT_EQ(r.err.count(QStringLiteral("File copy")), 1) << r.err.toStdString();
    EXPECT_EQ(jobsAfter(2), 2);

    // render prints what the layout asks once; --no-print leaves it out.
    const QStringList render{QStringLiteral("render"), layout,
                             QStringLiteral("-d"),     example("data.ini"),
                             QStringLiteral("-o"),     dir.filePath(QStringLiteral("page.png"))};
    EXPECT_EQ(kwpnd(render, env).status, 0);
    EXPECT_EQ(jobsAfter(4), 4);
    EXPECT_EQ(kwpnd(render + QStringList{QStringLiteral("--no-print")}, env).status, 0);
    EXPECT_EQ(jobsAfter(4), 4);
}

}  // namespace
}  // namespace kwpnd::test
