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

// The INI name of a key the walk reads from every field, prepared once: a
// page of 255 fields reads thousands of keys.
const IniName& iniKey(const char* name)
{
    static QHash<const char*, IniName> names;
    auto found = names.find(name);
    if (found == names.end())
        found = names.insert(name, IniName(QLatin1String(name)));
    return *found;
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
    auto readKey = [&](const char* key) {
        setIniKey(ini, iniKey(key));
        return ini.Value();
    };

    step([&] { record_.sectionName = name; });
    step([&] { ini.section(name.trimmed()); });
    step([&] { record_.Enabled = toInteger(readKey("Enabled")); });
    if (record_.Enabled == 1) {
        step([&] { record_.data = ReadDataValue(record_.sectionName, QStringLiteral("Data")); });
        step([&] {
            const QString type = readKey("Type");
            if (!type.isEmpty())
                record_.Type = type.trimmed();
        });
        const std::optional<FieldKind> kind = findFieldKind(record_.Type);
        if (kind)
            readKindKeys(kind->keys);
        readFieldKeys();
        if (record_.XLeft != 0 || record_.YTop != 0)
            drawField(kind && kind->render ? kind->render : drawPlainText);
        if (host_.guidesOn())
            step([&] { host_.DrawGuides(record_.XLeft, record_.YTop, record_.sectionName); });
        if (host_.adjustersOn())
            step([&] {
                host_.DrawAdjusters(record_.Type, record_.XLeft, record_.YTop, record_.sectionName, index,
                                    record_.Description);
            });
    }
    ClearAllVar(record_);
}

void GenerationDriver::readKindKeys(std::span<const FieldKindKey> keys)
{
    for (const FieldKindKey& key : keys)
        step([&] { key.store(record_, ReadLayoutValue(record_.sectionName, QLatin1String(key.name))); });
}

void GenerationDriver::readFieldKeys()
{
    IniFileHandler& ini = host_.readingHandler();
    for (const FieldKey& key : fieldKeys()) {
        step([&] {
            setIniKey(ini, iniKey(key.name));
            const QString text = ini.Value();
            // A report names the line of the layout that failed.
            if (!text.isEmpty())
                withContext(QLatin1String(key.name) + QLatin1Char('=') + elided(text),
                            [&] { key.store(record_, text); });
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
