#include "command_line.h"
#include "component_setup.h"
#include "control_options.h"

#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "preview/page_export.h"
#include "preview/preview_window.h"

#include <QFileInfo>
#include <QObject>
#include <cstdio>

namespace kwpnd::app {

namespace {

void printLine(const QString& text)
{
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
}

void writePage(clsKWPNDPreviewA& component, const QString& output)
{
    const Surface& page = component.window().CerPrvC();
    if (page.pixelWidth() == 0 || page.pixelHeight() == 0)
        throw Error(ErrorNumber::InvalidPicture,
                    QStringLiteral("the page is empty (%1 x %2 pixels): check Height and Width in [PreviewWindow]")
                        .arg(page.pixelWidth())
                        .arg(page.pixelHeight()));
    const QString ext = QFileInfo(output).suffix().toLower();
    if (ext == QLatin1String("bmp"))
        component.Save(output);
    else if (ext == QLatin1String("png"))
        savePagePng(component.window().CerPrvC().Image(), output);
    else
        savePagePdf(component.window().CerPrvC().Image(), output);
}

}  // namespace

int runRender(const RenderOptions& o)
{
    auto dialogs = std::make_shared<HeadlessDialogs>();
    Dialogs::setCurrent(dialogs);

    CommandLineControls controls;  // outlives the component that registers them
    auto component = clsKWPNDPreviewA::create();
    QObject application;  // the host application object: members by name
    for (const auto& [name, value] : o.appMembers)
        application.setProperty(name.toUtf8().constData(), value);

    try {
        applyRenderOptions(*component, o, controls);
    } catch (const Error& e) {
        printLine(QStringLiteral("kwpnd: ") + describe(e));
        return kFailed;
    }

    try {
        component->SettingFile(o.layout);
        component->DataFile(o.data);
        component->PreviewGenerate(true);
        component->InitialiseForm(o.height, o.width, {}, {}, o.appMembers.empty() ? nullptr : &application);
    } catch (const Error& e) {
        printLine(QStringLiteral("kwpnd: cannot open layout %1: %2").arg(o.layout, describe(e)));
        return kFailed;
    }

    try {
        component->Generate();
    } catch (const Error& e) {
        printLine(QStringLiteral("kwpnd: generation failed: ") + describe(e));
        return kFailed;
    }

    try {
        writePage(*component, o.output);
    } catch (const Error& e) {
        printLine(QStringLiteral("kwpnd: cannot write %1: %2").arg(o.output, describe(e)));
        return kFailed;
    }

    if (o.strict && !dialogs->shown().empty())
        return kReported;
    return kOk;
}

}  // namespace kwpnd::app
