#include "command_line.h"

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

QString describe(const Error& e) { return QStringLiteral("%1 (error %2)").arg(e.description()).arg(e.number()); }

// Loads a picture named on the command line; "--logo FILE: reason" on failure.
Picture picture(const char* option, const QString& path)
{
    try {
        return LoadPicture(path);
    } catch (const Error& e) {
        throw Error(e.number(), QStringLiteral("%1 %2: %3").arg(QLatin1String(option), path, e.description()));
    }
}

void writePage(clsKWPNDPreviewA& component, const QString& output)
{
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

    auto component = clsKWPNDPreviewA::create();
    QObject application;  // the host application object: members by name
    for (const auto& [name, value] : o.appMembers)
        application.setProperty(name.toUtf8().constData(), value);

    try {
        component->ScaleMode(static_cast<PND_SCALEMODE>(o.scaleMode));
        component->Watermark(o.watermark);
        if (!o.logo.isEmpty())
            component->Logo(picture("--logo", o.logo));
        static const char* const kPictureOptions[] = {"--picture1", "--picture2", "--picture3", "--picture4"};
        void (clsKWPNDPreviewA::*setters[])(const Picture&) = {
            &clsKWPNDPreviewA::Picture1, &clsKWPNDPreviewA::Picture2, &clsKWPNDPreviewA::Picture3,
            &clsKWPNDPreviewA::Picture4};
        for (int i = 0; i < 4; ++i)
            if (!o.pictures[i].isEmpty())
                (component.get()->*setters[i])(picture(kPictureOptions[i], o.pictures[i]));
        if (!o.backPicture.isEmpty())
            component->BackPicture(picture("--back-picture", o.backPicture));
        for (const auto& [key, text] : o.strings)
            component->AddToStrings(text, key);
        for (const auto& [key, file] : o.pictureFiles) {
            Picture p = picture("--picture", file);
            component->AddToPictures(p, key);
        }
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
