#pragma once
/// @file
/// SuperRuler: a measuring strip, horizontal or vertical, for placing along a
/// page. It draws major lines with numbers, minor ticks and a longer tick at
/// each half in one of four units, can follow the pointer with a tracking
/// line, and reports the scale value under the pointer to its container.
///
/// The ruler draws on its face, a drawing surface in twips (15 per pixel).
/// Properties are overloaded pairs: `X()` reads, `X(value)` writes. A
/// container saves and restores the persisted properties through a
/// PropertyBag; each change of a property is announced by propertyChanged so
/// that a designer knows to save it.

#include "kwpnd/kwpnd10_export.h"
#include "kwpnd/surface.h"

#include <QVariantMap>
#include <QWidget>
#include <memory>

class QMenu;
class QAction;

namespace kwpnd {

/// Named property values saved with a container. A value equal to its default
/// is not stored, and reading a name that is not stored gives the default.
class KWPND10_EXPORT PropertyBag {
public:
    /// An empty bag.
    PropertyBag();
    ~PropertyBag();
    /// Copies the values.
    PropertyBag(const PropertyBag& other);
    /// Copies the values.
    PropertyBag& operator=(const PropertyBag& other);

    /// The value stored under `name`, else `defaultValue`.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;
    /// Stores `value` under `name`; a value equal to `defaultValue` removes it.
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);
    /// The stored values by name.
    const QVariantMap& values() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// The ruler control: a scale drawn on its face, following the pointer.
class KWPND10_EXPORT SuperRuler : public QWidget {
    Q_OBJECT
public:
    /// The units of the scale.
    enum ScaleModes : std::int32_t {
        Twips = 0,       ///< major lines 1000 twips apart
        Pixels = 1,      ///< major lines 100 pixels apart
        Milimeters = 2,  ///< major lines a centimetre apart, ticks of a millimetre
        Inches = 3       ///< major lines an inch apart, ticks of a tenth
    };
    /// Default ForeColor: the system colour of button text.
    static constexpr Colour kDefaultForeColor = static_cast<Colour>(0x80000012);
    /// Default BackColor: the system colour of a window's background.
    static constexpr Colour kDefaultBackColor = static_cast<Colour>(0x80000005);

    /// A horizontal ruler in twips starting at 0, without border or tracking.
    explicit SuperRuler(QWidget* parent = nullptr);
    ~SuperRuler() override;

    std::int32_t Orientation() const;      ///< 0 horizontal, 1 vertical.
    /// 0 horizontal, 1 vertical; any other value draws nothing. Redraws.
    void Orientation(std::int32_t value);
    std::int32_t StartValue() const;       ///< The number of the first major line.
    void StartValue(std::int32_t value);   ///< Added to every major number. Redraws.
    std::int32_t BorderStyle() const;      ///< 0 none, 1 a single line.
    /// 0 none, 1 single line; beyond 16 bits: error 6. No redraw.
    void BorderStyle(std::int32_t value);
    std::int32_t ScaleMode() const;        ///< The unit of the scale (ScaleModes).
    /// 0..3; any other value is stored (and the interval kept) and then fails
    /// with error 340, as there is no menu item to check for it.
    void ScaleMode(std::int32_t value);
    Colour ForeColor() const;              ///< Colour of lines and numbers.
    void ForeColor(Colour value);          ///< Sets the line colour. Redraws.
    Colour BackColor() const;              ///< Colour of the face.
    void BackColor(Colour value);          ///< Sets the face colour. Redraws.
    bool MouseTrackingOn() const;          ///< Whether a line follows the pointer.
    void MouseTrackingOn(bool on);         ///< Turns the tracking line on or off; no redraw.
    bool DestroyRuler() const;             ///< Whether the ruler draws an empty face.
    void DestroyRuler(bool on);            ///< Stored only; the next redraw draws nothing when on.

    /// Distance between two major lines, in twips.
    std::int32_t majorInterval() const;
    /// Distance between two ticks, in twips (a tenth of the major interval).
    std::int32_t minorInterval() const;

    /// Draws the tracking line at a face position (twips) when tracking is on.
    void RenderTrackLine(float& X, float& Y);
    /// Redraws the scale.
    void Refresh();
    /// The scale value at a face position (twips), as the events report it.
    /// A value beyond 32 bits: error 6.
    std::int32_t ValueAtPoint(float X, float Y) const;

    /// Restores the persisted properties from a container's bag and redraws.
    void ReadProperties(const PropertyBag& bag);
    /// Saves the persisted properties (those not at their default).
    void WriteProperties(PropertyBag& bag) const;

    /// The face the scale is drawn on (twips, 15 per pixel).
    const Surface& face() const;
    /// The scale-mode menu shown by a right click.
    QMenu* mnuScaleModeMenu() const;
    /// The menu item of scale mode 0..3; any other index: std::out_of_range.
    QAction* mnuScaleMode(int index) const;

    /// 200 x 33 pixels.
    QSize sizeHint() const override;

signals:
    /// The scale mode changed (by the property or the menu).
    void ScaleModeChanged(std::int32_t Mode);
    /// The value under the pointer as it moves.
    void HooverValue(std::int32_t Value);
    /// A click on the ruler: Button and Shift as the classic codes (1 left,
    /// 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt) and the value under it.
    void Click(std::int16_t Button, std::int16_t Shift, std::int32_t Value);
    /// The ruler was resized (and redrawn).
    void Resize();
    /// A persisted property changed: a designer knows to save it.
    void propertyChanged(const QString& name);

protected:
    /// Shows the face.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;  ///< Redraws at the new size.
    void mousePressEvent(QMouseEvent* event) override;  ///< A right click opens the scale-mode menu.
    void mouseMoveEvent(QMouseEvent* event) override;  ///< Tracks and reports the value.
    void mouseReleaseEvent(QMouseEvent* event) override;  ///< Reports a click.

private:
    void DrawRuler();
    void drawHorizontal(int length, float thickness);
    void drawVertical(int length, float thickness);
    void printNumber(float x, float y, std::int32_t number);
    int borderPixels() const;
    QPointF toFace(const QPointF& widgetPoint) const;
    void fitFace();

    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace kwpnd
