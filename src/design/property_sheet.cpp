#include "property_sheet.h"

#include "design_numbers.h"
#include "engine_api.h"
#include "surface_api.h"

#include <QCheckBox>
#include <QColor>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <cmath>

namespace kwpnd {

namespace {
// The texts a field has when its section leaves a font key out.
const char* const kFontDefaults[][2] = {
    {"FontName", "Arial"}, {"FontSize", "8"}, {"FontBold", "0"}, {"FontItalic", "0"}, {"FontUnderline", "0"},
};

// Positions far beyond any page, in either direction, so that no stored
// value is clipped by the editor.
constexpr double kPositionRange = 1e9;

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

bool flagOn(const QString& text)
{
    std::int16_t value = 0;
    skipOnError([&] { value = toInteger(text); });
    return value == 1;
}

std::int32_t colourNumberOf(const QString& text)
{
    std::int32_t number = 0;
    skipOnError([&] { number = toStrictLong(text); });
    return number;
}
}  // namespace

const QStringList& PropertySheet::keys()
{
    static const QStringList names{
        QStringLiteral("Description"), QStringLiteral("Enabled"),    QStringLiteral("XLeft"),
        QStringLiteral("YTop"),        QStringLiteral("FontName"),   QStringLiteral("FontSize"),
        QStringLiteral("FontBold"),    QStringLiteral("FontItalic"), QStringLiteral("FontUnderline"),
        QStringLiteral("Forecolor"),
    };
    return names;
}

PropertySheet::PropertySheet(QWidget* parent) : QGroupBox(QStringLiteral("Field"), parent)
{
    setObjectName(QStringLiteral("PropertySheet"));
    auto* form = new QFormLayout(this);

    description = new QLineEdit(this);
    description->setObjectName(QStringLiteral("propDescription"));
    description->setToolTip(QStringLiteral("This is desc"));
    form->addRow(QStringLiteral("Description"), description);
    connect(description, &QLineEdit::editingFinished, this, [this] {
        if (!filling_ && description->text() != texts_.value(QStringLiteral("Description")))
            write({{QStringLiteral("Description"), description->text()}});
    });

    enabled = new QCheckBox(this);
    enabled->setObjectName(QStringLiteral("propEnabled"));
    enabled->setToolTip(QStringLiteral("This is enabled"));
    form->addRow(QStringLiteral("Enabled"), enabled);
    connect(enabled, &QCheckBox::clicked, this, [this](bool on) {
        if (!filling_)
            write({{QStringLiteral("Enabled"), flagText(on)}});
    });

    xLeft = makePosition(QStringLiteral("XLeft"), QStringLiteral("XLeft value"));
    form->addRow(QStringLiteral("XLeft"), xLeft);
    yTop = makePosition(QStringLiteral("YTop"), QStringLiteral("YTop value"));
    form->addRow(QStringLiteral("YTop"), yTop);

    font = new QPushButton(this);
    font->setObjectName(QStringLiteral("propFont"));
    font->setToolTip(QStringLiteral("Font of the field's text"));
    form->addRow(QStringLiteral("Font"), font);
    connect(font, &QPushButton::clicked, this, [this] { chooseFont(); });

    forecolor = new QPushButton(this);
    forecolor->setObjectName(QStringLiteral("propForecolor"));
    forecolor->setToolTip(QStringLiteral("Colour of lines, boxes and circles"));
    form->addRow(QStringLiteral("Forecolor"), forecolor);
    connect(forecolor, &QPushButton::clicked, this, [this] { chooseForecolor(); });

    clear();
}

QDoubleSpinBox* PropertySheet::makePosition(const QString& key, const QString& help)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QStringLiteral("prop") + key);
    box->setToolTip(help);
    box->setLocale(QLocale::c());  // the file's numbers use '.' whatever the user's locale
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(-kPositionRange, kPositionRange);
    // One write when the user is done (Enter, leaving the box, a step), not
    // one per digit typed.
    box->setKeyboardTracking(false);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, key](double value) {
        if (!filling_)
            write({{key, tenthsText(value)}});
    });
    return box;
}

