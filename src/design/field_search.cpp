#include "field_search.h"

#include "design_numbers.h"
#include "engine_api.h"
#include "preview_api.h"
#include "surface_api.h"

#include <QFrame>
#include <QLabel>
#include <cmath>
#include <optional>

namespace kwpnd {

namespace {
// The marker's frame, drawn around the 1 by 1 square it marks: red, two
// pixels wide, so that it stands out on a white page and on black print.
constexpr int kMarkerFrame = 2;
constexpr QRgb kMarkerColour = 0xE00000;
// Widget coordinates far outside any canvas are clamped here.
constexpr double kFarPixels = 1'000'000;

const IniName& keyName(const char* key)
{
    static const IniName enabled(QStringLiteral("Enabled"));
    static const IniName xLeft(QStringLiteral("XLeft"));
    static const IniName yTop(QStringLiteral("YTop"));
    return key[0] == 'E' ? enabled : key[0] == 'X' ? xLeft : yTop;
}

QString read(IniFileHandler& ini, const char* key)
{
    setIniKey(ini, keyName(key));
    return ini.Value();
}

// A coordinate as the layout writes it: empty counts as 0; a text that is
// not a number, or a number beyond a double (1e999), is no coordinate.
std::optional<double> coordinate(const QString& text)
{
    if (text.isEmpty())
        return 0.0;
    std::optional<double> value;
    skipOnError([&] { value = toStrictDouble(text); });
    return value;
}

// Only fields the page shows can be found: those generation draws (Enabled
// 1, read as generation reads it). The option sections ("Preview",
// "Printer" ...) have no origin and would otherwise all sit at (0, 0).
bool isEnabled(const QString& text)
{
    bool on = false;
    skipOnError([&] { on = toInteger(text) == 1; });
    return on;
}

int clampedPixel(double pixel) { return static_cast<int>(std::clamp(pixel, -kFarPixels, kFarPixels)); }

void styleMarker(QFrame& marker)
{
    marker.setFrameStyle(QFrame::Box | QFrame::Plain);
    marker.setLineWidth(kMarkerFrame);
    QPalette palette = marker.palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(kMarkerColour));
    marker.setPalette(palette);
    marker.setAutoFillBackground(false);  // the field under it stays visible
}
}  // namespace

FieldSearch::FieldSearch(frmKWPNDPreviewA& window) : window_(window) {}

FieldSearch::~FieldSearch() { formUnloading(); }

void FieldSearch::formLoaded(PreviewForm& form)
{
    formUnloading();
    form_ = &form;
    styleMarker(*form.shapeFieldSearher);
    SurfaceView* canvas = form.CerPrvC;
    connections_.push_back(QObject::connect(
        canvas, &SurfaceView::mouseMoved, canvas,
        [this](float x, float y, Qt::MouseButtons, Qt::KeyboardModifiers) { CerPrvC_MouseMove(x, y); }));
    connections_.push_back(QObject::connect(canvas, &SurfaceView::mouseDoubleClicked, canvas,
                                            [this](float, float, Qt::MouseButtons button, Qt::KeyboardModifiers) {
                                                if (button == Qt::LeftButton)
                                                    CerPrvC_DblClick();
                                            }));
}

void FieldSearch::formUnloading()
{
    for (const QMetaObject::Connection& c : connections_)
        QObject::disconnect(c);
    connections_.clear();
    form_ = nullptr;
}

void FieldSearch::CerPrvC_MouseMove(float x, float y)
{
    if (!form_)
        return;
    showPointerReadout(*form_, x, y);
    msngPointerX = x;
    msngPointerY = y;
    form_->shapeFieldSearher->hide();
    form_->lblPennardPreview->setText(QString());
    form_->lblPennardPreview->setToolTip(QString());
    SearchFieldOnPreviewLogic(float(roundedToTenth(msngPointerX)), float(roundedToTenth(msngPointerY)), false, true);
}

void FieldSearch::CerPrvC_DblClick()
{
    SearchFieldOnPreviewLogic(float(roundedToTenth(msngPointerX)), float(roundedToTenth(msngPointerY)), true, true);
}

void FieldSearch::SearchFieldOnPreviewLogic(float SelectedX, float SelectedY, bool bRaiseEvent, bool)
{
    if (!form_)
        return;
    const QString path = window_.CerPrvC().Tag();
    // No page generated yet, or cleared: there is no layout to look in.
    if (path.isEmpty())
        return;
    // A failing handler call (the layout became unreadable, a folder ...) ends
    // this look-up quietly; the next pointer move tries again.
    endSilently([&] {
        IniFileHandler& ini = window_.readingHandler();
        // The file is checked on disk once for the whole look-up.
        const IniLookupPass pass;
        ini.Path(path);
        QStringList names;
        std::int32_t count = 0;
        ini.EnumerateAllSections(names, count);
        for (int i = 0; i < count && i < names.size(); ++i) {
            const QString& name = names[i];
            ini.section(name.trimmed());
            if (!isEnabled(read(ini, "Enabled")))
                continue;
            const std::optional<double> fx = coordinate(read(ini, "XLeft"));
            const std::optional<double> fy = coordinate(read(ini, "YTop"));
            if (!fx || !fy)
                continue;
            const bool inside = toSingle(*fx) <= SelectedX && SelectedX <= toSingle(*fx + 1) &&
                                toSingle(*fy) <= SelectedY && SelectedY <= toSingle(*fy + 1);
            if (!inside)
                continue;
            showFound(name, *fx, *fy);
            if (bRaiseEvent) {
                window_.dialogs().messageBox(numberText(*fx) + QLatin1Char('-') + numberText(*fy), MsgButtons::OK,
                                             MsgIcon::None, name);
                // The box ran the window's events: the window may be gone,
                // and the handler may name another file now.
                if (!form_)
                    return;
                ini.Path(path);
            }
        }
    });
}

void FieldSearch::showFound(const QString& section, double fx, double fy)
{
    form_->lblPennardPreview->setText(section);
    form_->lblPennardPreview->setToolTip(QString());
    // The marker frames the square of one canvas unit at the origin (at least
    // one pixel of it).
    const Surface& canvas = window_.CerPrvC();
    const QPointF a = canvas.toPixels(toSingle(fx), toSingle(fy));
    const QPointF b = canvas.toPixels(toSingle(fx + 1), toSingle(fy + 1));
    const int left = clampedPixel(std::floor(std::min(a.x(), b.x())));
    const int top = clampedPixel(std::floor(std::min(a.y(), b.y())));
    const int right = std::max(left + 1, clampedPixel(std::ceil(std::max(a.x(), b.x()))));
    const int bottom = std::max(top + 1, clampedPixel(std::ceil(std::max(a.y(), b.y()))));
    QFrame* marker = form_->shapeFieldSearher;
    marker->setGeometry(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1))
                            .adjusted(-kMarkerFrame, -kMarkerFrame, kMarkerFrame, kMarkerFrame));
    marker->show();
    marker->raise();
}

}  // namespace kwpnd
