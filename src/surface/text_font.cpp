#include "text_font.h"

#include <QImage>
#include <QPaintDevice>
#include <QRegularExpression>

namespace kwpnd {

const QPaintDevice& metricDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeter96);
        image.setDotsPerMeterY(kDotsPerMeter96);
        return image;
    }();
    return device;
}

QFont makeSurfaceFont(const QString& face, double points, FontStyle style)
{
    QString family = face;
    while (family.endsWith(QLatin1Char(' ')))
        family.chop(1);
    QFont font;
    if (family.isEmpty()) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
    } else {
        font.setFamily(family);
    }
    font.setPointSizeF(points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QFont fontForDevice(const QFont& font, const QPaintDevice* device)
{
    const int dpi = device ? device->logicalDpiY() : kScreenDpi;
    if (dpi == kScreenDpi || dpi <= 0)
        return font;
    QFont corrected = font;
    corrected.setPointSizeF(font.pointSizeF() * kScreenDpi / dpi);
    return corrected;
}

QStringList splitLines(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

}  // namespace kwpnd
