#include "design_aids.h"

#include "design_api.h"
#include "settings_editor.h"

#include <QMenu>

namespace kwpnd {

DesignAids::DesignAids(frmKWPNDPreviewA& window)
    : window_(window), edits_(window), adjusters_(window, edits_), fieldSearch_(window), guides_(window),
      canvasPosition_(window)
{
}

DesignAids::~DesignAids() = default;

void DesignAids::formLoaded(PreviewForm& form)
{
    form_ = &form;
    // The preview menu offers undo and redo of the window's edits too (the
    // settings editor writes while adjusters are off), before its "&Exit".
    edits_.addMenuItems(*form.mnuPopUpPreviewMenu, form.menuItem(QStringLiteral("mnuPopUpExit")));
    adjusters_.formLoaded(form);
    fieldSearch_.formLoaded(form);
    guides_.formLoaded(form);
    canvasPosition_.formLoaded(form);
}

void DesignAids::formUnloading()
{
    adjusters_.formUnloading();
    fieldSearch_.formUnloading();
    guides_.formUnloading();
    canvasPosition_.formUnloading();
    form_ = nullptr;
}

void DesignAids::ClearAdjusters() { adjusters_.ClearAdjusters(); }

void DesignAids::DrawGuides(double xLeft, double yTop, const QString& section)
{
    guides_.DrawGuides(xLeft, yTop, section);
}

void DesignAids::DrawAdjusters(const QString& type, double xLeft, double yTop, const QString& section, int index,
                               const QString& description)
{
    adjusters_.DrawAdjusters(type, xLeft, yTop, section, index, description);
}

bool DesignAids::windowKeyDown(std::int16_t keyCode, std::int16_t shift) { return edits_.undoKey(keyCode, shift); }

void DesignAids::openSettingsEditor(const QString& layoutPath)
{
    frmKWPNDPreviewSettingsA editor(window_, edits_, layoutPath, form_.data());
    execModal(editor);
}

DesignAids* designAidsOf(frmKWPNDPreviewA& window) { return dynamic_cast<DesignAids*>(window.designAids()); }

void registerDesignAids()
{
    setDesignAidsFactory([](frmKWPNDPreviewA& window) -> std::unique_ptr<WindowDesignAids> {
        return std::make_unique<DesignAids>(window);
    });
}

}  // namespace kwpnd
