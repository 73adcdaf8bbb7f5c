#include "control_options.h"
#include "web_view_control.h"

#include "engine/ini_text_codec.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"

#include <QFile>
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
    throw Error(e.number(), QStringLiteral("%1 %2: %3").arg(QLatin1String(option), path, e.description()));
}

// The text of a file named by an option: UTF-8, or Latin-1 when it is not.
QString readText(const char* option, const QString& path)
{
    if (!QFileInfo::exists(path))
        fail(Error(ErrorNumber::FileNotFound), option, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(Error(ErrorNumber::PathFileAccess), option, path);
    return decodeIniBytes(file.readAll()).text;
}

QSize capped(int width, int height)
{
    return {std::clamp(width, 1, kMaxControlSide), std::clamp(height, 1, kMaxControlSide)};
}

std::unique_ptr<QWidget> tableFromCsv(const QString& path)
{
    const QList<QStringList> rows = parseCsv(readText("--grid", path));
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
    QStringList lines = readText("--listview", path).split(QLatin1Char('\n'));
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

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
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
            row << field;
            field.clear();
            rowStarted = true;
        } else if (ch == QLatin1Char('\n')) {
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
