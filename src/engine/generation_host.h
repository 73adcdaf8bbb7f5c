#pragma once
// GenerationHost: what the generation walk needs from the window it draws in
// (the page canvas, the file access of the window, the content the host
// registered, the design aids and the output commands). The preview window
// implements it; tests implement it with a bare surface.

#include "kwpnd/collection.h"
#include "kwpnd/dialogs.h"
#include "kwpnd/picture.h"

#include <QString>

class QObject;

namespace kwpnd {

class Surface;
class IniFileHandler;
struct FieldContext;

enum class ControlRegistry { FlexGrids, Listviews, Webbrowsers };

class GenerationHost {
public:
    virtual ~GenerationHost() = default;

    // The page canvas and the files it is generated from.
    virtual Surface& canvas() = 0;
    virtual QString settingFile() const = 0;  // msSettingFile
    virtual QString dataFile() const = 0;     // msDataFile
    virtual IniFileHandler& readingHandler() = 0;
    virtual IniFileHandler& secondHandler() = 0;

    // Content of the active preview component.
    virtual QString watermark() = 0;
    virtual QString registeredString(const QString& key) = 0;
    virtual Picture registeredPicture(const QString& key) = 0;
    virtual QObject* registeredControl(ControlRegistry registry, const QString& key) = 0;
    // "Logo", "Picture1" ... "Picture4"; the empty picture when unset.
    virtual Picture componentPicture(const QString& name) = 0;
    // The host's application object; null when none was given.
    virtual QObject* applicationObject() = 0;

    virtual Dialogs& dialogs() { return Dialogs::current(); }

    // Design aids laid over each field (no-ops until the window offers them).
    virtual bool guidesOn() const { return false; }
    virtual bool adjustersOn() const { return false; }
    virtual void ClearAdjusters() {}
    virtual void DrawGuides(double xLeft, double yTop, const QString& section) {}
    virtual void DrawAdjusters(const QString& type, double xLeft, double yTop, const QString& section, int index,
                               const QString& description)
    {
    }

    // A picture of a registered control's window as it looks now. A host
    // that cannot capture: error 445.
    virtual Picture captureWindow(QObject* control);

    // The window's two composing surfaces, on which a field kind builds what
    // it then stamps onto the canvas: `part` takes one piece of it first, and
    // `whole` puts the pieces together. Null when the host has none (a kind
    // that needs them then prints its data as plain text).
    struct ComposingSurfaces {
        Surface* part = nullptr;
        Surface* whole = nullptr;
    };
    virtual ComposingSurfaces composingSurfaces() { return {}; }
    // Called after a field kind has drawn on the composing surfaces, so that
    // what shows them can follow.
    virtual void composingSurfacesChanged() {}

    // After-generation actions, unless the host switched them off.
    virtual bool afterGenerateActionsOn() const { return true; }
    virtual void PreviewPrintDirect() = 0;
    virtual void PreviewCopy() = 0;
};

}  // namespace kwpnd
