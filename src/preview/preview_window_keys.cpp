// The window's keyboard shortcuts and the preview menu's own handlers.
#include "preview_visual.h"

#include <QAction>
#include <QMenu>

namespace kwpnd {

namespace {
// Classic shift state of the Ctrl key alone.
constexpr std::int16_t kCtrlAlone = 2;

struct Shortcut {
    std::int16_t keyCode;
    bool ctrlAlone;  // else any modifiers
    void (*run)(frmKWPNDPreviewA&);
};

const Shortcut kShortcuts[] = {
    {80, true, [](frmKWPNDPreviewA& w) { w.PreviewPrint(); }},       // Ctrl+P
    {76, true, [](frmKWPNDPreviewA& w) { w.PreviewClear(); }},       // Ctrl+L
    {83, true, [](frmKWPNDPreviewA& w) { w.PreviewSave(); }},        // Ctrl+S
    {67, true, [](frmKWPNDPreviewA& w) { w.PreviewCopy(); }},        // Ctrl+C
    {116, false, [](frmKWPNDPreviewA& w) { w.PreviewGenerate(); }},  // F5: draws over the page
    {118, false, [](frmKWPNDPreviewA& w) { w.PreviewSettings(); }},  // F7
};
}  // namespace

bool frmKWPNDPreviewA::Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    if (designAids_ && designAids_->windowKeyDown(KeyCode, Shift))
        return true;
    for (const Shortcut& s : kShortcuts) {
        if (s.keyCode == KeyCode && (!s.ctrlAlone || Shift == kCtrlAlone)) {
            s.run(*this);
            return true;
        }
    }
    return false;
}

void frmKWPNDPreviewA::showPreviewMenu(const QPoint& globalPosition)
{
    form().mnuPopUpPreviewMenu->exec(globalPosition);
}

void frmKWPNDPreviewA::mnuPopUpGenerate_Click()
{
    PreviewClear();
    if (mbPreviewGenerate)
        PreviewGenerate();
}

void frmKWPNDPreviewA::mnuPopUpGuides_Click()
{
    mbGuides = !mbGuides;
    form().menuItem(QStringLiteral("mnuPopUpGuides"))->setChecked(mbGuides);
    mnuPopUpGenerate_Click();
}

void frmKWPNDPreviewA::mnuPopUpAdjusters_Click()
{
    mbAdjusters = !mbAdjusters;
    form().menuItem(QStringLiteral("mnuPopUpAdjusters"))->setChecked(mbAdjusters);
    mnuPopUpGenerate_Click();
}

}  // namespace kwpnd
