// Pictures, shapes and host controls from the command line: the shapes
// example, and the widgets --grid, --listview and --webbrowser register.

#include "command_line.h"
#include "control_options.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "support/test_support.h"
#include "tool_run.h"
#include "web_parts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTableWidget>
#include <QUrl>

namespace kwpnd::test {
namespace {

// The tool, run in the repository's root folder like the demo.
ToolRun kwpndInSource(const QStringList& args)
{
    return runKwpnd(args, QProcessEnvironment::systemEnvironment(), QStringLiteral(KWPND_SOURCE_DIR));
}

QStringList shapesArguments(const QString& out)
{
    return {QStringLiteral("render"), QStringLiteral("examples/shapes/layout.ini"),
            QStringLiteral("-d"),     QStringLiteral("examples/shapes/data.ini"),
            QStringLiteral("--logo"), QStringLiteral("examples/shapes/logo.png"),
            QStringLiteral("--grid"), QStringLiteral("Orders=examples/shapes/orders.csv"),
            QStringLiteral("-o"),     out};
}

int darkPixels(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

TEST(CliPictures, RendersTheShapesExample)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("shapes.png"));
    const ToolRun r = kwpndInSource(shapesArguments(out));
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    // Only the captured table may be reported, and only while capturing is
    // not offered by the window.
    for (const QString& line : r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(line.startsWith(QStringLiteral("445: ")) && line.endsWith(QStringLiteral("\\nOrders")))
            << line.toStdString();
    const QImage page = QImage(out).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), QSize(794, 1123));
    // The header band's light blue, the logo's blue in the header, in the
    // grid of twelve and stretched, and the seal's red.
    EXPECT_GT(countPixels(page, 0xE6EEF8), 20000);
    EXPECT_GT(countPixels(page, 0x1F3A93, QRect(50, 50, 80, 60)), 1000);
    EXPECT_GT(countPixels(page, 0xF2C11E, QRect(30, 250, 380, 220)), 12 * 300);
    EXPECT_GT(countPixels(page, 0x1F3A93, QRect(30, 790, 230, 150)), 15000);
    EXPECT_GT(countPixels(page, 0xC81E1E), 500);
}

