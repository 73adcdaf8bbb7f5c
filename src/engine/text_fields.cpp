#include "text_fields.h"

#include "conversions.h"
#include "format.h"
#include "kwpnd/ini_file_handler.h"
#include "runtime_component.h"
#include "surface_api.h"
#include "text_fit.h"

#include <QDateTime>
#include <QObject>
#include <QVariant>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace kwpnd {

namespace {

// A member of the host's application object, read by name.
QString applicationMember(FieldContext& ctx, const char* member)
{
    QObject* app = ctx.host.applicationObject();
    if (!app)
        throw Error(ErrorNumber::ObjectNotSet);
    const QVariant value = app->property(member);
    if (!value.isValid())
        throw Error(ErrorNumber::MethodNotSupported);
    return value.toString();
}

// The padded-number buffer: `Buffer` blanks.
QString makeBuffer(const QString& bufferText)
{
    const std::int32_t width = toStrictLong(bufferText);
    if (width < 0)
        throw Error::detailed(ErrorNumber::InvalidProcedureCall, QStringLiteral("Buffer %1 is negative").arg(width));
    if (width > kMaxBuffer)
        throw Error::detailed(ErrorNumber::OutOfMemory,
                              QStringLiteral("Buffer %1 is larger than %2 characters").arg(width).arg(kMaxBuffer));
    return QString(width, QLatin1Char(' '));
}

// Ascending line numbers gathered one by one, shown as "Data2, Data5–Data9".
// Runs of consecutive numbers collapse into one range; a long list of
// scattered numbers is cut after its first ranges.
class LineRanges {
public:
    void add(int k)
    {
        if (!ranges_.empty() && ranges_.back().second + 1 == k)
            ranges_.back().second = k;
        else
            ranges_.emplace_back(k, k);
        ++count_;
    }

    QString text(const QString& prefix) const
    {
        QStringList parts;
        qint64 shown = 0;
        for (const auto& [first, last] : ranges_) {
            if (parts.size() == kMaxRangesShown) {
                parts << QStringLiteral("and %1 more").arg(count_ - shown);
                break;
            }
            parts << (first == last ? prefix + QString::number(first)
                                    : prefix + QString::number(first) + QChar(0x2013) + prefix + QString::number(last));
            shown += qint64(last) - first + 1;
        }
        return parts.join(QStringLiteral(", "));
    }

private:
    static constexpr qsizetype kMaxRangesShown = 20;
    std::vector<std::pair<int, int>> ranges_;
    qint64 count_ = 0;
};

QString dataLineKey(int k) { return QStringLiteral("Data") + QString::number(k); }

}  // namespace

QString rightAligned(const QString& text, int width)
{
    if (text.size() >= width)
        return text.left(width);
    return QString(width - text.size(), QLatin1Char(' ')) + text;
}

void drawPlainText(FieldContext& ctx)
{
    const FieldRecord& r = ctx.record;
    // Case conversion applies only to fields that carry a Format; codes other
    // than 1, 2 and 3 leave the text as it is.
    if (!r.Format.isEmpty() && r.Strconv >= 1 && r.Strconv <= 3)
        ctx.write(StrConv(r.data, r.Strconv));
    else
        ctx.write(r.data);
}

void drawStrFromStrings(FieldContext& ctx) { ctx.write(ctx.host.registeredString(ctx.record.data)); }

void drawNow(FieldContext& ctx) { ctx.write(generalDate(QDateTime::currentDateTime())); }

void drawDate(FieldContext& ctx)
{
    const QDate today = QDate::currentDate();
    if (!ctx.record.Format.isEmpty())
        ctx.write(Format(QVariant(today), ctx.record.Format));
    else
        ctx.write(shortDate(today));
}

void drawTime(FieldContext& ctx) { ctx.write(longTime(QTime::currentTime())); }

void drawProductName(FieldContext& ctx) { ctx.write(applicationMember(ctx, "ProductName")); }

void drawAppTitle(FieldContext& ctx) { ctx.write(applicationMember(ctx, "Title")); }

void drawAppVersion(FieldContext& ctx)
{
    ctx.write(applicationMember(ctx, "Major") + QLatin1Char('.') + applicationMember(ctx, "Minor"));
}

