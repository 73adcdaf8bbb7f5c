#pragma once
// Running the built kwpnd tool as a separate process, as a user would.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace kwpnd::test {

struct ToolRun {
    int status;  // the exit status; -1 when the tool crashed
    QString out, err;
};

// Runs kwpnd with `args` in `env`, in `workingDirectory` (the test's own when
// empty), and waits up to two minutes for it.
inline ToolRun runKwpnd(const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                        const QString& workingDirectory = {})
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(QStringLiteral(KWPND_CLI), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace kwpnd::test
