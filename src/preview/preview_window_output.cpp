// The output commands that work on the canvas as a whole: clear, copy, save,
// mail, the settings editor (which the design aids provide). Printing is in preview_window_print.cpp.
// Capturing a registered control for a capture field is here too.
#include "engine_api.h"
#include "kwpnd/dialogs.h"
#include "preview_visual.h"
#include "surface_api.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kwpnd {

Picture frmKWPNDPreviewA::captureWindow(QObject* control)
{
    return WindowCapture().CaptureAnyWindow(windowHandleOf(control));
}

namespace {
// The save dialog's filter, blanks included: two entries, the first naming
// JPG files although the file written is a bitmap.
const char* const kSaveFilter = "JPG (*.JPG) | *.JPG| All Files (*.*)|*.* ";
}  // namespace

void frmKWPNDPreviewA::PreviewGenerate()
{
    // The zoom view would hide what is drawn now.
    dismissZoomView();
    driver_.PreviewGenerate();
}

void frmKWPNDPreviewA::PreviewClear()
{
    // The background picture (a page put there by paging) and the Tag stay.
    dismissZoomView();
    picBarCodeLabel().Cls();
    picBarCodePicObj().Cls();
    CerPrvC().Cls();
}

void frmKWPNDPreviewA::PreviewCopy()
{
    const Picture page = CerPrvC().Image();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw Error::detailed(ErrorNumber::InvalidProcedureCall, QStringLiteral("No clipboard is available"));
    clipboard->clear();
    clipboard->setImage(page.image());
}

void frmKWPNDPreviewA::PreviewSaveNow(const QString& sFileName) { SavePicture(CerPrvC().Image(), sFileName); }

void frmKWPNDPreviewA::PreviewSave()
{
    endSilently([&] {
        const auto name =
            Dialogs::current().saveFileName(QStringLiteral("Save From Preview"), QLatin1String(kSaveFilter));
        if (name)  // cancelled: nothing is saved
            PreviewSaveNow(*name);
    });
}

void frmKWPNDPreviewA::PreviewEmail()
{
    Dialogs::current().messageBox(QStringLiteral("email"), MsgButtons::OK, MsgIcon::None, QString());
}

void frmKWPNDPreviewA::PreviewSettings()
{
    const QString layout = CerPrvC().Tag();
    Dialogs::current().messageBox(layout, MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("tag"));
    if (designAids_)
        designAids_->openSettingsEditor(layout);
}

void frmKWPNDPreviewA::PreviewSettingsRefresh()
{
    PreviewClear();
    PreviewGenerate();
}

}  // namespace kwpnd