TEST(CliPictures, CapturedTableRendersFromTheCommandLine)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("shapes.png"));
    const ToolRun r = kwpndInSource(shapesArguments(out) + QStringList{QStringLiteral("--strict")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    // The table at (12.5, 7.4) units: its cell texts' ink right of the grid.
    const QImage page(out);
    EXPECT_GT(darkPixels(page, QRect(455, 270, 300, 150)), 300);
}

// The page of a layout whose one field captures the web view showing `html`,
// rendered by the tool under --strict.
QImage renderedWebPage(const QTemporaryDir& dir, const QString& html)
{
    const QString layout = writeFile(dir, QStringLiteral("l.ini"),
                                     "[PreviewWindow]\nHeight=6000\nWidth=9000\n"
                                     "[Preview]\nPrintAfterGenerate=0\nCopyToClipboard=0\n"
                                     "[Web]\nEnabled=1\nType=WBFromWebbrowsers\nXLeft=1\nYTop=1\n");
    const QString data = writeFile(dir, QStringLiteral("d.ini"), "[Web]\nData=page\n");
    const QString out = dir.filePath(QStringLiteral("web.png"));
    const ToolRun r =
        kwpndInSource({QStringLiteral("render"), layout, QStringLiteral("-d"), data, QStringLiteral("--webbrowser"),
                       QStringLiteral("Page=") + html, QStringLiteral("-o"), out, QStringLiteral("--strict")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

TEST(CliPictures, CapturedWebViewShowsItsPage)
{
    QTemporaryDir dir;
    const QString html =
        writeFile(dir, QStringLiteral("page.html"), "<html><body style='margin:0;background:#1F3A93'></body></html>");
    const QImage page = renderedWebPage(dir, html);
    // The page's colour fills the captured view from (1, 1) units of 22 x 31 on.
    EXPECT_GT(countPixels(page, 0x1F3A93, QRect(40, 40, 200, 200)), 30000);
}

// A captured page reads the files in its folder, and nothing else: a local
// file outside it is blocked (the reads are synchronous, so they are done
// when the page has loaded).
TEST(CliPictures, CapturedWebViewIsConfinedToItsFolder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("site"));
    const QString secret = writeFile(dir, QStringLiteral("secret.txt"), "secret");
    writeFile(dir, QStringLiteral("site/beside.txt"), "beside");
    // Each probe paints its square: green when the read succeeded, blue when
    // it was blocked, red when a file outside the folder was read.
    const QByteArray html =
        "<html><body style='margin:0'>"
        "<div id=a style='width:100px;height:100px;background:#808080'></div>"
        "<div id=b style='width:100px;height:100px;background:#808080'></div>"
        "<script>"
        "function probe(id, url, want) {"
        "  var x = new XMLHttpRequest();"
        "  x.onload = function() { document.getElementById(id).style.background ="
        "    (x.responseText.trim() == want) ? (want == 'beside' ? '#00ff00' : '#ff0000') : '#0000ff'; };"
        "  x.onerror = function() { document.getElementById(id).style.background = '#0000ff'; };"
        "  try { x.open('GET', url, false); x.send(); } catch (e) { x.onerror(); }"
        "}"
        "probe('a', 'beside.txt', 'beside');"
        "probe('b', '" +
        QUrl::fromLocalFile(secret).toString().toUtf8() +
        "', 'secret');"
        "</script></body></html>";
    const QString page = writeFile(dir, QStringLiteral("site/page.html"), html);
    const QImage shot = renderedWebPage(dir, page);
    EXPECT_EQ(countPixels(shot, 0xFF0000), 0);
    EXPECT_GT(countPixels(shot, 0x00FF00), 5000);  // the file beside the page
    EXPECT_GT(countPixels(shot, 0x0000FF), 5000);  // the file outside, blocked
}

TEST(CliPictures, ControlOptionsParseAndNeedKeys)
{
    const app::RenderOptions o =
        app::parseRenderOptions({QStringLiteral("l.ini"), QStringLiteral("--grid"), QStringLiteral("Orders=a.csv"),
                                 QStringLiteral("--listview=Names=b.txt"), QStringLiteral("--webbrowser"),
                                 QStringLiteral("Page=c.html"), QStringLiteral("-o"), QStringLiteral("x.png")});
    ASSERT_EQ(o.grids.size(), 1u);
    EXPECT_EQ(o.grids[0], std::make_pair(QStringLiteral("Orders"), QStringLiteral("a.csv")));
    ASSERT_EQ(o.listviews.size(), 1u);
    EXPECT_EQ(o.listviews[0], std::make_pair(QStringLiteral("Names"), QStringLiteral("b.txt")));
    ASSERT_EQ(o.webbrowsers.size(), 1u);
    EXPECT_EQ(o.webbrowsers[0].second, QStringLiteral("c.html"));
    for (const char* option : {"--grid", "--listview", "--webbrowser"})
        EXPECT_THROW(app::parseRenderOptions({QStringLiteral("l.ini"), QLatin1String(option), QStringLiteral("a.csv"),
                                              QStringLiteral("-o"), QStringLiteral("x.png")}),
                     app::UsageError)
            << option;
}

TEST(CliPictures, CsvRows)
{
    const QList<QStringList> rows =
        app::parseCsv(QStringLiteral("Item,Price\r\n\"Washers, steel\",0.03\n\"Say \"\"hi\"\"\",\"two\nlines\"\n,\n"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("Item"), QStringLiteral("Price")}));
    EXPECT_EQ(rows[1], (QStringList{QStringLiteral("Washers, steel"), QStringLiteral("0.03")}));
    EXPECT_EQ(rows[2], (QStringList{QStringLiteral("Say \"hi\""), QStringLiteral("two\nlines")}));
    EXPECT_EQ(rows[3], (QStringList{QString(), QString()}));
    EXPECT_EQ(app::parseCsv(QStringLiteral("a,b")).size(), 1);
    EXPECT_TRUE(app::parseCsv(QString()).isEmpty());

    // Cells are counted as they are read: too many is an overflow.
    EXPECT_EQ(app::parseCsv(QStringLiteral("a,b\nc,d"), 4).size(), 2);
    EXPECT_EQ(errorOf([] { app::parseCsv(QStringLiteral("a,b\nc,d,"), 4); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { app::parseCsv(QStringLiteral("a,b\nc,d\ne"), 4); }), ErrorNumber::Overflow);
}

TEST(CliPictures, ControlsAreBuiltFromFilesAndCapturable)
{
    // The web view comes from the tool's plugin, here in this process.
    app::useWebPartsFolder(QStringLiteral(KWPND_WEB_PARTS_DIR));
    QTemporaryDir dir;
    app::RenderOptions o;
    o.grids = {{QStringLiteral("Orders"), QStringLiteral(KWPND_SOURCE_DIR "/examples/shapes/orders.csv")}};
    o.listviews = {{QStringLiteral("Names"), writeFile(dir, QStringLiteral("names.txt"), "alpha\r\nbeta\ngamma\n")}};
    o.webbrowsers = {{QStringLiteral("Page"),
                      writeFile(dir, QStringLiteral("page.html"),
                                "<html><body style='margin:0;background:#fff'>"
                                "<div style='width:200px;height:100px;background:#f00'></div></body></html>")}};
    auto component = clsKWPNDPreviewA::create();
    app::CommandLineControls controls;
    controls.registerWith(*component, o);

    auto* table = qobject_cast<QTableWidget*>(objectOf(component->mcolFlexGrids()->Item(QStringLiteral("orders"))));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), QStringLiteral("Price"));
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("Washers, steel"));

    auto* list = qobject_cast<QListWidget*>(objectOf(component->mcolListviews()->Item(QStringLiteral("Names"))));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("alpha"));

    // The table is sized to its content: all of it shows in a picture of it.
    const QImage grid = table->grab().toImage();
    EXPECT_EQ(grid.size(), table->size());
    const QRect lastCell = table->visualItemRect(table->item(3, 2)).translated(table->viewport()->pos());
    EXPECT_TRUE(grid.rect().contains(lastCell));
    EXPECT_GT(darkPixels(grid, lastCell), 10);

    // The web view is a widget that a field can capture (its painted page is
    // checked on a rendered page below).
    QObject* web = objectOf(component->mcolWebbrowsers()->Item(QStringLiteral("Page")));
    EXPECT_NE(qobject_cast<QWidget*>(web), nullptr);
}

