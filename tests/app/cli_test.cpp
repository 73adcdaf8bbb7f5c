// The kwpnd command line, run as a separate process.

#include "command_line.h"
#include "support/test_support.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

struct CliRun {
    int status;
    QString out, err;
};

CliRun kwpnd(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(KWPND_CLI), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString example(const char* name)
{
    return QStringLiteral(KWPND_SOURCE_DIR "/examples/invoice/") + QLatin1String(name);
}

TEST(Cli, RendersTheInvoiceInEveryFormat)
{
    QTemporaryDir dir;
    for (const char* ext : {"png", "bmp", "pdf"}) {
        const QString out = dir.filePath(QStringLiteral("invoice.") + QLatin1String(ext));
        const CliRun r = kwpnd({QStringLiteral("render"), example("layout.ini"), QStringLiteral("-d"), example("data.ini"),
                             QStringLiteral("-o"), out, QStringLiteral("--strict")});
        EXPECT_EQ(r.status, 0) << ext << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << ext;
        const QByteArray head = f.read(4);
        const QByteArray expected = QByteArray(ext) == "png" ? QByteArray("\x89PNG") :
                                    QByteArray(ext) == "bmp" ? QByteArray("BM")
                                                             : QByteArray("%PDF");
        EXPECT_TRUE(head.startsWith(expected)) << ext;
    }
    const QImage page(dir.filePath(QStringLiteral("invoice.png")));
    EXPECT_EQ(page.size(), QSize(794, 1123));  // A4 at 96 dpi
    EXPECT_FALSE(inkBounds(page).isNull());
}

TEST(Cli, ReportsGoToStandardErrorAndStrictFails)
{
    QTemporaryDir dir;
    const QString layout = writeFile(dir, QStringLiteral("l.ini"),
                                     "[PreviewWindow]\nHeight=3000\nWidth=3000\n"
                                     "[Total]\nEnabled=1\nType=rsetn\nBuffer=5\nXLeft=1\nYTop=1\n");
    const QString data = writeFile(dir, QStringLiteral("d.ini"), "[Total]\nData=abc\n");
    const QString out = dir.filePath(QStringLiteral("p.png"));
    const QStringList args{QStringLiteral("render"), layout, QStringLiteral("-d"), data, QStringLiteral("-o"), out};
    const CliRun lenient = kwpnd(args);
    EXPECT_EQ(lenient.status, 0);
    // The page is generated twice, as a host's typical request does: when the
    // window loads with generation armed, and by Generate after InitialiseForm.
    const QString once = QStringLiteral("13: Type mismatch\\nTotal\n13: Type mismatch\\n\n");
    EXPECT_EQ(lenient.err, once + once);
    EXPECT_EQ(kwpnd(args + QStringList{QStringLiteral("--strict")}).status, 3);
}

TEST(Cli, FailuresAndUsage)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("p.png"));
    const CliRun missing = kwpnd({QStringLiteral("render"), dir.filePath(QStringLiteral("none.ini")), QStringLiteral("-o"), out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("kwpnd: cannot open layout"))) << missing.err.toStdString();
    EXPECT_EQ(missing.err.count(QLatin1Char('\n')), 1);

    const QString binary = writeFile(dir, QStringLiteral("bin.ini"), QByteArray("\x00\x01\x02[x]\n", 7));
    EXPECT_EQ(kwpnd({QStringLiteral("render"), binary, QStringLiteral("-o"), out}).status, 1);

    const QString noWindow = writeFile(dir, QStringLiteral("nw.ini"), "[A]\nEnabled=1\n");
    const CliRun sizeless = kwpnd({QStringLiteral("render"), noWindow, QStringLiteral("-o"), out});
    EXPECT_EQ(sizeless.status, 1);
    EXPECT_TRUE(sizeless.err.contains(QStringLiteral("Type mismatch"))) << sizeless.err.toStdString();

    const QString empty = writeFile(dir, QStringLiteral("empty.ini"), "[PreviewWindow]\nHeight=0\nWidth=300\n");
    const CliRun sizeZero = kwpnd({QStringLiteral("render"), empty, QStringLiteral("-o"), out});
    EXPECT_EQ(sizeZero.status, 1);
    EXPECT_TRUE(sizeZero.err.contains(QStringLiteral("the page is empty (20 x 0 pixels)"))) << sizeZero.err.toStdString();

    const QString ok = writeFile(dir, QStringLiteral("ok.ini"), "[PreviewWindow]\nHeight=300\nWidth=300\n");
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), dir.filePath(QStringLiteral("no/dir/p.png"))}).status, 1);

    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), QStringLiteral("x.gif")}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), out, QStringLiteral("--bogus")}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), out, QStringLiteral("--string"), QStringLiteral("novalue")}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("frobnicate")}).status, 2);
}

TEST(Cli, HelpDocumentsEveryOption)
{
    const CliRun help = kwpnd({QStringLiteral("render"), QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--data", "--output", "--scale-mode", "--height", "--width", "--watermark", "--logo",
                               "--picture1", "--picture4", "--back-picture", "--string", "--picture ", "--app",
                               "--strict"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    EXPECT_EQ(kwpnd({QStringLiteral("--help")}).status, 0);
}

TEST(Cli, OptionsParse)
{
    const app::RenderOptions o = app::parseRenderOptions(
        {QStringLiteral("l.ini"), QStringLiteral("--scale-mode=6"), QStringLiteral("--string"), QStringLiteral("a=b=c"),
         QStringLiteral("--app"), QStringLiteral("Major=2"), QStringLiteral("-o"), QStringLiteral("x.pdf")});
    EXPECT_EQ(o.scaleMode, 6);
    ASSERT_EQ(o.strings.size(), 1u);
    EXPECT_EQ(o.strings[0].second, QStringLiteral("b=c"));
    EXPECT_EQ(o.appMembers[0].first, QStringLiteral("Major"));
    EXPECT_THROW(app::parseRenderOptions({QStringLiteral("l.ini"), QStringLiteral("--scale-mode"), QStringLiteral("9"),
                                          QStringLiteral("-o"), QStringLiteral("x.png")}),
                 app::UsageError);
}

TEST(Cli, HostApplicationMembersAndRegisteredStrings)
{
    QTemporaryDir dir;
    const QString layout = writeFile(dir, QStringLiteral("l.ini"),
                                     "[PreviewWindow]\nHeight=3000\nWidth=3000\n"
                                     "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
                                     "[V]\nEnabled=1\nType=pavv\nXLeft=1\nYTop=1\n"
                                     "[S]\nEnabled=1\nType=StrFromStrings\nXLeft=1\nYTop=5\n");
    const QString data = writeFile(dir, QStringLiteral("d.ini"), "[S]\nData=who\n");
    const CliRun r = kwpnd({QStringLiteral("render"), layout, QStringLiteral("-d"), data, QStringLiteral("-o"),
                         dir.filePath(QStringLiteral("p.png")), QStringLiteral("--app"), QStringLiteral("Major=2"),
                         QStringLiteral("--app"), QStringLiteral("Minor=5"), QStringLiteral("--string"),
                         QStringLiteral("WHO=Ada"), QStringLiteral("--strict")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
}

}  // namespace
}  // namespace kwpnd::test
