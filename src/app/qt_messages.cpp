#include "qt_messages.h"

#include "tool_output.h"

#include <QString>
#include <QtGlobal>

namespace kwpnd::app {

namespace {
void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printProblem(message);
}
}  // namespace

void quietQtMessages()
{
    if (qEnvironmentVariableIntValue("KWPND_QT_MESSAGES") != 1)
        qInstallMessageHandler(handler);
}

}  // namespace kwpnd::app
