#pragma once
// The label inspector: a small tool window of the preview window that shows
// the two composing surfaces of barcode sheets, the label surface and (when
// asked for) the barcode surface over it. It opens beside the preview window,
// not inside it, so the last label composed never hides any part of a page:
// the page canvas shows the page and nothing else. Its menu, double clicks
// and label editor are those of the surfaces' views, which it holds.

#include <QWidget>

#include "preview_form.h"

namespace kwpnd {

class BarcodeSheetInspector : public QWidget {
    Q_OBJECT
public:
    // The form's inspector, made (and given the form's two composing views)
    // on first use.
    static BarcodeSheetInspector& of(PreviewForm& form);

    // Shows the inspector, sized to the views it holds, while the form is
    // shown and one of the views is to be seen; hides it otherwise. The
    // first time it shows it is placed beside the form.
    void follow() { follow(form_.isVisible()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit BarcodeSheetInspector(PreviewForm& form);
    void follow(bool formShown);
    void placeBesideForm();

    PreviewForm& form_;
    bool placed_ = false;
};

}  // namespace kwpnd
