#pragma once
// The visual part of the preview window: what exists only while it is
// loaded. Shared by the files that implement frmKWPNDPreviewA.

#include "engine_api.h"
#include "kwpnd/surface.h"
#include "preview_form.h"
#include "preview_window.h"

#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <memory>

namespace kwpnd {

struct frmKWPNDPreviewA::Visual {
    explicit Visual(const QSizeF& canvasTwips) : CerPrvC(canvasTwips.width(), canvasTwips.height()) {}

    Surface CerPrvC;
    Surface picBarCodePicObj;
    Surface picBarCodeLabel;
    std::unique_ptr<IniFileHandler> readingIni;
    std::unique_ptr<IniFileHandler> secondIni;
    // The widgets; deleted by the window object (or by the application when
    // it ends first).
    QPointer<PreviewForm> form;
    // Image1's place in twips of the canvas. Until it is first zoomed it has
    // the canvas's size, whatever size the canvas takes.
    QRectF image1Twips;
    bool image1Zoomed = false;
    // The canvas's outer size (twips) the scroll ranges were last set from;
    // empty until the load sets them.
    QSizeF scrollRangesFor;
};

}  // namespace kwpnd
