// SuperRuler: properties, persistence and the reactions to the pointer.
// The drawing of the scale is in super_ruler_draw.cpp.
#include "kwpnd/super_ruler.h"

#include "input_codes.h"
#include "super_ruler_p.h"
#include "kwpnd/error.h"
#include "qt_dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <cmath>

namespace kwpnd {

namespace {
struct ScaleModeRow {
    const char* caption;
    std::int32_t majorInterval;  // twips; 0: one hundred screen pixels
};
// The menu items, in scale-mode order.
constexpr ScaleModeRow kScaleModes[] = {
    {"Twips", 1000},
    {"Pixels", 0},
    {"Milimeters", 570},  // a centimetre, ten ticks of a millimetre
    {"Inches", 1440},     // ten ticks of a tenth
};

std::int32_t hundredPixels() { return static_cast<std::int32_t>(std::lrint(100.0 * TwipsPerPixelX)); }

// Defaults of the persisted properties.
const QVariant kNoOrientation = 0, kNoStart = 0, kNoBorder = 0, kNoTracking = false, kTwips = 0;
}  // namespace

// ---- PropertyBag ------------------------------------------------------------

struct KWPND10_NO_EXPORT PropertyBag::Private {
    QVariantMap values;
};

PropertyBag::PropertyBag() : d(std::make_unique<Private>()) {}
PropertyBag::~PropertyBag() = default;
PropertyBag::PropertyBag(const PropertyBag& other) : d(std::make_unique<Private>(*other.d)) {}
PropertyBag& PropertyBag::operator=(const PropertyBag& other)
{
    *d = *other.d;
    return *this;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    return d->values.value(name, defaultValue);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (value == defaultValue)
        d->values.remove(name);
    else
        d->values.insert(name, value);
}

const QVariantMap& PropertyBag::values() const { return d->values; }

// ---- Construction -------------------------------------------------------------

SuperRuler::SuperRuler(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    installWidgetDialogs();
    setMouseTracking(true);
    d->face.ForeColor(kDefaultForeColor);
    d->face.BackColor(kDefaultBackColor);
    d->face.onChanged([this] { update(); });

    d->scaleModeMenu = new QMenu(QStringLiteral("ScaleModeMenu"), this);
    d->scaleModeMenu->setObjectName(QStringLiteral("mnuScaleModeMenu"));
    for (int i = 0; i < 4; ++i) {
        QAction* item = d->scaleModeMenu->addAction(QLatin1String(kScaleModes[i].caption));
        item->setObjectName(QStringLiteral("mnuScaleMode%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] {
            ScaleMode(i);
            DrawRuler();
        });
        d->scaleModeItems[static_cast<size_t>(i)] = item;
    }
    ScaleMode(0);
}

SuperRuler::~SuperRuler() { d->face.onChanged(nullptr); }

QSize SuperRuler::sizeHint() const { return {200, 33}; }

std::int32_t SuperRuler::Orientation() const { return d->orientation; }
std::int32_t SuperRuler::StartValue() const { return d->startValue; }
std::int32_t SuperRuler::BorderStyle() const { return d->borderStyle; }
std::int32_t SuperRuler::ScaleMode() const { return d->scaleMode; }
bool SuperRuler::MouseTrackingOn() const { return d->mouseTrackingOn; }
bool SuperRuler::DestroyRuler() const { return d->destroyRuler; }
void SuperRuler::DestroyRuler(bool on) { d->destroyRuler = on; }
std::int32_t SuperRuler::majorInterval() const { return d->majorInterval; }
const Surface& SuperRuler::face() const { return d->face; }
QMenu* SuperRuler::mnuScaleModeMenu() const { return d->scaleModeMenu; }
QAction* SuperRuler::mnuScaleMode(int index) const { return d->scaleModeItems.at(static_cast<size_t>(index)); }
void SuperRuler::Refresh() { DrawRuler(); }
int SuperRuler::borderPixels() const { return d->borderStyle == 1 ? 1 : 0; }

// ---- Properties -----------------------------------------------------------------

void SuperRuler::Orientation(std::int32_t value)
{
    d->orientation = value;
    DrawRuler();
    emit propertyChanged(QStringLiteral("Orientation"));
}

void SuperRuler::StartValue(std::int32_t value)
{
    d->startValue = value;
    DrawRuler();
    emit propertyChanged(QStringLiteral("StartValue"));
}

void SuperRuler::BorderStyle(std::int32_t value)
{
    // The face takes the style as a 16-bit value.
    if (value < -32768 || value > 32767)
        throw Error(ErrorNumber::Overflow);
    d->borderStyle = value;
    fitFace();
    update();
    emit propertyChanged(QStringLiteral("BorderStyle"));
}

void SuperRuler::ScaleMode(std::int32_t value)
{
    d->scaleMode = value;
    if (value >= 0 && value < 4)
        d->majorInterval = kScaleModes[value].majorInterval ? kScaleModes[value].majorInterval : hundredPixels();
    for (QAction* item : d->scaleModeItems)
        item->setChecked(false);
    if (value < 0 || value >= 4)
        throw Error::detailed(ErrorNumber::ControlArrayElementMissing, QStringLiteral("mnuScaleMode(%1)").arg(value));
    mnuScaleMode(value)->setChecked(true);
    DrawRuler();
    emit propertyChanged(QStringLiteral("ScaleMode"));
    emit ScaleModeChanged(value);
}

Colour SuperRuler::ForeColor() const { return d->face.ForeColor(); }

void SuperRuler::ForeColor(Colour value)
{
    d->face.ForeColor(value);
    DrawRuler();
    emit propertyChanged(QStringLiteral("ForeColor"));
}

Colour SuperRuler::BackColor() const { return d->face.BackColor(); }

void SuperRuler::BackColor(Colour value)
{
    d->face.BackColor(value);
    DrawRuler();
    emit propertyChanged(QStringLiteral("BackColor"));
}

void SuperRuler::MouseTrackingOn(bool on)
{
    d->mouseTrackingOn = on;
    emit propertyChanged(QStringLiteral("MouseTrackingOn"));
}

std::int32_t SuperRuler::minorInterval() const
{
    return static_cast<std::int32_t>(std::nearbyint(d->majorInterval / 10.0));  // halves to even
}

// ---- Persistence ----------------------------------------------------------------

void SuperRuler::ReadProperties(const PropertyBag& bag)
{
    d->orientation = bag.ReadProperty(QStringLiteral("Orientation"), kNoOrientation).toInt();
    d->startValue = bag.ReadProperty(QStringLiteral("StartValue"), kNoStart).toInt();
    BorderStyle(bag.ReadProperty(QStringLiteral("BorderStyle"), kNoBorder).toInt());
    d->mouseTrackingOn = bag.ReadProperty(QStringLiteral("MouseTrackingOn"), kNoTracking).toBool();
    ScaleMode(bag.ReadProperty(QStringLiteral("ScaleMode"), kTwips).toInt());
    d->face.ForeColor(bag.ReadProperty(QStringLiteral("ForeColor"), kDefaultForeColor).toInt());
    d->face.BackColor(bag.ReadProperty(QStringLiteral("BackColor"), kDefaultBackColor).toInt());
    DrawRuler();
}

void SuperRuler::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Orientation"), d->orientation, kNoOrientation);
    bag.WriteProperty(QStringLiteral("StartValue"), d->startValue, kNoStart);
    bag.WriteProperty(QStringLiteral("BorderStyle"), d->borderStyle, kNoBorder);
    bag.WriteProperty(QStringLiteral("MouseTrackingOn"), d->mouseTrackingOn, kNoTracking);
    bag.WriteProperty(QStringLiteral("ScaleMode"), d->scaleMode, kTwips);
    bag.WriteProperty(QStringLiteral("ForeColor"), ForeColor(), kDefaultForeColor);
    bag.WriteProperty(QStringLiteral("BackColor"), BackColor(), kDefaultBackColor);
}

