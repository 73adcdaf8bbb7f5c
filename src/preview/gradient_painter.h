#pragma once
// GradientPainter: paints window backgrounds. One instance serves the
// process; the preview window calls it on every paint.

class QWidget;

namespace kwpnd {

class GradientPainter {
public:
    // Yellow at the top of the window fading to black at the bottom. Call it
    // from the window's paint event.
    void YellowBlackDown(QWidget& window);
};

GradientPainter& gradientPainter();

}  // namespace kwpnd
