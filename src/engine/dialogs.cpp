#include "kwpnd/dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

namespace kwpnd {

namespace {
std::shared_ptr<Dialogs>& currentSlot()
{
    static std::shared_ptr<Dialogs> slot;
    return slot;
}

bool onRealDisplay()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

MsgReply defaultReply(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgReply::Yes;
    case MsgButtons::RetryCancel:
        return MsgReply::Cancel;
    default:
        return MsgReply::OK;
    }
}
}  // namespace

Dialogs& Dialogs::current()
{
    auto& slot = currentSlot();
    if (!slot) {
        if (onRealDisplay())
            slot = std::make_shared<QtDialogs>();
        else
            slot = std::make_shared<HeadlessDialogs>();
    }
    return *slot;
}

void Dialogs::setCurrent(std::shared_ptr<Dialogs> dialogs) { currentSlot() = std::move(dialogs); }

QString Dialogs::defaultCaption()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("KWPND10") : name;
}

HeadlessDialogs::HeadlessDialogs(bool quiet) : quiet_(quiet) {}

QString HeadlessDialogs::oneLine(const QString& caption, const QString& text)
{
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    flat.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    flat.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return caption + QLatin1String(": ") + flat;
}

QString HeadlessDialogs::printed(const QString& caption, const QString& text)
{
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = body.split(QLatin1Char('\n'));
    // A report's last line names the section; an empty one (a field already
    // reset) adds nothing.
    while (lines.size() > 1 && lines.last().trimmed().isEmpty())
        lines.removeLast();
    QString out = caption + QLatin1String(": ") + lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i)
        out += QLatin1String("\n    ") + lines[i];
    return out;
}

MsgReply HeadlessDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption)
{
    const QString shownCaption = caption.isEmpty() ? defaultCaption() : caption;
    shown_.push_back({shownCaption, text, icon});
    if (!quiet_) {
        const QByteArray line = printed(shownCaption, text).toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
        std::fflush(stderr);
    }
    if (!replies_.empty()) {
        const MsgReply r = replies_.front();
        replies_.pop_front();
        return r;
    }
    return defaultReply(buttons);
}

std::optional<QString> HeadlessDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText)
{
    if (!texts_.empty()) {
        auto t = texts_.front();
        texts_.pop_front();
        return t;
    }
    return defaultText;
}

std::optional<QString> HeadlessDialogs::saveFileName(const QString&, const QString&)
{
    if (!texts_.empty()) {
        auto t = texts_.front();
        texts_.pop_front();
        return t;
    }
    return std::nullopt;
}

}  // namespace kwpnd
