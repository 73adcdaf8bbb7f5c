// The kwpnd command line, run as a separate process.

#include "command_line.h"
#include "support/test_support.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QFile>
#include <QProcess>

namespace kwpnd::test {
namespace {

ToolRun kwpnd(const QStringList& args) { return runKwpnd(args); }

QString example(const char* name)
{
    return QStringLiteral(KWPND_SOURCE_DIR "/examples/invoice/") + QLatin1String(name);
}

TEST(Cli, RendersTheInvoiceInEveryFormat)
{
    QTemporaryDir dir;
    for (const char* ext : {"png", "bmp", "pdf"}) {
        const QString out = dir.filePath(QStringLiteral("invoice.") + QLatin1String(ext));
        const ToolRun r = kwpnd({QStringLiteral("render"), example("layout.ini"), QStringLiteral("-d"),
                                 example("data.ini"), QStringLiteral("-o"), out, QStringLiteral("--strict")});
        EXPECT_EQ(r.status, 0) << ext << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << ext;
        const QByteArray head = f.read(4);
        const QByteArray expected = QByteArray(ext) == "png"   ? QByteArray("\x89PNG")
                                    : QByteArray(ext) == "bmp" ? QByteArray("BM")
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
    const ToolRun lenient = kwpnd(args);
    EXPECT_EQ(lenient.status, 0);
    // Generated once, the report's section on an indented line of its own;
    // the second report is the missing [Preview] section after the walk.
    EXPECT_EQ(lenient.err, QStringLiteral("13: Type mismatch\n    Total\n13: Type mismatch\n"));
    EXPECT_EQ(kwpnd(args + QStringList{QStringLiteral("--strict")}).status, 3);
}

TEST(Cli, FailuresAndUsage)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("p.png"));
    const ToolRun missing =
        kwpnd({QStringLiteral("render"), dir.filePath(QStringLiteral("none.ini")), QStringLiteral("-o"), out});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              QStringLiteral("kwpnd: layout file not found: %1\n").arg(dir.filePath(QStringLiteral("none.ini"))));

    // A misspelt data file is said once, before any field reports on it.
    const QString okLayout = writeFile(dir, QStringLiteral("ok.ini"), "[PreviewWindow]\nHeight=300\nWidth=300\n");
    const QString noData = dir.filePath(QStringLiteral("dta.ini"));
    const ToolRun misspelt =
        kwpnd({QStringLiteral("render"), okLayout, QStringLiteral("-d"), noData, QStringLiteral("-o"), out});
    EXPECT_EQ(misspelt.status, 1);
    EXPECT_EQ(misspelt.err, QStringLiteral("kwpnd: data file not found: %1\n").arg(noData));

    const QString binary = writeFile(dir, QStringLiteral("bin.ini"), QByteArray("\x00\x01\x02[x]\n", 7));
    EXPECT_EQ(kwpnd({QStringLiteral("render"), binary, QStringLiteral("-o"), out}).status, 1);

    const QString noWindow = writeFile(dir, QStringLiteral("nw.ini"), "[A]\nEnabled=1\n");
    const ToolRun sizeless = kwpnd({QStringLiteral("render"), noWindow, QStringLiteral("-o"), out});
    EXPECT_EQ(sizeless.status, 1);
    EXPECT_TRUE(sizeless.err.contains(
        QStringLiteral("Type mismatch: the layout %1 has no Height in its [PreviewWindow]").arg(noWindow)))
        << sizeless.err.toStdString();
    const QString nothing = writeFile(dir, QStringLiteral("nothing.ini"), "");
    EXPECT_TRUE(kwpnd({QStringLiteral("render"), nothing, QStringLiteral("-o"), out})
                    .err.contains(QStringLiteral("has no Height")));