void drawEnvironmentVariable(FieldContext& ctx)
{
    const RuntimeComponent runtime;
    ctx.write(runtime.EnvironGet(RuntimeComponent::kEnvironmentVariable, ctx.record.data, ctx.record.Expand != 0));
}

void drawPaddedNumber(FieldContext& ctx)
{
    FieldRecord& r = ctx.record;
    if (!ctx.step([&] { r.paddedBuffer = makeBuffer(r.Buffer); }))
        return;
    const double value = toStrictDouble(r.data);
    r.paddedBuffer = rightAligned(Format(QVariant(value), r.Format), static_cast<int>(r.paddedBuffer.size()));
    ctx.write(r.paddedBuffer);
}

void drawPaddedColumn(FieldContext& ctx)
{
    FieldRecord& r = ctx.record;
    if (!ctx.step([&] { r.paddedBuffer = makeBuffer(r.Buffer); }))
        return;
    const int width = static_cast<int>(r.paddedBuffer.size());
    // A line that is empty or does not convert leaves its row blank, so the
    // rows below stay beside their neighbours in other columns. The failures
    // are gathered and reported once, after the column: a column of
    // thousands of missing lines must not become thousands of message boxes.
    std::optional<Error> firstFailure;
    LineRanges failedLines;
    for (int k = 1; k <= r.Datas; ++k) {
        const QString line = ctx.driver.ReadDataValue(r.sectionName, dataLineKey(k));
        QString text;
        if (auto failure =
                failureOf([&] { text = rightAligned(Format(QVariant(toStrictDouble(line)), r.Format), width); })) {
            failedLines.add(k);
            if (!firstFailure)
                firstFailure = std::move(failure);
        }
        r.paddedBuffer = text;
        ctx.write(text);
        ctx.nextLine();
    }
    if (firstFailure)
        ctx.step([&] {
            QString detail = failedLines.text(QStringLiteral("Data"));
            if (!firstFailure->detail().isEmpty())
                detail += QStringLiteral(" (%1)").arg(firstFailure->detail());
            throw Error::detailed(firstFailure->number(), detail);
        });
}

void drawDataLines(FieldContext& ctx)
{
    FieldRecord& r = ctx.record;
    for (int k = 1; k <= r.Datas; ++k) {
        ctx.write(ctx.driver.ReadDataValue(r.sectionName, dataLineKey(k)));
        ctx.nextLine();
    }
}

void drawDelimited(FieldContext& ctx)
{
    const FieldRecord& r = ctx.record;
    if (r.data.isEmpty())
        return;
    const QStringList parts =
        r.Delimeter.isEmpty() ? QStringList{r.data} : r.data.split(r.Delimeter, Qt::KeepEmptyParts);
    for (const QString& part : parts) {
        ctx.write(part);
        ctx.nextLine();
    }
}

void drawFittedText(FieldContext& ctx)
{
    FieldRecord& r = ctx.record;
    // A direction the routine does not know is reported, and the text is
    // still written, without a shadow.
    std::int32_t shadow = r.Shadow;
    if (!isShadowDirection(shadow)) {
        ctx.step([&] {
            throw Error::detailed(ErrorNumber::InvalidProcedureCall,
                                  QStringLiteral("Shadow %1 is not a direction from 0 to 8; the text is written "
                                                 "without a shadow")
                                      .arg(shadow));
        });
        shadow = 4;
    }
    if (FitText(ctx.canvas, r.data, r.Align, r.Border, shadow, r.Forecolor))
        r.Shadow = shadow;
}

void drawWatermark(FieldContext& ctx)
{
    FieldRecord& r = ctx.record;
    clsKWPNDFontRotateA& rotate = ctx.driver.fontRotate();
    rotate.setPointSize(r.FontSize);
    rotate.setAngle(r.Angle);
    rotate.dispText(ctx.canvas.hDC(), r.data, evenRoundedDeviceInt(r.XLeft), evenRoundedDeviceInt(r.YTop), r.FontName);
    ctx.canvas.ForeColor(0);
}

}  // namespace kwpnd
