#include "runtime_component.h"

#include "kwpnd/error.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace kwpnd {

namespace {
QString variable(const QString& name)
{
    return name.isEmpty() ? QString() : qEnvironmentVariable(name.toLocal8Bit().constData());
}
}  // namespace

QString expandEnvironmentReferences(const QString& text)
{
    static const QRegularExpression reference(
        QStringLiteral(R"(\$\{([A-Za-z_][A-Za-z0-9_]*)\}|\$([A-Za-z_][A-Za-z0-9_]*)|%([A-Za-z_][A-Za-z0-9_()]*)%)"));
    QString out;
    qsizetype last = 0;
    auto it = reference.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        QString name = m.captured(1);
        if (name.isEmpty())
            name = m.captured(2);
        if (name.isEmpty())
            name = m.captured(3);
        out += variable(name);
        last = m.capturedEnd();
    }
    out += text.mid(last);
    return out;
}

QString RuntimeComponent::EnvironGet(std::int16_t what, const QString& name, bool expand) const
{
    if (what != kEnvironmentVariable)
        throw Error(ErrorNumber::InvalidProcedureCall);
    const QString value = variable(name);
    return expand ? expandEnvironmentReferences(value) : value;
}

}  // namespace kwpnd
