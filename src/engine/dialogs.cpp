#include "dialogs_default.h"

#include <QCoreApplication>
#include <QObject>
#include <QVariant>
#include <cstdio>
#include <deque>

namespace kwpnd {

namespace {
struct DefaultService {
    std::shared_ptr<Dialogs> current;
    DialogsFactory factory;
};

DefaultService& service()
{
    static DefaultService s;
    return s;
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

QStringList linesOf(const QString& text)
{
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return body.split(QLatin1Char('\n'));
}
}  // namespace

void setDefaultDialogsFactory(DialogsFactory factory) { service().factory = std::move(factory); }

bool Dialogs::runModal(QObject&, const std::function<bool()>& exec) { return exec(); }

std::optional<std::int32_t> Dialogs::chooseColour(const QString&, std::int32_t) { return std::nullopt; }

std::optional<QFont> Dialogs::chooseFont(const QString&, const QFont&) { return std::nullopt; }

Dialogs& Dialogs::current()
{
    DefaultService& s = service();
    if (!s.current && s.factory)
        s.current = s.factory();
    if (!s.current)
        s.current = std::make_shared<HeadlessDialogs>();
    return *s.current;
}

void Dialogs::setCurrent(std::shared_ptr<Dialogs> dialogs) { service().current = std::move(dialogs); }

QString Dialogs::defaultCaption()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("KWPND10") : name;
}

struct KWPND10_NO_EXPORT HeadlessDialogs::State {
    bool quiet;
    std::deque<MsgReply> replies;
    std::deque<std::optional<QString>> texts;
    std::vector<Shown> shown;

    std::optional<QString> nextText(const std::optional<QString>& otherwise)
    {
        if (texts.empty())
            return otherwise;
        const std::optional<QString> t = texts.front();
        texts.pop_front();
        return t;
    }
};

HeadlessDialogs::HeadlessDialogs(bool quiet) : state_(std::make_unique<State>(State{quiet, {}, {}, {}})) {}

HeadlessDialogs::~HeadlessDialogs() = default;

QString HeadlessDialogs::printed(const QString& caption, const QString& text, const QString& detail)
{
    QStringList lines = linesOf(text);
    // A report's last line names the section; an empty one (a field already
    // reset) adds nothing.
    while (lines.size() > 1 && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (!detail.isEmpty())
        lines += linesOf(detail);
    QString out = caption + QLatin1String(": ") + lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i)
        out += QLatin1String("\n    ") + lines[i];
    return out;
}

MsgReply HeadlessDialogs::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption,
                                     const QString& detail)
{
    const QString shownCaption = caption.isEmpty() ? defaultCaption() : caption;
    state_->shown.push_back({shownCaption, text, detail, icon});
    if (!state_->quiet) {
        const QByteArray line = printed(shownCaption, text, detail).toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
        std::fflush(stderr);
    }
    if (!state_->replies.empty()) {
        const MsgReply r = state_->replies.front();
        state_->replies.pop_front();
        return r;
    }
    return defaultReply(buttons);
}

std::optional<QString> HeadlessDialogs::inputBox(const QString&, const QString&, const QString& defaultText)
{
    return state_->nextText(defaultText);
}

std::optional<QString> HeadlessDialogs::saveFileName(const QString&, const QString&)
{
    return state_->nextText(std::nullopt);
}

std::optional<std::int32_t> HeadlessDialogs::chooseColour(const QString&, std::int32_t)
{
    const std::optional<QString> text = state_->nextText(std::nullopt);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text->trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<QFont> HeadlessDialogs::chooseFont(const QString&, const QFont&)
{
    const std::optional<QString> text = state_->nextText(std::nullopt);
    QFont font;
    if (!text || !font.fromString(*text))
        return std::nullopt;
    return font;
}

bool HeadlessDialogs::runModal(QObject& window, const std::function<bool()>&)
{
    const QString title = window.property("windowTitle").toString();
    const MsgReply reply = messageBox(QString(), MsgButtons::OKCancel, MsgIcon::None, title);
    return reply != MsgReply::Cancel && reply != MsgReply::No;
}

void HeadlessDialogs::scriptReply(MsgReply reply) { state_->replies.push_back(reply); }

void HeadlessDialogs::scriptText(std::optional<QString> text) { state_->texts.push_back(std::move(text)); }

const std::vector<HeadlessDialogs::Shown>& HeadlessDialogs::shown() const { return state_->shown; }

void HeadlessDialogs::clearShown() { state_->shown.clear(); }

}  // namespace kwpnd
