#include "command_line.h"
#include "component_setup.h"
#include "open_document.h"

#include <kwpnd/dialogs.h>
#include <kwpnd/error.h>
#include <kwpnd/preview.h>

namespace kwpnd::app {

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
        component->writePage(o.output);
    } catch (const Error& e) {
        printProblem(QStringLiteral("cannot write %1: %2").arg(o.output, describe(e)));
        return kFailed;
    }
    return documentStatus(*component, o.strict, !dialogs->shown().empty());
}

}  // namespace kwpnd::app
