#pragma once
// PageWindow: the window that shows the page canvas to a person, scrollable.

#include <QDialog>

namespace kwpnd {

class Surface;

class PageWindow : public QDialog {
    Q_OBJECT
public:
    explicit PageWindow(Surface& canvas, QWidget* parent = nullptr);
};

}  // namespace kwpnd
