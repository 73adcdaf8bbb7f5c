// SuperRuler: properties, persistence and the reactions to the pointer.
// The drawing of the scale is in super_ruler_draw.cpp.
#include "kwpnd/super_ruler.h"

#include "input_codes.h"
#include "kwpnd/error.h"
#include "qt_dialogs.h"

#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
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

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    return values_.value(name, defaultValue);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (value == defaultValue)
        values_.remove(name);
    else
        values_.insert(name, value);
}

// ---- Construction -------------------------------------------------------------

SuperRuler::SuperRuler(QWidget* parent) : QWidget(parent), face_(0, 0)
{
    installWidgetDialogs();
    setMouseTracking(true);
    face_.ForeColor(kDefaultForeColor);
    face_.BackColor(kDefaultBackColor);
    face_.onChanged([this] { update(); });

    scaleModeMenu_ = new QMenu(QStringLiteral("ScaleModeMenu"), this);
    scaleModeMenu_->setObjectName(QStringLiteral("mnuScaleModeMenu"));
    for (int i = 0; i < 4; ++i) {
        QAction* item = scaleModeMenu_->addAction(QLatin1String(kScaleModes[i].caption));
        item->setObjectName(QStringLiteral("mnuScaleMode%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] {
            ScaleMode(i);
            DrawRuler();
        });
        scaleModeItems_[static_cast<size_t>(i)] = item;
    }
    ScaleMode(0);
}

SuperRuler::~SuperRuler() { face_.onChanged(nullptr); }

QSize SuperRuler::sizeHint() const { return {200, 33}; }

// ---- Properties -----------------------------------------------------------------

void SuperRuler::Orientation(std::int32_t value)
{
    orientation_ = value;
    DrawRuler();
    emit propertyChanged(QStringLiteral("Orientation"));
}

void SuperRuler::StartValue(std::int32_t value)
{
    startValue_ = value;
    DrawRuler();
    emit propertyChanged(QStringLiteral("StartValue"));
}

void SuperRuler::BorderStyle(std::int32_t value)
{
    // The face takes the style as a 16-bit value.
    if (value < -32768 || value > 32767)
        throw Error(ErrorNumber::Overflow);
    borderStyle_ = value;
    fitFace();
    update();
    emit propertyChanged(QStringLiteral("BorderStyle"));
}

void SuperRuler::ScaleMode(std::int32_t value)
{
    scaleMode_ = value;
    if (value >= 0 && value < 4)
        majorInterval_ = kScaleModes[value].majorInterval ? kScaleModes[value].majorInterval : hundredPixels();
    for (QAction* item : scaleModeItems_)
        item->setChecked(false);
    if (value < 0 || value >= 4)
        throw Error::detailed(ErrorNumber::ControlArrayElementMissing, QStringLiteral("mnuScaleMode(%1)").arg(value));
    mnuScaleMode(value)->setChecked(true);
    DrawRuler();
    emit propertyChanged(QStringLiteral("ScaleMode"));
    emit ScaleModeChanged(value);
}

Colour SuperRuler::ForeColor() const { return face_.ForeColor(); }

void SuperRuler::ForeColor(Colour value)
{
    face_.ForeColor(value);
    DrawRuler();
    emit propertyChanged(QStringLiteral("ForeColor"));
}

Colour SuperRuler::BackColor() const { return face_.BackColor(); }

void SuperRuler::BackColor(Colour value)
{
    face_.BackColor(value);
    DrawRuler();
    emit propertyChanged(QStringLiteral("BackColor"));
}

void SuperRuler::MouseTrackingOn(bool on)
{
    mouseTrackingOn_ = on;
    emit propertyChanged(QStringLiteral("MouseTrackingOn"));
}

std::int32_t SuperRuler::minorInterval() const
{
    return static_cast<std::int32_t>(std::nearbyint(majorInterval_ / 10.0));  // halves to even
}

// ---- Persistence ----------------------------------------------------------------

void SuperRuler::ReadProperties(const PropertyBag& bag)
{
    orientation_ = bag.ReadProperty(QStringLiteral("Orientation"), kNoOrientation).toInt();
    startValue_ = bag.ReadProperty(QStringLiteral("StartValue"), kNoStart).toInt();
    BorderStyle(bag.ReadProperty(QStringLiteral("BorderStyle"), kNoBorder).toInt());
    mouseTrackingOn_ = bag.ReadProperty(QStringLiteral("MouseTrackingOn"), kNoTracking).toBool();
    ScaleMode(bag.ReadProperty(QStringLiteral("ScaleMode"), kTwips).toInt());
    face_.ForeColor(bag.ReadProperty(QStringLiteral("ForeColor"), kDefaultForeColor).toInt());
    face_.BackColor(bag.ReadProperty(QStringLiteral("BackColor"), kDefaultBackColor).toInt());
    DrawRuler();
}

void SuperRuler::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Orientation"), orientation_, kNoOrientation);
    bag.WriteProperty(QStringLiteral("StartValue"), startValue_, kNoStart);
    bag.WriteProperty(QStringLiteral("BorderStyle"), borderStyle_, kNoBorder);
    bag.WriteProperty(QStringLiteral("MouseTrackingOn"), mouseTrackingOn_, kNoTracking);
    bag.WriteProperty(QStringLiteral("ScaleMode"), scaleMode_, kTwips);
    bag.WriteProperty(QStringLiteral("ForeColor"), ForeColor(), kDefaultForeColor);
    bag.WriteProperty(QStringLiteral("BackColor"), BackColor(), kDefaultBackColor);
}

// ---- Values under the pointer ------------------------------------------------------

std::int32_t SuperRuler::ValueAtPoint(float X, float Y) const
{
    std::int64_t count = 0;
    if (orientation_ == 0 || orientation_ == 1) {
        const double p = orientation_ == 0 ? X : Y;
        count = static_cast<std::int64_t>(std::floor(p / (majorInterval_ / 10.0)));
    }
    auto checked = [](std::int64_t v) {
        if (v < INT32_MIN || v > INT32_MAX)
            throw Error(ErrorNumber::Overflow);
        return static_cast<std::int32_t>(v);
    };
    const std::int32_t tenths = checked(checked(std::int64_t(startValue_) * 10) + count);
    switch (scaleMode_) {
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
    if (face_.pixelWidth() != w || face_.pixelHeight() != h)
        face_.Move(0, 0, float(w * TwipsPerPixelX), float(h * TwipsPerPixelY));
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
    face_.takeChanged();
    painter.drawImage(QPoint(b, b), face_.retainedImage());
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
        scaleModeMenu_->exec(event->globalPosition().toPoint());
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
