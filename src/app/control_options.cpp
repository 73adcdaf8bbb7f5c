#include "control_options.h"
#include "web_parts.h"

#include <kwpnd/error.h>
#include <kwpnd/preview.h>
#include <kwpnd/user_files.h>

#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>

namespace kwpnd::app {

namespace {

// Widgets are sized to their content up to this many pixels a side; a larger
// content scrolls inside it, as it would in a host's form.
constexpr int kMaxControlSide = 4096;

[[noreturn]] void fail(const Error& e, const char* option, const QString& path)
{
    throw e.within(QStringLiteral("%1 %2").arg(QLatin1String(option), path));
}

[[noreturn]] void tooManyItems(const char* what, qsizetype most)
{
    throw Error::detailed(
        ErrorNumber::Overflow,
        QStringLiteral("the file holds more than the %1 %2 a control may have").arg(most).arg(QLatin1String(what)));
}

// A file named by an option must be a regular file of at most this size (a
// pipe or a device such as /dev/zero is refused before it is read).
constexpr qint64 kMaxControlFileBytes = 32 * 1024 * 1024;

// Runs `read`, naming the option and the path in its error.
template <typename Read>
auto forOption(const char* option, const QString& path, Read&& read)
{
    try {
        return read();
    } catch (const Error& e) {
        fail(e, option, path);
    }
}

// The text of a file named by an option: UTF-8, or Latin-1 when it is not.
QString readText(const char* option, const QString& path)
{
    return forOption(option, path, [&] { return decodeUserText(readUserFile(path, kMaxControlFileBytes)); });
}

QSize capped(int width, int height)
{
    return {std::clamp(width, 1, kMaxControlSide), std::clamp(height, 1, kMaxControlSide)};
}

std::unique_ptr<QWidget> tableFromCsv(const QString& path)
{
    const QString text = readText("--grid", path);
    const QList<QStringList> rows = forOption("--grid", path, [&] { return parseCsv(text); });
    qsizetype columns = 0;
    for (const QStringList& row : rows)
        columns = std::max(columns, row.size());
    auto table = std::make_unique<QTableWidget>(static_cast<int>(std::max<qsizetype>(rows.size() - 1, 0)),
                                                static_cast<int>(columns));
    if (!rows.isEmpty())
        table->setHorizontalHeaderLabels(rows.first());
    for (qsizetype r = 1; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            table->setItem(static_cast<int>(r - 1), static_cast<int>(c), new QTableWidgetItem(rows[r][c]));
    table->verticalHeader()->hide();
    table->resizeColumnsToContents();
    const int frame = 2 * table->frameWidth();
    table->resize(capped(table->horizontalHeader()->length() + frame,
                         table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() + frame));
    return table;
}

std::unique_ptr<QWidget> listFromText(const QString& path)
{
    const QString text = readText("--listview", path);
    forOption("--listview", path, [&] {
        const bool unended = !text.isEmpty() && !text.endsWith(QLatin1Char('\n'));
        if (text.count(QLatin1Char('\n')) + (unended ? 1 : 0) > kMaxControlItems)
            tooManyItems("lines", kMaxControlItems);
        return 0;
    });
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    auto list = std::make_unique<QListWidget>();
    list->addItems(lines);
    const int frame = 2 * list->frameWidth();
    const int rowHeight = lines.isEmpty() ? 0 : list->sizeHintForRow(0);
    list->resize(capped(list->sizeHintForColumn(0) + frame + 8, rowHeight * static_cast<int>(lines.size()) + frame));
    return list;
}

// The web view comes from the web parts plugin, loaded at the first page
// that passes the checks of every file an option names.
std::unique_ptr<QWidget> webViewOf(const QString& path)
{
    const WebParts* parts = nullptr;
    try {
        readUserFile(path, kMaxPageBytes);
        parts = &webParts();
    } catch (const Error& e) {
        throw e.within(QStringLiteral("--webbrowser %1").arg(path));
    }
    return parts->webViewOf(path);
}

struct ControlOption {
    const char* option;
    std::vector<std::pair<QString, QString>> RenderOptions::*files;
    std::unique_ptr<QWidget> (*build)(const QString& path);
    void (clsKWPNDPreviewA::*add)(QObject*, const QString&);
};

const ControlOption kControlOptions[] = {
    {"--grid", &RenderOptions::grids, tableFromCsv, &clsKWPNDPreviewA::AddToFlexGrids},
    {"--listview", &RenderOptions::listviews, listFromText, &clsKWPNDPreviewA::AddToListviews},
    {"--webbrowser", &RenderOptions::webbrowsers, webViewOf, &clsKWPNDPreviewA::AddToWebbrowsers},
};

}  // namespace

QList<QStringList> parseCsv(const QString& text, qsizetype maxCells)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowStarted = false;
    qsizetype cells = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (cells > maxCells)
            tooManyItems("cells", maxCells);
        const QChar ch = text[i];
        if (quoted) {
            if (ch == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += ch;
                ++i;
            } else if (ch == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += ch;
            }
            continue;
        }
        if (ch == QLatin1Char('"')) {
            quoted = true;
            rowStarted = true;
        } else if (ch == QLatin1Char(',')) {
            ++cells;
            row << field;
            field.clear();
            rowStarted = true;
        } else if (ch == QLatin1Char('\n')) {
            ++cells;
            row << field;
            rows << row;
            row.clear();
            field.clear();
            rowStarted = false;
        } else if (ch != QLatin1Char('\r')) {
            field += ch;
            rowStarted = true;
        }
    }
    if (rowStarted) {
        if (++cells > maxCells)
            tooManyItems("cells", maxCells);
        row << field;
        rows << row;
    }
    return rows;
}

CommandLineControls::CommandLineControls() = default;

CommandLineControls::~CommandLineControls() = default;

void CommandLineControls::registerWith(clsKWPNDPreviewA& component, const RenderOptions& options)
{
    for (const ControlOption& kind : kControlOptions) {
        for (const auto& [key, path] : options.*kind.files) {
            std::unique_ptr<QWidget> widget = kind.build(path);
            try {
                (component.*kind.add)(widget.get(), key);
            } catch (const Error& e) {
                fail(e, kind.option, key);
            }
            widgets_.push_back(std::move(widget));
        }
    }
}

}  // namespace kwpnd::app
