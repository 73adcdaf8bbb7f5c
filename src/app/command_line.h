#pragma once
// The kwpnd command line: sub-commands, their options and exit statuses.

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace kwpnd::app {

enum ExitStatus { kOk = 0, kFailed = 1, kUsage = 2, kReported = 3, kDataWriteFailed = 4 };

// A usage error: printed with the command's help hint, exit status 2.
struct UsageError {
    QString message;
};

struct RenderOptions {
    QString layout;
    QString data;
    QString output;
    int scaleMode = 0;
    double height = 31;
    double width = 22;
    QString watermark;
    QString logo;
    QString pictures[4];
    QString backPicture;
    std::vector<std::pair<QString, QString>> strings;       // key, text
    std::vector<std::pair<QString, QString>> pictureFiles;  // key, file
    std::vector<std::pair<QString, QString>> appMembers;    // name, value
    std::vector<std::pair<QString, QString>> grids;         // key, CSV file
    std::vector<std::pair<QString, QString>> listviews;     // key, text file
    std::vector<std::pair<QString, QString>> webbrowsers;   // key, HTML file
    bool strict = false;
    bool noPrint = false;  // skip the layout's after-generation printing and copying
};

// Parses the arguments after "render". Throws UsageError.
RenderOptions parseRenderOptions(const QStringList& args);

QString mainHelp();
QString renderHelp();

int runRender(const RenderOptions& options);

}  // namespace kwpnd::app
