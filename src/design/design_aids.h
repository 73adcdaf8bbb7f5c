#pragma once
// DesignAids: the design aids of one preview window, as the window sees them
// (WindowDesignAids). It owns the parts and hands each call on to the part
// it belongs to; the parts take the form's events themselves.

#include "adjusters.h"
#include "canvas_position.h"
#include "field_search.h"
#include "guides.h"
#include "layout_edits.h"
#include "preview_api.h"

#include <QPointer>
#include <memory>

namespace kwpnd {

class DesignAids : public WindowDesignAids {
public:
    explicit DesignAids(frmKWPNDPreviewA& window);
    ~DesignAids() override;

    void formLoaded(PreviewForm& form) override;
    void formUnloading() override;
    void ClearAdjusters() override;
    void DrawGuides(double xLeft, double yTop, const QString& section) override;
    void DrawAdjusters(const QString& type, double xLeft, double yTop, const QString& section, int index,
                       const QString& description) override;
    bool windowKeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void openSettingsEditor(const QString& layoutPath) override;

    LayoutEdits& edits() { return edits_; }
    Adjusters& adjusters() { return adjusters_; }
    FieldSearch& fieldSearch() { return fieldSearch_; }
    CanvasPosition& canvasPosition() { return canvasPosition_; }

private:
    frmKWPNDPreviewA& window_;
    LayoutEdits edits_;
    Adjusters adjusters_;
    FieldSearch fieldSearch_;
    Guides guides_;
    CanvasPosition canvasPosition_;
    QPointer<PreviewForm> form_;
};

// The design aids of a window made while they were registered; null for a
// window without them.
DesignAids* designAidsOf(frmKWPNDPreviewA& window);

}  // namespace kwpnd
