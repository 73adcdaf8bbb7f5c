#include "field_style.h"

#include "engine_api.h"
#include "kwpnd/dialogs.h"

#include <QFont>

namespace kwpnd {

namespace {
// A flag of the layout is on when its value, read as a whole number, is 1.
bool flagOn(const QString& text) { return roundHalfEven(toNumber(text), 0) == 1; }

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// The field's font as the layout holds it now; a key that cannot be read
// leaves the dialog's default for it.
QFont currentFont(FieldEditor& field)
{
    QFont font(QStringLiteral("Arial"), 8);
    skipOnError([&] {
        const QString face = field.current(QStringLiteral("FontName")).trimmed();
        if (!face.isEmpty())
            font.setFamily(face);
    });
    skipOnError([&] {
        const double size = toNumber(field.current(QStringLiteral("FontSize")));
        if (size > 0 && size <= 2048)
            font.setPointSizeF(size);
    });
    skipOnError([&] { font.setBold(flagOn(field.current(QStringLiteral("FontBold")))); });
    skipOnError([&] { font.setItalic(flagOn(field.current(QStringLiteral("FontItalic")))); });
    skipOnError([&] { font.setUnderline(flagOn(field.current(QStringLiteral("FontUnderline")))); });
    return font;
}
}  // namespace

void SetFieldFont(FieldEditor& field)
{
    const std::optional<QFont> chosen = field.dialogs().chooseFont(QStringLiteral("Font"), currentFont(field));
    if (!chosen)
        return;
    field.write(QStringLiteral("FontName"), chosen->family());
    // A font given in pixels has no point size: its size is left as it is.
    if (chosen->pointSizeF() > 0)
        field.write(QStringLiteral("FontSize"), numberText(chosen->pointSizeF()));
    field.write(QStringLiteral("FontBold"), flagText(chosen->bold()));
    field.write(QStringLiteral("FontItalic"), flagText(chosen->italic()));
    field.write(QStringLiteral("FontUnderline"), flagText(chosen->underline()));
}

void SetFieldForeColor(FieldEditor& field)
{
    endSilently([&] {
        std::int32_t initial = 0;
        skipOnError([&] {
            const double now = toNumber(field.current(QStringLiteral("Forecolor")));
            if (now >= 0 && now <= 0xFFFFFF)
                initial = static_cast<std::int32_t>(now);
        });
        const std::optional<std::int32_t> colour = field.dialogs().chooseColour(QStringLiteral("Colour"), initial);
        if (colour)
            field.write(QStringLiteral("Forecolor"), QString::number(*colour));
    });
}

}  // namespace kwpnd
