// The window captures registered controls with its WindowCapture component.
#include "preview_window.h"
#include "surface/window_capture.h"

namespace kwpnd {

Picture frmKWPNDPreviewA::captureWindow(QObject* control)
{
    return WindowCapture().CaptureAnyWindow(windowHandleOf(control));
}

}  // namespace kwpnd
