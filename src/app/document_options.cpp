#include "document_options.h"

namespace kwpnd::app {

namespace {

std::pair<QString, QString> splitPair(const QString& option, const QString& value)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0)
        throw UsageError{QStringLiteral("%1 expects KEY=VALUE, got '%2'").arg(option, value)};
    return {value.left(eq), value.mid(eq + 1)};
}

double number(const QString& option, const QString& value)
{
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 expects a number, got '%2'").arg(option, value)};
    return v;
}

int scaleMode(const QString& option, const QString& value)
{
    const double mode = number(option, value);
    if (mode < 0 || mode > 7 || mode != static_cast<int>(mode))
        throw UsageError{QStringLiteral("--scale-mode expects 0..7, got '%1'").arg(value)};
    return static_cast<int>(mode);
}

using Pairs = std::vector<std::pair<QString, QString>> RenderOptions::*;

// Options taking one value (the last one given counts).
struct SingleOption {
    const char* name;
    const char* shortName;
    void (*set)(RenderOptions& o, const QString& option, const QString& value);
};
const SingleOption kSingleOptions[] = {
    {"data", "d", [](RenderOptions& o, const QString&, const QString& v) { o.data = v; }},
    {"output", "o", [](RenderOptions& o, const QString&, const QString& v) { o.output = v; }},
    {"scale-mode", nullptr, [](RenderOptions& o, const QString& n, const QString& v) { o.scaleMode = scaleMode(n, v); }},
    {"height", nullptr, [](RenderOptions& o, const QString& n, const QString& v) { o.height = number(n, v); }},
    {"width", nullptr, [](RenderOptions& o, const QString& n, const QString& v) { o.width = number(n, v); }},
    {"watermark", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.watermark = v; }},
    {"logo", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.logo = v; }},
    {"picture1", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[0] = v; }},
    {"picture2", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[1] = v; }},
    {"picture3", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[2] = v; }},
    {"picture4", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.pictures[3] = v; }},
    {"back-picture", nullptr, [](RenderOptions& o, const QString&, const QString& v) { o.backPicture = v; }},
};

// Repeatable KEY=VALUE options.
struct PairOption {
    const char* name;
    Pairs pairs;
};
const PairOption kPairOptions[] = {
    {"string", &RenderOptions::strings},     {"picture", &RenderOptions::pictureFiles},
    {"app", &RenderOptions::appMembers},     {"grid", &RenderOptions::grids},
    {"listview", &RenderOptions::listviews}, {"webbrowser", &RenderOptions::webbrowsers},
};

// Switches.
struct FlagOption {
    const char* name;
    bool RenderOptions::*flag;
};
const FlagOption kFlagOptions[] = {
    {"strict", &RenderOptions::strict},
    {"no-print", &RenderOptions::noPrint},
};

QString dashed(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

}  // namespace

void addDocumentOptions(QCommandLineParser& parser, const QList<QCommandLineOption>& extra)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const SingleOption& o : kSingleOptions) {
        QStringList names{QLatin1String(o.name)};
        if (o.shortName)
            names.prepend(QLatin1String(o.shortName));
        parser.addOption(QCommandLineOption(names, QString(), QStringLiteral("value")));
    }
    for (const PairOption& o : kPairOptions)
        parser.addOption(QCommandLineOption(QLatin1String(o.name), QString(), QStringLiteral("KEY=VALUE")));
    for (const FlagOption& o : kFlagOptions)
        parser.addOption(QCommandLineOption(QLatin1String(o.name)));
    for (const QCommandLineOption& o : extra)
        parser.addOption(o);
    parser.addPositionalArgument(QStringLiteral("LAYOUT"), QString());
}

void parseArguments(QCommandLineParser& parser, const QString& command, const QStringList& args)
{
    if (!parser.parse(QStringList{QStringLiteral("kwpnd ") + command} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            throw UsageError{QStringLiteral("unknown option '%1'").arg(dashed(unknown.first()))};
        throw UsageError{parser.errorText()};
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        throw UsageError{QStringLiteral("unexpected argument '%1'").arg(positional[1])};
}

RenderOptions documentOptions(const QCommandLineParser& parser)
{
    RenderOptions o;
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.first().isEmpty())
        throw UsageError{QStringLiteral("no layout file given")};
    o.layout = positional.first();
    for (const SingleOption& s : kSingleOptions)
        if (parser.isSet(QLatin1String(s.name)))
            s.set(o, QStringLiteral("--") + QLatin1String(s.name), parser.value(QLatin1String(s.name)));
    for (const PairOption& p : kPairOptions)
        for (const QString& value : parser.values(QLatin1String(p.name)))
            (o.*p.pairs).push_back(splitPair(QStringLiteral("--") + QLatin1String(p.name), value));
    for (const FlagOption& f : kFlagOptions)
        o.*f.flag = parser.isSet(QLatin1String(f.name));
    return o;
}

}  // namespace kwpnd::app
