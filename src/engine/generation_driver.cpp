#include "generation_driver.h"

#include "conversions.h"
#include "error_handling.h"
#include "field_context.h"
#include "field_keys.h"
#include "generation_host.h"
#include "ini_lookup.h"
#include "kwpnd/surface.h"
#include "surface_api.h"

#include <cmath>

namespace kwpnd {

namespace {
const QString kPreviewSection = QStringLiteral("Preview");

// A value as a report quotes it: long values are cut.
QString elided(const QString& value)
{
    constexpr qsizetype kMostShown = 40;
    return value.size() <= kMostShown ? value : value.left(kMostShown) + QChar(0x2026);
}
}  // namespace

GenerationDriver::GenerationDriver(GenerationHost& host) : host_(host) {}

GenerationDriver::~GenerationDriver() = default;

template <typename Step>
bool GenerationDriver::step(Step&& s)
{
    return reportAndContinue(host_.dialogs(), record_.sectionName, std::forward<Step>(s));
}

clsKWPNDFontRotateA& GenerationDriver::fontRotate()
{
    if (!fontRotate_)
        fontRotate_ = std::make_unique<clsKWPNDFontRotateA>();
    return *fontRotate_;
}

QString GenerationDriver::ReadLayoutValue(const QString& section, const QString& key)
{
    IniFileHandler& ini = host_.readingHandler();
    ini.Path(host_.settingFile());
    ini.section(section);
    ini.Key(key);
    return ini.Value();
}

QString GenerationDriver::ReadDataValue(const QString& section, const QString& key)
{
    IniFileHandler& ini = host_.secondHandler();
    ini.Path(host_.dataFile());
    ini.section(section);
    ini.Key(key);
    return ini.Value();
}

void GenerationDriver::WriteLayoutValue(const QString& section, const QString& key, const QString& text)
{
    IniFileHandler& ini = host_.secondHandler();
    ini.Path(host_.settingFile());
    ini.section(section);
    ini.Key(key);
    ini.Value(text);
}

void GenerationDriver::WriteDataValue(const QString& section, const QString& key, const QString& text)
{
    try {
        IniFileHandler& ini = host_.secondHandler();
        ini.Path(host_.dataFile());
        ini.section(section);
        ini.Key(key);
        ini.Value(text);
    } catch (...) {
        // Counted as well as reported: a lost write-back (a serial number
        // not stored) must be able to fail a batch run.
        ++failedDataWrites_;
        throw;
    }
}

void GenerationDriver::PreviewGenerate()
{
    Surface& canvas = host_.canvas();
    IniFileHandler& ini = host_.readingHandler();
    // Each file is checked on disk once in the walk, not at every key.
    const IniLookupPass pass;
    step([&] { host_.ClearAdjusters(); });
    step([&] { BeforePreviewGenerate(); });

    QStringList names;
    std::int32_t count = 0;
    step([&] { ini.Path(host_.settingFile()); });
    step([&] { canvas.Tag(host_.settingFile()); });
    step([&] { ini.EnumerateAllSections(names, count); });

    for (int i = 1; i <= count && i <= names.size(); ++i) {
        if (i > kMaxSections) {
            host_.dialogs().messageBox(QStringLiteral("Maximum limit of fields are 255"), MsgButtons::OK,
                                       MsgIcon::Critical, QStringLiteral("Limit Exceeds'"));
            return;
        }
        generateSection(names[i - 1], i);
    }
    if (host_.afterGenerateActionsOn())
        step([&] { AfterPreviewGenerate(); });
}

void GenerationDriver::generateSection(const QString& name, int index)
{
    IniFileHandler& ini = host_.readingHandler();
    // The handler is left naming the last key the field read, as if it had
    // read them one by one.
    auto nameLastKey = [&](int slot) { step([&] { setIniKey(ini, keys_.name(slot)); }); };

    step([&] { record_.sectionName = name; });
    step([&] { ini.section(name.trimmed()); });
    keys_.read(ini);
    step([&] { record_.Enabled = toInteger(keys_.value(keys_.enabledSlot())); });
    if (record_.Enabled == 1) {
        step([&] { record_.data = ReadDataValue(record_.sectionName, QStringLiteral("Data")); });
        step([&] {
            const QString& type = keys_.value(keys_.typeSlot());
            if (!type.isEmpty())
                record_.Type = type.trimmed();
        });
        const std::optional<FieldKind> kind = findFieldKind(record_.Type);
        if (kind)
            readKindKeys(kind->keys);
        readFieldKeys();
        nameLastKey(keys_.fieldSlots().back());
        if (record_.XLeft != 0 || record_.YTop != 0)
            drawField(kind && kind->render ? kind->render : drawPlainText);
        if (host_.guidesOn())
            step([&] { host_.DrawGuides(record_.XLeft, record_.YTop, record_.sectionName); });
        if (host_.adjustersOn())
            step([&] {
                host_.DrawAdjusters(record_.Type, record_.XLeft, record_.YTop, record_.sectionName, index,
                                    record_.Description);
            });
    } else {
        nameLastKey(keys_.enabledSlot());
    }
    ClearAllVar(record_);
}

void GenerationDriver::readKindKeys(std::span<const FieldKindKey> keys)
{
    const std::span<const int> keySlots = keys_.kindSlots(keys);
    for (std::size_t i = 0; i < keys.size(); ++i)
        step([&] { keys[i].store(record_, keys_.value(keySlots[i])); });
}

void GenerationDriver::readFieldKeys()
{
    const std::span<const FieldKey> keys = fieldKeys();
    const std::span<const int> keySlots = keys_.fieldSlots();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        step([&] {
            const QString& text = keys_.value(keySlots[i]);
            // A report names the line of the layout that failed.
            if (!text.isEmpty())
                withContext([&]() -> QString { return QLatin1String(keys[i].name) + QLatin1Char('=') + elided(text); },
                            [&] { keys[i].store(record_, text); });
        });
    }
}

