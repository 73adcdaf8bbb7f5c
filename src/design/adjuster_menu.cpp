#include "adjuster_menu.h"

#include "adjusters.h"
#include "engine_api.h"
#include "layout_edits.h"
#include "preview_api.h"

#include <QAction>
#include <QMenu>

namespace kwpnd {

namespace {
using Action = void (*)(Adjusters&, frmKWPNDPreviewA&);

struct Item {
    int index;
    const char* caption;  // "-": a separator
    Action action;
};

// Off and on again, each generating: the show mode takes effect on a page
// with adjusters.
void adjustersOffAndOn(frmKWPNDPreviewA& window)
{
    window.mnuPopUpAdjusters_Click();
    window.mnuPopUpAdjusters_Click();
}

const Item kItems[] = {
    {0, "Bold",
     [](Adjusters& a, frmKWPNDPreviewA&) { a.adjusterKeyDown(a.miActiveAdjuster, AdjusterKey::B, AdjusterKey::Ctrl); }},
    {101, "-", nullptr},
    {102, "Show This",
     [](Adjusters& a, frmKWPNDPreviewA& w) {
         a.mbShowActiveAdjusterOnly = true;
         adjustersOffAndOn(w);
     }},
    {103, "Show All",
     [](Adjusters& a, frmKWPNDPreviewA& w) {
         a.mbShowActiveAdjusterOnly = false;
         adjustersOffAndOn(w);
     }},
    {104, "Clear Adjusters", [](Adjusters&, frmKWPNDPreviewA& w) { w.mnuPopUpAdjusters_Click(); }},
    {105, "-", nullptr},
    {106, "Exit", [](Adjusters&, frmKWPNDPreviewA& w) { w.mnuPopUpAdjusters_Click(); }},
};
}  // namespace

void buildAdjusterMenu(QMenu& menu, Adjusters& adjusters, frmKWPNDPreviewA& window, LayoutEdits& edits)
{
    menu.clear();
    menu.setTitle(QStringLiteral("&Adjuster Menu"));
    for (const Item& item : kItems) {
        QAction* action = item.action ? menu.addAction(QLatin1String(item.caption)) : menu.addSeparator();
        action->setObjectName(QStringLiteral("mnuPopUpAdjusterMenuAdjustement_%1").arg(item.index));
        if (!item.action)
            continue;
        const Action run = item.action;
        QObject::connect(action, &QAction::triggered, &adjusters, [run, &adjusters, &window] {
            endSilently([&] { showOnFailure(window.dialogs(), MsgIcon::Critical, [&] { run(adjusters, window); }); });
        });
    }
    menu.addSeparator();
    edits.addMenuItems(menu);
}

}  // namespace kwpnd
