// Paging through the pages the host registered: the paging bar's buttons and
// the "Go To Page" menu.
#include "engine_api.h"
#include "kwpnd/preview.h"
#include "preview_visual.h"

#include <QLabel>
#include <cmath>

namespace kwpnd {

namespace {
// The current page number is kept as text in the readout's Tag.
const char* const kTag = "Tag";

int position(double pageNumber) { return static_cast<int>(std::nearbyint(pageNumber)); }
}  // namespace

void frmKWPNDPreviewA::cmdPages_Click(std::int16_t Index)
{
    auto component = goActivePreview();
    const CollectionRef pages = component->mcolPages();
    const CollectionRef settings = component->mcolSettings();
    const int count = pages->Count();
    QLabel* readout = form().lblPage;
    Surface& canvas = CerPrvC();

    auto tag = [&] { return readout->property(kTag).toString(); };
    auto setTag = [&](const QString& text) { readout->setProperty(kTag, text); };
    auto showPage = [&](const QVariant& page) { canvas.Picture(pictureOf(page)); };
    auto updateReadout = [&] { readout->setText(tag() + QLatin1String(" of ") + numberText(count)); };
    const double n = toNumber(tag());

    // Every statement is tried on its own: a page or key that is not
    // registered skips just that statement.
    switch (Index) {
    case 0:
        skipOnError([&] { ClearPreviewPicBox(); });
        skipOnError([&] { showPage(pages->Item(1)); });
        skipOnError([&] { canvas.Tag(settings->Item(1).toString()); });
        skipOnError([&] { setTag(QStringLiteral("1")); });
        break;
    case 1:
    case 2: {
        const bool previous = Index == 1;
        if (previous ? !(n > 1) : !(n < count))
            return;
        const double target = previous ? n - 1 : n + 1;
        skipOnError([&] { ClearPreviewPicBox(); });
        skipOnError([&] { setTag(numberText(target)); });
        skipOnError([&] { showPage(pages->Item(position(target))); });
        // By key: the page number's text.
        skipOnError([&] { canvas.Tag(settings->Item(tag()).toString()); });
        break;
    }
    case 3:
        skipOnError([&] { ClearPreviewPicBox(); });
        skipOnError([&] { showPage(pages->Item(count)); });
        skipOnError([&] { canvas.Tag(settings->Item(count).toString()); });
        skipOnError([&] { setTag(numberText(count)); });
        break;
    default:
        break;
    }
    skipOnError(updateReadout);
}

}  // namespace kwpnd