void PropertySheet::fill(const QString& section, const QString& type, const QMap<QString, QString>& texts)
{
    filling_ = true;
    section_ = section;
    texts_ = texts;
    setEnabled(true);
    setToolTip(type.isEmpty() ? section : QStringLiteral("%1 (%2)").arg(section, type));
    description->setText(texts.value(QStringLiteral("Description")));
    enabled->setChecked(flagOn(texts.value(QStringLiteral("Enabled"))));
    const auto position = [&](const char* key) {
        double value = 0;
        skipOnError([&] { value = toMeasure(texts.value(QLatin1String(key))); });
        return std::isfinite(value) ? value : 0.0;
    };
    xLeft->setValue(position("XLeft"));
    yTop->setValue(position("YTop"));
    showFont();
    showForecolor();
    filling_ = false;
}

void PropertySheet::clear()
{
    fill(QString(), QString(), {});
    setToolTip(QString());
    setEnabled(false);
}

void PropertySheet::write(const KeyTexts& texts)
{
    if (writer_ && !section_.isEmpty() && !texts.empty())
        writer_(texts);
}

namespace {
QString textOr(const QMap<QString, QString>& texts, const char* key, const char* fallback)
{
    const QString text = texts.value(QLatin1String(key));
    return text.isEmpty() ? QLatin1String(fallback) : text;
}
}  // namespace

void PropertySheet::showFont()
{
    QStringList parts{textOr(texts_, "FontName", "Arial"), textOr(texts_, "FontSize", "8") + QStringLiteral(" pt")};
    if (flagOn(texts_.value(QStringLiteral("FontBold"))))
        parts << QStringLiteral("bold");
    if (flagOn(texts_.value(QStringLiteral("FontItalic"))))
        parts << QStringLiteral("italic");
    if (flagOn(texts_.value(QStringLiteral("FontUnderline"))))
        parts << QStringLiteral("underlined");
    // A button reads '&' as its shortcut mark: the texts are shown as stored.
    font->setText(parts.join(QStringLiteral(", ")).replace(u'&', QStringLiteral("&&")));
}

void PropertySheet::showForecolor()
{
    const QString text = texts_.value(QStringLiteral("Forecolor"));
    forecolor->setText(text.isEmpty() ? QStringLiteral("0") : QString(text).replace(u'&', QStringLiteral("&&")));
    QPixmap swatch(12, 12);
    swatch.fill(toQColor(colourNumberOf(text) & 0xFFFFFF));  // its red, green and blue bytes
    forecolor->setIcon(QIcon(swatch));
}

void PropertySheet::chooseFont()
{
    QFont initial(textOr(texts_, "FontName", "Arial"));
    std::int16_t size = 8;
    skipOnError([&] { size = toInteger(textOr(texts_, "FontSize", "8")); });
    initial.setPointSize(size > 0 ? size : 8);
    initial.setBold(flagOn(texts_.value(QStringLiteral("FontBold"))));
    initial.setItalic(flagOn(texts_.value(QStringLiteral("FontItalic"))));
    initial.setUnderline(flagOn(texts_.value(QStringLiteral("FontUnderline"))));
    const std::optional<QFont> chosen = Dialogs::current().chooseFont(QStringLiteral("Font"), initial);
    if (!chosen)
        return;
    const double points = chosen->pointSizeF() > 0 ? chosen->pointSizeF() : initial.pointSizeF();
    const QString chosenTexts[] = {chosen->family(), QString::number(std::lround(points)), flagText(chosen->bold()),
                                   flagText(chosen->italic()), flagText(chosen->underline())};
    // Only what changed is written; a key the section leaves out is not
    // added when the choice is what the field has without it.
    KeyTexts changes;
    for (std::size_t i = 0; i < std::size(kFontDefaults); ++i) {
        const QString key = QLatin1String(kFontDefaults[i][0]);
        const QString stored = texts_.value(key);
        const QString shown = stored.isEmpty() ? QLatin1String(kFontDefaults[i][1]) : stored;
        if (chosenTexts[i] != shown)
            changes.emplace_back(key, chosenTexts[i]);
    }
    write(changes);
}

void PropertySheet::chooseForecolor()
{
    const QString stored = texts_.value(QStringLiteral("Forecolor"));
    const std::optional<std::int32_t> chosen =
        Dialogs::current().chooseColour(QStringLiteral("Forecolor"), colourNumberOf(stored));
    if (chosen && QString::number(*chosen) != stored)
        write({{QStringLiteral("Forecolor"), QString::number(*chosen)}});
}

}  // namespace kwpnd
