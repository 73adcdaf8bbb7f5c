#include "stationery_window.h"

#include <kwpnd/dialogs.h>
#include <kwpnd/error.h>
#include <kwpnd/stationery.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPointer>
#include <cstdio>
#include <memory>
#include <variant>

namespace kwpnd::app {

namespace {

enum Status { kShown = 0, kFailed = 1, kUsage = 2 };

int problem(int status, const QString& message)
{
    QString text = QStringLiteral("kwpnd: ") + message + QLatin1Char('\n');
    if (status == kUsage)
        text += QStringLiteral("Run 'kwpnd stationery --help' for usage.\n");
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    return status;
}

struct Options {
    QString folder;
    QString page;
    QString screenshot;
    bool allowRemote = false;
};

// The options, or the usage error's message.
std::variant<Options, QString> parse(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(), QStringLiteral("FILE.png"));
    const QCommandLineOption allowRemote(QStringLiteral("allow-remote"));
    parser.addOptions({screenshot, allowRemote});
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("kwpnd-stationery")} + args))
        return parser.errorText();
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return QStringLiteral("stationery expects a FOLDER and a PAGE");
    Options o{positional[0], positional[1], parser.value(screenshot), parser.isSet(allowRemote)};
    // The page is named inside the stationery folder, and shown from its copy.
    const QString clean = QDir::cleanPath(o.page);
    if (QDir::isAbsolutePath(o.page) || clean == QLatin1String("..") || clean.startsWith(QLatin1String("../")))
        return QStringLiteral("PAGE names a page inside the stationery folder, got '%1'").arg(o.page);
    if (parser.isSet(screenshot) && !o.screenshot.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return QStringLiteral("--screenshot expects a .png file, got '%1'").arg(o.screenshot);
    return o;
}

bool onRealDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

int show(const Options& o)
{
    const bool person = o.screenshot.isEmpty();
    if (person && !onRealDisplay())
        return problem(kFailed, QStringLiteral("no display to show the window on (give --screenshot FILE.png to "
                                               "take a picture of it instead)"));
    if (!person)
        Dialogs::setCurrent(std::make_shared<HeadlessDialogs>());

    clsKWPNDStationaryA component;
    component.AllowRemoteContent(o.allowRemote);
    component.StationaryPath(o.folder);
    // The working copy is this command's own: it goes when the command ends.
    struct Cleanup {
        clsKWPNDStationaryA& c;
        ~Cleanup()
        {
            try {
                c.ClearWinPndTempFolder();
            } catch (const Error&) {
            }
        }
    } cleanup{component};

    component.ShowStationaryContainer(QDir(component.WinPndTempFolder()).filePath(QDir::cleanPath(o.page)));
    QPointer<frmKWPNDStationaryA> window = component.StationaryWindow();
    if (person) {
        QApplication::exec();
        return kShown;
    }
    if (!window->waitForPage())
        return problem(kFailed, QStringLiteral("the page %1 did not load").arg(o.page));
    const QImage shot = window->grab().toImage();
    window->close();
    QImageWriter writer(o.screenshot, "png");
    if (!writer.write(shot))
        return problem(kFailed, QStringLiteral("cannot write %1: %2").arg(o.screenshot, writer.errorString()));
    return kShown;
}

}  // namespace

int runStationeryWindow(const QStringList& args)
{
    const auto parsed = parse(args);
    if (const QString* message = std::get_if<QString>(&parsed))
        return problem(kUsage, *message);
    try {
        return show(std::get<Options>(parsed));
    } catch (const Error& e) {
        return problem(kFailed, e.message());
    }
}

}  // namespace kwpnd::app
