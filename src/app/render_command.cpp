#include "command_line.h"
#include "component_setup.h"
#include "open_document.h"

#include "kwpnd/dialogs.h"
#include "kwpnd/error.h"
#include "kwpnd/preview.h"
#include "preview/page_export.h"
#include "preview/preview_window.h"

#include <QFileInfo>

namespace kwpnd::app {

namespace {

void writePage(clsKWPNDPreviewA& component, const QString& output)
{
    const Surface& page = component.window().CerPrvC();
    if (page.pixelWidth() == 0 || page.pixelHeight() == 0)
        throw Error::detailed(
            ErrorNumber::InvalidPicture,
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

    DocumentOptions options;
    options.render = o;
    options.afterGenerateActions = !o.noPrint;
    OpenDocument document(options);
    clsKWPNDPreviewA* component = document.component();
    if (!component)
        return kFailed;

    try {
        writePage(*component, o.output);
    } catch (const Error& e) {
        printProblem(QStringLiteral("cannot write %1: %2").arg(o.output, describe(e)));
        return kFailed;
    }
    return documentStatus(*component, o.strict, !dialogs->shown().empty());
}

}  // namespace kwpnd::app
