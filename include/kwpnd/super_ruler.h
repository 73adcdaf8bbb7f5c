#pragma once
// SuperRuler: a measuring strip, horizontal or vertical, for placing along a
// page. It draws major lines with numbers, minor ticks and a longer tick at
// each half in one of four units, can follow the pointer with a tracking
// line, and reports the scale value under the pointer to its container.
//
// The ruler draws on its face, a drawing surface in twips (15 per pixel).
// Properties are overloaded pairs: `X()` reads, `X(value)` writes. A
// container saves and restores the persisted properties through a
// PropertyBag; each change of a property is announced by propertyChanged so
// that a designer knows to save it.

#include "kwpnd/surface.h"

#include <QVariantMap>
#include <QWidget>
#include <array>

class QMenu;
class QAction;

namespace kwpnd {

// Named property values saved with a container. A value equal to its default
// is not stored, and reading a name that is not stored gives the default.
class PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);
    const QVariantMap& values() const { return values_; }

private:
    QVariantMap values_;
};

class SuperRuler : public QWidget {
    Q_OBJECT
public:
    // The units of the scale.
    enum ScaleModes : std::int32_t { Twips = 0, Pixels = 1, Milimeters = 2, Inches = 3 };
    static constexpr Colour kDefaultForeColor = static_cast<Colour>(0x80000012);  // button text
    static constexpr Colour kDefaultBackColor = static_cast<Colour>(0x80000005);  // window background

    explicit SuperRuler(QWidget* parent = nullptr);
    ~SuperRuler() override;

    std::int32_t Orientation() const { return orientation_; }
    void Orientation(std::int32_t value);  // 0 horizontal, 1 vertical; others draw nothing
    std::int32_t StartValue() const { return startValue_; }
    void StartValue(std::int32_t value);  // added to every major number
    std::int32_t BorderStyle() const { return borderStyle_; }
    void BorderStyle(std::int32_t value);  // 0 none, 1 single line; no redraw
    std::int32_t ScaleMode() const { return scaleMode_; }
    // 0..3; any other value is stored (and the interval kept) and then fails
    // with error 340, as there is no menu item to check for it.
    void ScaleMode(std::int32_t value);
    Colour ForeColor() const;
    void ForeColor(Colour value);
    Colour BackColor() const;
    void BackColor(Colour value);
    bool MouseTrackingOn() const { return mouseTrackingOn_; }
    void MouseTrackingOn(bool on);  // no redraw
    bool DestroyRuler() const { return destroyRuler_; }
    void DestroyRuler(bool on) { destroyRuler_ = on; }  // store only

    // Distance between two major lines, and between two ticks, in twips.
    std::int32_t majorInterval() const { return majorInterval_; }
    std::int32_t minorInterval() const;

    // Draws the tracking line at a face position (twips) when tracking is on.
    void RenderTrackLine(float& X, float& Y);
    void Refresh() { DrawRuler(); }
    // The scale value at a face position (twips), as the events report it.
    // A value beyond 32 bits: error 6.
    std::int32_t ValueAtPoint(float X, float Y) const;

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The face the scale is drawn on, and the scale-mode menu.
    const Surface& face() const { return face_; }
    QMenu* mnuScaleModeMenu() const { return scaleModeMenu_; }
    QAction* mnuScaleMode(int index) const { return scaleModeItems_.at(static_cast<size_t>(index)); }

    QSize sizeHint() const override;

signals:
    void ScaleModeChanged(std::int32_t Mode);
    void HooverValue(std::int32_t Value);
    // Button and Shift as the classic codes: 1 left, 2 right, 4 middle;
    // 1 Shift, 2 Ctrl, 4 Alt.
    void Click(std::int16_t Button, std::int16_t Shift, std::int32_t Value);
    void Resize();
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawRuler();
    void drawHorizontal(int length, float thickness);
    void drawVertical(int length, float thickness);
    void printNumber(float x, float y, std::int32_t number);
    int borderPixels() const { return borderStyle_ == 1 ? 1 : 0; }
    QPointF toFace(const QPointF& widgetPoint) const;
    void fitFace();

    Surface face_;
    std::int32_t orientation_ = 0;
    std::int32_t startValue_ = 0;
    std::int32_t borderStyle_ = 0;
    std::int32_t scaleMode_ = 0;
    std::int32_t majorInterval_ = 1000;
    bool mouseTrackingOn_ = false;
    bool destroyRuler_ = false;
    QMenu* scaleModeMenu_ = nullptr;
    std::array<QAction*, 4> scaleModeItems_{};
};

}  // namespace kwpnd
