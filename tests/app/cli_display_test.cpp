// The tool on a display that cannot be reached: help still answers, a
// picture still can be taken, and a window to show ends with a message
// naming the display instead of an abort.

#include "support/test_support.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

namespace kwpnd::test {
namespace {

// A display number nobody serves here.
QString unreachableDisplay()
{
    for (int n = 7391;; ++n)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
}

ToolRun onUnreachableDisplay(const QStringList& args, const QString& display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("DISPLAY"), display);
    return runKwpnd(args, env);
}

QStringList invoicePreview()
{
    const QString folder = QStringLiteral(KWPND_SOURCE_DIR "/examples/invoice/");
    return {QStringLiteral("preview"), folder + QStringLiteral("layout.ini"), QStringLiteral("-d"),
            folder + QStringLiteral("data.ini")};
}

TEST(CliDisplay, HelpNeedsNoDisplay)
{
    const QString display = unreachableDisplay();
    for (const QStringList& args : {QStringList{"preview", "--help"}, QStringList{"--help"}}) {
        const ToolRun r = onUnreachableDisplay(args, display);
        EXPECT_EQ(r.status, 0) << args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Usage: kwpnd"))) << r.out.toStdString();
    }
}

TEST(CliDisplay, AWindowToShowNamesTheDisplay)
{
    const QString display = unreachableDisplay();
    const ToolRun r = onUnreachableDisplay(invoicePreview(), display);
    EXPECT_EQ(r.status, 1) << r.err.toStdString();
    EXPECT_EQ(r.err, QStringLiteral("kwpnd: cannot connect to display %1\n").arg(display));
}

TEST(CliDisplay, AScreenshotNeedsNoDisplay)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("window.png"));
    const ToolRun r =
        onUnreachableDisplay(invoicePreview() << QStringLiteral("--screenshot") << shot, unreachableDisplay());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(shot).size(), QSize(952, 720));
}

}  // namespace
}  // namespace kwpnd::test