    const QString empty = writeFile(dir, QStringLiteral("empty.ini"), "[PreviewWindow]\nHeight=0\nWidth=300\n");
    const ToolRun sizeZero = kwpnd({QStringLiteral("render"), empty, QStringLiteral("-o"), out});
    EXPECT_EQ(sizeZero.status, 1);
    EXPECT_TRUE(sizeZero.err.contains(QStringLiteral("the page is empty (20 x 0 pixels)")))
        << sizeZero.err.toStdString();

    const QString& ok = okLayout;
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), dir.filePath(QStringLiteral("no/dir/p.png"))})
                  .status,
              1);

    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), QStringLiteral("x.gif")}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), out, QStringLiteral("--bogus")}).status, 2);
    EXPECT_EQ(kwpnd({QStringLiteral("render"), ok, QStringLiteral("-o"), out, QStringLiteral("--string"),
                     QStringLiteral("novalue")})
                  .status,
              2);
    EXPECT_EQ(kwpnd({QStringLiteral("frobnicate")}).status, 2);
}

TEST(Cli, HelpDocumentsEveryOption)
{
    const ToolRun help = kwpnd({QStringLiteral("render"), QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--data", "--output", "--scale-mode", "--height", "--width", "--watermark", "--logo", "--picture1",
          "--picture4", "--back-picture", "--string", "--picture ", "--app", "--strict"})
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
    const ToolRun r = kwpnd({QStringLiteral("render"), layout, QStringLiteral("-d"), data, QStringLiteral("-o"),
                             dir.filePath(QStringLiteral("p.png")), QStringLiteral("--app"), QStringLiteral("Major=2"),
                             QStringLiteral("--app"), QStringLiteral("Minor=5"), QStringLiteral("--string"),
                             QStringLiteral("WHO=Ada"), QStringLiteral("--strict")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
}

QString labels(const char* name) { return QStringLiteral(KWPND_SOURCE_DIR "/examples/labels/") + QLatin1String(name); }

// The label sheets are generated once, on the page as InitialiseForm sized it:
// every label fits, nothing is reported, and the sheet's last number is
// written back once.
TEST(Cli, LabelSheetsGenerateOnceOnTheSizedPage)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data.ini"));
    ASSERT_TRUE(QFile::copy(labels("data.ini"), data));
    const ToolRun r = kwpnd({QStringLiteral("render"), labels("ean13_sheet.ini"), QStringLiteral("-d"), data,
                             QStringLiteral("--scale-mode"), QStringLiteral("1"), QStringLiteral("-o"),
                             dir.filePath(QStringLiteral("sheet.png")), QStringLiteral("--strict")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
}

// A number that cannot be written back would be handed out again by the next
// run: the command fails with its own status, --strict or not.
TEST(Cli, AFailedWriteToTheDataFileFailsTheRun)
{
    constexpr auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                              QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QTemporaryDir files, out;
    const QString data = files.filePath(QStringLiteral("data.ini"));
    ASSERT_TRUE(QFile::copy(labels("data.ini"), data));
    QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QFile::setPermissions(files.path(), readOnly);
    QFile::setPermissions(out.path(),
                          readOnly | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    QStringList command{QStringLiteral(KWPND_CLI),
                        QStringLiteral("render"),
                        labels("ean13_sheet.ini"),
                        QStringLiteral("-d"),
                        data,
                        QStringLiteral("--scale-mode"),
                        QStringLiteral("1"),
                        QStringLiteral("-o"),
                        out.filePath(QStringLiteral("sheet.png"))};
    // Root writes anywhere: run as nobody, for whom the folder is read-only.
    if (::geteuid() == 0)
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                              QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"), QStringLiteral("--")} +
                  command;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), out.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), out.path());
    p.setProcessEnvironment(env);
    p.start(command.takeFirst(), command);
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 4) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("1 write(s) to the data file failed"))) << err.toStdString();
    EXPECT_TRUE(QFile::exists(out.filePath(QStringLiteral("sheet.png"))));  // the page itself is kept
    QFile::setPermissions(files.path(), readOnly | QFileDevice::WriteOwner);
}

}  // namespace
}  // namespace kwpnd::test
