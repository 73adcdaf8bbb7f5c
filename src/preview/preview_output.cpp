// The component's output for hosts: the page, every page as one PDF, and a
// picture of the window.
#include "kwpnd/error.h"
#include "page_export.h"
#include "preview_component_p.h"
#include "preview_form.h"
#include "preview_window.h"

#include <QApplication>

namespace kwpnd {

namespace {
// The page on the canvas; a canvas without area has nothing to write.
Picture canvasPage(frmKWPNDPreviewA& window)
{
    const Surface& page = window.CerPrvC();
    if (page.pixelWidth() == 0 || page.pixelHeight() == 0)
        throw Error::detailed(
            ErrorNumber::InvalidPicture,
            QStringLiteral("the page is empty (%1 x %2 pixels): check Height and Width in [PreviewWindow]")
                .arg(page.pixelWidth())
                .arg(page.pixelHeight()));
    return page.Image();
}
}  // namespace

void clsKWPNDPreviewA::writePage(const QString& path) { savePageByExtension(canvasPage(d->window()), path, true); }

void clsKWPNDPreviewA::writePagesPdf(const QString& path)
{
    std::vector<Picture> pages;
    const Surface& canvas = d->window().CerPrvC();
    Picture current;
    if (canvas.pixelWidth() > 0 && canvas.pixelHeight() > 0) {
        current = canvas.Image();
        pages.push_back(current);
    }
    const CollectionRef registered = mcolPages();
    for (int i = 1; i <= registered->Count(); ++i) {
        const Picture page = pictureOf(registered->Item(i));
        if (!page.sharesImageWith(current))
            pages.push_back(page);
    }
    savePagesPdf(pages, path);
}

QImage clsKWPNDPreviewA::grabWindow()
{
    frmKWPNDPreviewA& window = d->window();
    if (!window.isLoaded() || !window.form().isVisible())
        window.show(false);
    QApplication::processEvents();
    return window.form().grab().toImage();
}

void clsKWPNDPreviewA::writeWindowImage(const QString& path)
{
    savePageByExtension(Picture(grabWindow()), path, false);
}

void clsKWPNDPreviewA::closeWindow()
{
    if (d->windowObject)
        d->windowObject->unload();
}

}  // namespace kwpnd
