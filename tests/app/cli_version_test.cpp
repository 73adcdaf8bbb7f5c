// kwpnd --version: the project's version on standard output.

#include "support/test_support.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace kwpnd::test {
namespace {

struct VersionRun {
    int status;
    QString out, err;
};

VersionRun run(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(KWPND_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(CliVersion, PrintsTheProjectVersionAndSucceeds)
{
    const VersionRun r = run({QStringLiteral("--version")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringLiteral("kwpnd " KWPND_PROJECT_VERSION "\n"));
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(CliVersion, MainHelpTellsOfIt)
{
    const VersionRun r = run({QStringLiteral("--help")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("kwpnd --version"))) << r.out.toStdString();
}

TEST(CliVersion, IsNoOptionOfACommand)
{
    // Only the tool as a whole has a version: after a command it is unknown.
    const VersionRun r = run({QStringLiteral("render"), QStringLiteral("--version")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
}

}  // namespace
}  // namespace kwpnd::test
