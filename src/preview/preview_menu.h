#pragma once
// The preview menu of the window: its items, in order, and what they do.

class QMenu;

namespace kwpnd {

class frmKWPNDPreviewA;

// Fills `menu` with the preview menu's items (each named as the window names
// it: "mnuPopUpCopy" ...), wired to `window`.
void buildPreviewMenu(QMenu& menu, frmKWPNDPreviewA& window);

}  // namespace kwpnd
