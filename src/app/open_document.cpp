#include "open_document.h"

#include "component_setup.h"
#include "control_options.h"
#include "tool_output.h"
#include <kwpnd/error.h>
#include <kwpnd/preview.h>

#include <QFileInfo>
#include <QObject>

namespace kwpnd::app {

namespace {

// Why a file named on the command line cannot be read; empty when it can.
QString unreadable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("not found");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (!info.isReadable())
        return QStringLiteral("not readable");
    return {};
}

// Names the layout and data files and arms generation for them.
void nameFiles(clsKWPNDPreviewA& component, const QString& layout, const QString& data)
{
    component.SettingFile(layout);
    component.DataFile(data);
    component.PreviewGenerate(true);
}

}  // namespace

struct OpenDocument::Host {
    CommandLineControls controls;  // outlive the component that registers them
    QObject application;           // the host application object: members by name
};

OpenDocument::OpenDocument(const DocumentOptions& options) : host_(std::make_unique<Host>())
{
    component_ = clsKWPNDPreviewA::create();
    if (!open(options))
        component_.reset();
}

OpenDocument::~OpenDocument() = default;

bool OpenDocument::open(const DocumentOptions& w)
{
    const RenderOptions& o = w.render;
    clsKWPNDPreviewA& component = *component_;

    // A misspelt file is said once here, not as a report from every field.
    for (const auto& [what, path] : {std::pair{"layout", o.layout}, std::pair{"data", o.data}}) {
        if (path.isEmpty())
            continue;
        if (const QString why = unreadable(path); !why.isEmpty()) {
            printProblem(QStringLiteral("%1 file %2: %3").arg(QLatin1String(what), why, path));
            return false;
        }
    }

    for (const auto& [name, value] : o.appMembers)
        host_->application.setProperty(name.toUtf8().constData(), value);
    QObject* application = o.appMembers.empty() ? nullptr : &host_->application;

    try {
        applyRenderOptions(component, o, host_->controls);
        component.Rulers(w.rulers);
        component.Guides(w.guides);
        component.Adjusters(w.adjusters);
        component.Paging(w.paging);
        component.GenerateOnLoad(false);
        component.AfterGenerateActions(w.afterGenerateActions);
    } catch (const Error& e) {
        printProblem(describe(e));
        return false;
    }

    try {
        nameFiles(component, o.layout, o.data);
        component.InitialiseForm(o.height, o.width, {}, {}, application);
    } catch (const Error& e) {
        printProblem(QStringLiteral("cannot open layout %1: %2").arg(o.layout, describe(e)));
        return false;
    }

    // Each page is generated on the erased canvas and registered; then the
    // document's own page.
    for (const PageOption& page : w.pages) {
        try {
            nameFiles(component, page.layout, page.data.isEmpty() ? o.data : page.data);
            component.Clear();
            component.Generate();
            component.AddToPages(page.key);
        } catch (const Error& e) {
            printProblem(QStringLiteral("cannot add page %1 (%2): %3").arg(page.key, page.layout, describe(e)));
            return false;
        }
    }
    try {
        if (!w.pages.empty()) {
            nameFiles(component, o.layout, o.data);
            component.Clear();
        }
        component.Generate();
    } catch (const Error& e) {
        printProblem(QStringLiteral("generation failed: ") + describe(e));
        return false;
    }
    return true;
}

int documentStatus(const clsKWPNDPreviewA& component, bool strict, bool reported)
{
    if (component.FailedDataWrites() > 0) {
        printProblem(QStringLiteral("%1 write(s) to the data file failed: numbers written back (such as "
                                    "BarcodeEndNumber) were not stored")
                         .arg(component.FailedDataWrites()));
        return kDataWriteFailed;
    }
    return strict && reported ? kReported : kOk;
}

}  // namespace kwpnd::app
