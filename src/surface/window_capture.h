#pragma once
// WindowCapture: pictures of the process's own windows, named by their native
// window handle, the way a registered host control is captured for a field.

#include "kwpnd/picture.h"

#include <QtGlobal>

class QObject;

namespace kwpnd {

class WindowCapture {
public:
    // A picture of the widget whose native window handle is `hwnd`, as it
    // looks now, at its size. A widget that is not shown is rendered
    // off-screen; a web view paints only while shown, so one that never was
    // captures blank (the command line shows its views off the screen). A
    // handle naming no widget of this process: error 5; a widget without
    // area, or larger than a picture may be: error 481.
    Picture CaptureAnyWindow(qint64 hwnd);
};

// The window handle of a registered control: its "hwnd" property when it has
// one; for a widget without it, its native window id (the native window is
// created when the widget has none yet). Anything else: error 438; a null
// control: error 91.
qint64 windowHandleOf(QObject* control);

}  // namespace kwpnd
