#include "gradient_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace kwpnd {

void GradientPainter::YellowBlackDown(QWidget& window)
{
    QPainter painter(&window);
    QLinearGradient gradient(0, 0, 0, window.height());
    gradient.setColorAt(0, QColor(0xFF, 0xFF, 0x00));
    gradient.setColorAt(1, QColor(0x00, 0x00, 0x00));
    painter.fillRect(window.rect(), gradient);
}

GradientPainter& gradientPainter()
{
    static GradientPainter painter;
    return painter;
}

}  // namespace kwpnd
