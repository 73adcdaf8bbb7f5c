// kwpnd: render documents described by a layout file and a data file.

#include "command_line.h"
#include "qt_messages.h"

#include <QApplication>
#include <cstdio>

namespace {

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

bool wantsHelp(const QStringList& args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace kwpnd::app;
    // Rendering needs no display: use the off-screen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietQtMessages();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kwpnd"));

    QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || (args.size() == 1 && wantsHelp(args))) {
        print(args.isEmpty() ? stderr : stdout, mainHelp());
        return args.isEmpty() ? kUsage : kOk;
    }
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("render")) {
            if (wantsHelp(args)) {
                print(stdout, renderHelp());
                return kOk;
            }
            return runRender(parseRenderOptions(args));
        }
        throw UsageError{QStringLiteral("unknown command '%1'").arg(command)};
    } catch (const UsageError& e) {
        print(stderr, QStringLiteral("kwpnd: %1\nRun 'kwpnd --help' for usage.\n").arg(e.message));
        return kUsage;
    }
}
