#include "tool_output.h"

namespace kwpnd::app {

void writeText(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void printProblem(const QString& message) { writeText(stderr, QStringLiteral("kwpnd: ") + message + QLatin1Char('\n')); }

}  // namespace kwpnd::app
