#include "component_setup.h"

#include "control_options.h"

namespace kwpnd::app {

namespace {

// Loads a picture named on the command line; "--logo FILE: reason" on failure.
Picture picture(const char* option, const QString& path)
{
    try {
        return LoadPicture(path);
    } catch (const Error& e) {
        throw e.within(QStringLiteral("%1 %2").arg(QLatin1String(option), path));
    }
}

struct PictureOption {
    const char* option;
    void (clsKWPNDPreviewA::*set)(const Picture&);
};

const PictureOption kComponentPictures[] = {
    {"--picture1", &clsKWPNDPreviewA::Picture1},
    {"--picture2", &clsKWPNDPreviewA::Picture2},
    {"--picture3", &clsKWPNDPreviewA::Picture3},
    {"--picture4", &clsKWPNDPreviewA::Picture4},
};

}  // namespace

QString describe(const Error& e) { return QStringLiteral("%1 (error %2)").arg(e.message()).arg(e.number()); }

void applyRenderOptions(clsKWPNDPreviewA& component, const RenderOptions& o, CommandLineControls& controls)
{
    component.ScaleMode(static_cast<PND_SCALEMODE>(o.scaleMode));
    component.Watermark(o.watermark);
    if (!o.logo.isEmpty())
        component.Logo(picture("--logo", o.logo));
    for (int i = 0; i < 4; ++i)
        if (!o.pictures[i].isEmpty())
            (component.*kComponentPictures[i].set)(picture(kComponentPictures[i].option, o.pictures[i]));
    if (!o.backPicture.isEmpty())
        component.BackPicture(picture("--back-picture", o.backPicture));
    for (const auto& [key, text] : o.strings)
        component.AddToStrings(text, key);
    for (const auto& [key, file] : o.pictureFiles) {
        Picture p = picture("--picture", file);
        component.AddToPictures(p, key);
    }
    controls.registerWith(component, o);
}

}  // namespace kwpnd::app