// ---- Values under the pointer ------------------------------------------------------

std::int32_t SuperRuler::ValueAtPoint(float X, float Y) const
{
    std::int64_t count = 0;
    if (d->orientation == 0 || d->orientation == 1) {
        const double p = d->orientation == 0 ? X : Y;
        count = static_cast<std::int64_t>(std::floor(p / (d->majorInterval / 10.0)));
    }
    auto checked = [](std::int64_t v) {
        if (v < INT32_MIN || v > INT32_MAX)
            throw Error(ErrorNumber::Overflow);
        return static_cast<std::int32_t>(v);
    };
    const std::int32_t tenths = checked(checked(std::int64_t(d->startValue) * 10) + count);
    switch (d->scaleMode) {
    case Twips:
        return checked(std::int64_t(tenths) * 100);
    case Pixels:
        return checked(std::int64_t(tenths) * 10);
    case Inches:
        return static_cast<std::int32_t>(std::floor(tenths / 10.0));
    default:
        return tenths;
    }
}

// ---- Platform reactions -------------------------------------------------------------

QPointF SuperRuler::toFace(const QPointF& p) const
{
    const int b = borderPixels();
    return {(p.x() - b) * TwipsPerPixelX, (p.y() - b) * TwipsPerPixelY};
}

void SuperRuler::fitFace()
{
    const int b = borderPixels();
    const int w = std::max(0, width() - 2 * b), h = std::max(0, height() - 2 * b);
    if (d->face.pixelWidth() != w || d->face.pixelHeight() != h)
        d->face.Move(0, 0, float(w * TwipsPerPixelX), float(h * TwipsPerPixelY));
}

void SuperRuler::resizeEvent(QResizeEvent*)
{
    DrawRuler();
    emit Resize();
}

void SuperRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int b = borderPixels();
    d->face.takeChanged();
    painter.drawImage(QPoint(b, b), d->face.retainedImage());
    if (b) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// Failures inside a pointer reaction (an overflowing value) end that
// reaction only: Qt's event delivery must not see them.
template <typename Reaction>
static void react(Reaction&& reaction) noexcept
{
    try {
        reaction();
    } catch (const Error&) {
    }
}

void SuperRuler::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        d->scaleModeMenu->exec(event->globalPosition().toPoint());
}

void SuperRuler::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = toFace(event->position());
    react([&] {
        float x = float(at.x()), y = float(at.y());
        RenderTrackLine(x, y);
        emit HooverValue(ValueAtPoint(x, y));
    });
}

void SuperRuler::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = toFace(event->position());
    react([&] {
        emit Click(mouseButtonCode(event->button()), shiftCode(event->modifiers()),
                   ValueAtPoint(float(at.x()), float(at.y())));
    });
}

}  // namespace kwpnd
