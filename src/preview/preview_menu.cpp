#include "preview_menu.h"

#include "preview_window.h"
#include "window_handler.h"

#include <QMenu>

namespace kwpnd {

namespace {
using Action = void (*)(frmKWPNDPreviewA&);

struct Item {
    const char* name;
    const char* caption;
    Action action;
};

// The items of the menu, in order. No item is ever disabled.
const Item kItems[] = {
    {"mnuPopUpCopy", "&Copy", [](frmKWPNDPreviewA& w) { w.PreviewCopy(); }},
    {"mnuPopUpSave", "&Save", [](frmKWPNDPreviewA& w) { w.PreviewSave(); }},
    {"mnuPopUpPrint", "&Print", [](frmKWPNDPreviewA& w) { w.PreviewPrint(); }},
    {"mnuPopUpEmail", "&Email", [](frmKWPNDPreviewA& w) { w.PreviewEmail(); }},
    {"mnuPopUpGenerate", "&Generate", [](frmKWPNDPreviewA& w) { w.mnuPopUpGenerate_Click(); }},
    {"mnuPopUpGuides", "Guides", [](frmKWPNDPreviewA& w) { w.mnuPopUpGuides_Click(); }},
    {"mnuPopUpAdjusters", "&Adjusters", [](frmKWPNDPreviewA& w) { w.mnuPopUpAdjusters_Click(); }},
    {"mnuPopUpSettings", "Set&tings", [](frmKWPNDPreviewA& w) { w.PreviewSettings(); }},
};

// The "Go To Page" submenu: each item pages as the paging bar's button.
const Item kGoToPageItems[] = {
    {"mnuPopUpGotoPageFirst", "&First", [](frmKWPNDPreviewA& w) { w.cmdPages_Click(0); }},
    {"mnuPopUpGotoPagePrevious", "&Previous", [](frmKWPNDPreviewA& w) { w.cmdPages_Click(1); }},
    {"mnuPopUpGotoPageNext", "&Next", [](frmKWPNDPreviewA& w) { w.cmdPages_Click(2); }},
    {"mnuPopUpGotoPageLast", "&Last", [](frmKWPNDPreviewA& w) { w.cmdPages_Click(3); }},
};

const Item kExit = {"mnuPopUpExit", "&Exit", [](frmKWPNDPreviewA& w) { w.unload(); }};

void addItem(QMenu& menu, const Item& item, frmKWPNDPreviewA& window)
{
    QAction* action = menu.addAction(QLatin1String(item.caption));
    action->setObjectName(QLatin1String(item.name));
    const Action run = item.action;
    QObject::connect(action, &QAction::triggered, &menu, [run, &window] { runHandler([&] { run(window); }); });
}
}  // namespace

void buildPreviewMenu(QMenu& menu, frmKWPNDPreviewA& window)
{
    for (const Item& item : kItems)
        addItem(menu, item, window);
    QMenu* goToPage = menu.addMenu(QStringLiteral("Go To Page"));
    goToPage->menuAction()->setObjectName(QStringLiteral("mnuPopUpGotoPage"));
    for (const Item& item : kGoToPageItems)
        addItem(*goToPage, item, window);
    addItem(menu, kExit, window);
    // The check marks of "Guides" and "&Adjusters" show only the toggles
    // made here.
    for (const char* toggle : {"mnuPopUpGuides", "mnuPopUpAdjusters"})
        menu.findChild<QAction*>(QLatin1String(toggle))->setCheckable(true);
}

}  // namespace kwpnd
