#pragma once
// FieldSearch: names and marks the field whose origin lies under the pointer.
//
// Every pointer move over the page canvas shows the pointer's position in the
// readout labels and looks the position up in the layout file of the page
// shown (the canvas's Tag), read anew at every move: a field is found when the
// pointer lies within one canvas unit right of and below its origin (XLeft,
// YTop). The last field found in file order is named in lblPennardPreview and
// marked by shapeFieldSearher; a double-click also reports every field found,
// one message box each, in file order.

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace kwpnd {

class frmKWPNDPreviewA;
class PreviewForm;

class FieldSearch {
public:
    explicit FieldSearch(frmKWPNDPreviewA& window);
    ~FieldSearch();
    FieldSearch(const FieldSearch&) = delete;
    FieldSearch& operator=(const FieldSearch&) = delete;

    void formLoaded(PreviewForm& form);
    void formUnloading();

    // The pointer at (x, y) canvas units moved over the page canvas.
    void CerPrvC_MouseMove(float x, float y);
    // A double-click on the page canvas: the last pointer position, reported.
    void CerPrvC_DblClick();

    // Looks (SelectedX, SelectedY) up in the layout file of the page shown.
    // `bRaiseEvent`: one message box for every field found. `bMouseMovement`
    // is accepted and changes nothing.
    void SearchFieldOnPreviewLogic(float SelectedX, float SelectedY, bool bRaiseEvent, bool bMouseMovement);

    // The last pointer position over the canvas, canvas units; 0 until the
    // first move.
    float msngPointerX = 0;
    float msngPointerY = 0;

private:
    void showFound(const QString& section, double fx, double fy);

    frmKWPNDPreviewA& window_;
    QPointer<PreviewForm> form_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace kwpnd
