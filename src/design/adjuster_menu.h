#pragma once
// The adjuster menu ("&Adjuster Menu"): opened by a right click on the page
// canvas while adjusters are on.

class QMenu;

namespace kwpnd {

class Adjusters;
class LayoutEdits;
class frmKWPNDPreviewA;

// Fills `menu` with the items of the adjuster menu (the control array
// mnuPopUpAdjusterMenuAdjustement, named "mnuPopUpAdjusterMenuAdjustement_<index>"),
// then "Undo" and "Redo".
void buildAdjusterMenu(QMenu& menu, Adjusters& adjusters, frmKWPNDPreviewA& window, LayoutEdits& edits);

}  // namespace kwpnd
