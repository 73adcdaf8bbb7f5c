#include "page_window.h"

#include "surface/surface_view.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace kwpnd {

PageWindow::PageWindow(Surface& canvas, QWidget* parent) : QDialog(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setWidget(new SurfaceView(&canvas));
    layout->addWidget(scroll);
    resize(900, 700);
}

}  // namespace kwpnd