TEST(CliPictures, UnreadableControlFilesFail)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.csv"));
    const ToolRun r = kwpndInSource({QStringLiteral("render"), QStringLiteral("examples/shapes/layout.ini"),
                                     QStringLiteral("--grid"), QStringLiteral("Orders=") + missing,
                                     QStringLiteral("-o"), dir.filePath(QStringLiteral("p.png"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, QStringLiteral("kwpnd: File not found: --grid %1 (error 53)\n").arg(missing));

    for (auto files : {&app::RenderOptions::listviews, &app::RenderOptions::webbrowsers}) {
        app::RenderOptions absent;
        (absent.*files).push_back({QStringLiteral("K"), missing});
        auto component = clsKWPNDPreviewA::create();
        app::CommandLineControls controls;
        EXPECT_EQ(errorOf([&] { controls.registerWith(*component, absent); }), ErrorNumber::FileNotFound);
    }

    // Two controls under one key: the second is refused.
    app::RenderOptions o;
    const QString list = writeFile(dir, QStringLiteral("l.txt"), "a\n");
    o.listviews = {{QStringLiteral("K"), list}, {QStringLiteral("k"), list}};
    auto component = clsKWPNDPreviewA::create();
    app::CommandLineControls controls;
    EXPECT_EQ(errorOf([&] { controls.registerWith(*component, o); }), ErrorNumber::DuplicateKey);
}

}  // namespace
}  // namespace kwpnd::test

namespace kwpnd::test {
namespace {

TEST(CliPictures, ControlFilesMustBeRegularFilesUnderTheCap)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString big = dir.filePath(QStringLiteral("big.csv"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(32 * 1024 * 1024 + 1));  // sparse: no room taken
    }
    struct Case {
        std::vector<std::pair<QString, QString>> app::RenderOptions::*files;
        const char* option;
        QString path;
        const char* reason;
    } cases[] = {
        {&app::RenderOptions::grids, "--grid", QStringLiteral("/dev/zero"), "not a regular file"},
        {&app::RenderOptions::grids, "--grid", fifo, "not a regular file"},
        {&app::RenderOptions::listviews, "--listview", fifo, "not a regular file"},
        {&app::RenderOptions::webbrowsers, "--webbrowser", fifo, "not a regular file"},
        {&app::RenderOptions::grids, "--grid", big, "32 MB"},
        {&app::RenderOptions::listviews, "--listview", big, "32 MB"},
        // Within the size cap, but more items than a control may hold.
        {&app::RenderOptions::grids, "--grid", writeFile(dir, QStringLiteral("wide.csv"), QByteArray(200000, ',')),
         "100000 cells"},
        {&app::RenderOptions::listviews, "--listview",
         writeFile(dir, QStringLiteral("long.txt"), QByteArray(100001, '\n')), "100000 lines"},
    };
    for (const Case& c : cases) {
        app::RenderOptions o;
        (o.*c.files).push_back({QStringLiteral("K"), c.path});
        auto component = clsKWPNDPreviewA::create();
        app::CommandLineControls controls;
        try {
            controls.registerWith(*component, o);
            ADD_FAILURE() << c.option << " " << c.path.toStdString() << " was accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(),
                      QByteArray(c.reason).startsWith("100000") ? ErrorNumber::Overflow : ErrorNumber::PathFileAccess)
                << c.option;
            EXPECT_TRUE(e.detail().startsWith(QStringLiteral("%1 %2: ").arg(QLatin1String(c.option), c.path)))
                << e.detail().toStdString();
            EXPECT_TRUE(e.detail().contains(QLatin1String(c.reason))) << e.detail().toStdString();
        }
    }
}

}  // namespace
}  // namespace kwpnd::test
