#pragma once
// WindowDesignAids: the layout-design tools laid over the preview window
// (the field search under the pointer, adjusters, guides, the settings
// editor, undo of the edits). They live in a layer above the preview; the
// window creates them through the factory that layer registers and calls
// them at the points below. Everything else they need (the canvas's pointer
// and keys, the rulers, the readout labels, drops) they take from the
// window's form themselves, once it is loaded.

#include <QString>
#include <cstdint>
#include <memory>

namespace kwpnd {

class frmKWPNDPreviewA;
class PreviewForm;

class WindowDesignAids {
public:
    virtual ~WindowDesignAids() = default;

    // The window's widgets were just made (its load), or are about to go
    // (its unload). Between the two calls `form` stays valid.
    virtual void formLoaded(PreviewForm& form) = 0;
    virtual void formUnloading() = 0;

    // The generation walk's calls: before the first field, and for every
    // enabled field while guides or adjusters are on.
    virtual void ClearAdjusters() = 0;
    virtual void DrawGuides(double xLeft, double yTop, const QString& section) = 0;
    virtual void DrawAdjusters(const QString& type, double xLeft, double yTop, const QString& section, int index,
                               const QString& description) = 0;

    // The window's key preview, before its own shortcuts: true when the key
    // was one of the design aids' window-wide keys (undo, redo).
    virtual bool windowKeyDown(std::int16_t keyCode, std::int16_t shift) = 0;

    // The settings command, after its "tag" box: the settings editor on the
    // layout file `layoutPath`, modal over the window.
    virtual void openSettingsEditor(const QString& layoutPath) = 0;
};

using DesignAidsFactory = std::unique_ptr<WindowDesignAids> (*)(frmKWPNDPreviewA& window);

// The factory windows made from now on use; null: windows without design
// aids (guides, adjusters and the settings editor then do nothing).
void setDesignAidsFactory(DesignAidsFactory factory);
DesignAidsFactory designAidsFactory();

}  // namespace kwpnd