void GenerationDriver::drawField(FieldRenderer render)
{
    Surface& canvas = host_.canvas();
    FieldRecord& r = record_;

    step([&] { canvas.CurrentX(toSingle(r.XLeft)); });
    step([&] { canvas.CurrentY(toSingle(r.YTop)); });

    if (r.FontBold == 1)
        step([&] { canvas.FontBold(true); });
    if (r.FontStrikethrough == 1)
        step([&] { canvas.FontStrikethru(true); });
    if (r.FontItalic == 1)
        step([&] { canvas.FontItalic(true); });
    if (r.FontUnderline == 1)
        step([&] { canvas.FontUnderline(true); });
    // A record that was never reset has no size and no face yet: the canvas
    // keeps its own font for that first field.
    if (r.everReset || r.FontSize != 0)
        step([&] { canvas.FontSize(r.FontSize); });
    if (r.everReset || !r.FontName.isEmpty())
        step([&] { canvas.FontName(r.FontName); });
    step([&] { canvas.ForeColor(r.Forecolor); });

    if (r.DrawWidth == 0)
        r.DrawWidth = 1;
    step([&] { canvas.DrawWidth(roundToInteger(r.DrawWidth)); });

    step([&] {
        clsKWPNDFontRotateA& rotate = fontRotate();
        rotate.setPointSize(r.FontSize);
        rotate.setAngle(r.Angle);
        rotate.dispText(canvas.hDC(), host_.watermark(), evenRoundedDeviceInt(r.XLeft), evenRoundedDeviceInt(r.YTop),
                        r.FontName);
    });

    step([&] { canvas.ForeColor(0); });
    step([&] {
        FieldContext ctx{r, canvas, host_, *this};
        render(ctx);
    });
    resetCanvas();
}

void GenerationDriver::resetCanvas()
{
    Surface& canvas = host_.canvas();
    step([&] { canvas.FontSize(8); });
    step([&] { canvas.FontBold(false); });
    step([&] { canvas.FontItalic(false); });
    step([&] { canvas.FontUnderline(false); });
    step([&] { canvas.FontName(QStringLiteral("Verdana")); });
    step([&] { canvas.ForeColor(0); });
    step([&] { canvas.FontStrikethru(false); });
    step([&] { canvas.DrawWidth(1); });
}

void GenerationDriver::AfterPreviewGenerate()
{
    // No handling of its own: the first failure ends it and the walk reports it.
    const std::int16_t print = toStrictInteger(ReadLayoutValue(kPreviewSection, QStringLiteral("PrintAfterGenerate")));
    const std::int16_t copy = toStrictInteger(ReadLayoutValue(kPreviewSection, QStringLiteral("CopyToClipboard")));
    if (print == 1)
        host_.PreviewPrintDirect();
    if (copy == 1)
        host_.PreviewCopy();
}

}  // namespace kwpnd
