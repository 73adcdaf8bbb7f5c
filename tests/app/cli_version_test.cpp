// kwpnd --version: the project's version on standard output.

#include "support/test_support.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <QProcess>

namespace kwpnd::test {
namespace {

ToolRun run(const QStringList& args) { return runKwpnd(args); }

TEST(CliVersion, PrintsTheProjectVersionAndSucceeds)
{
    const ToolRun r = run({QStringLiteral("--version")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("kwpnd " KWPND_PROJECT_VERSION "\n"));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(CliVersion, MainHelpTellsOfIt)
{
    const ToolRun r = run({QStringLiteral("--help")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("kwpnd --version"))) << r.out.toStdString();
}

TEST(CliVersion, IsNoOptionOfACommand)
{
    // Only the tool as a whole has a version: after a command it is unknown.
    const ToolRun r = run({QStringLiteral("render"), QStringLiteral("--version")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
}

}  // namespace
}  // namespace kwpnd::test
