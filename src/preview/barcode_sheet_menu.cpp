#include "barcode_sheet_menu.h"

#include "preview_window.h"
#include "window_handler.h"

#include <QMenu>

namespace kwpnd {

namespace {
using Action = void (*)(frmKWPNDPreviewA&);

struct Item {
    const char* name;
    const char* caption;
    Action action;  // none: the item only carries its check mark
    bool checkable;
};

const Item kItems[] = {
    {"mnuBarcodeSheetMenuCopyBarcode", "&Copy Barcode",
     [](frmKWPNDPreviewA& w) { w.mnuBarcodeSheetMenuCopyBarcode_Click(); }, false},
    {"mnuBarcodeSheetMenuHideLabel", kHideLabelsCaption,
     [](frmKWPNDPreviewA& w) { w.mnuBarcodeSheetMenuHideLabel_Click(); }, false},
    {"mnuBarcodeSheetMenuShowbarCode", "&Show Barcode",
     [](frmKWPNDPreviewA& w) { w.mnuBarcodeSheetMenuShowbarCode_Click(); }, false},
    // Nothing depends on this check mark yet; it toggles on its own.
    {"mnuBarcodeSheetMenuShowGuides", "Show &Guides", nullptr, true},
};
}  // namespace

void buildBarcodeSheetMenu(QMenu& menu, frmKWPNDPreviewA& window)
{
    menu.setTitle(QStringLiteral("&Barcode Sheet Menu"));
    for (const Item& item : kItems) {
        QAction* action = menu.addAction(QLatin1String(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(item.checkable);
        if (const Action run = item.action)
            QObject::connect(action, &QAction::triggered, &menu, [run, &window] { runHandler([&] { run(window); }); });
    }
}

}  // namespace kwpnd
