#include "qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace kwpnd::app {

namespace {
void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "kwpnd: %s\n", qPrintable(message));
        std::fflush(stderr);
    }
}
}  // namespace

void quietQtMessages()
{
    if (qEnvironmentVariableIntValue("KWPND_QT_MESSAGES") != 1)
        qInstallMessageHandler(handler);
}

}  // namespace kwpnd::app
