#include "adjuster_keys.h"

#include "engine_api.h"
#include "preview_api.h"

#include <QStringList>
#include <array>

namespace kwpnd {

namespace {
using namespace AdjusterKey;

// Any shift state: F9, Delete and Backspace.
constexpr std::int16_t kAnyShift = -1;

enum class Action {
    Describe,        // Ctrl+D: Description from an input box
    ShowOnlyActive,  // F9
    MoveX,           // XLeft = the adjuster's x + delta
    MoveY,           // YTop = the adjuster's y + delta
    Resize,          // a picture: pictureKey + pictureDelta; other types: textKey as a whole number + textDelta
    Toggle,          // textKey: "0" when it reads 1, else "1"
    Font,            // Ctrl+F
    Colour,          // Ctrl+O
};

struct Binding {
    std::int16_t keyCode;
    std::int16_t shift;
    Action action;
    const char* pictureKey = nullptr;  // Resize: the key of a picture
    double pictureDelta = 0;
    const char* textKey = nullptr;  // Resize of other types (none: nothing), Toggle
    double textDelta = 0;
    double delta = 0;  // MoveX, MoveY
};

// In the order the checks run.
const Binding kBindings[] = {
    {D, Ctrl, Action::Describe},
    {F9, kAnyShift, Action::ShowOnlyActive},
    {Left, Shift, Action::MoveX, nullptr, 0, nullptr, 0, -1},
    {Right, Shift, Action::MoveX, nullptr, 0, nullptr, 0, +1},
    {Down, Shift, Action::MoveY, nullptr, 0, nullptr, 0, +1},
    {Up, Shift, Action::MoveY, nullptr, 0, nullptr, 0, -1},
    {Left, Ctrl, Action::MoveX, nullptr, 0, nullptr, 0, -0.1},
    {Right, Ctrl, Action::MoveX, nullptr, 0, nullptr, 0, +0.1},
    {Down, Ctrl, Action::MoveY, nullptr, 0, nullptr, 0, +0.1},
    {Up, Ctrl, Action::MoveY, nullptr, 0, nullptr, 0, -0.1},
    {Up, Alt, Action::Resize, "Height", -1, "FontSize", +1},
    {Down, Alt, Action::Resize, "Height", +1, "FontSize", -1},
    {Left, Alt, Action::Resize, "Width", -1},
    {Right, Alt, Action::Resize, "Width", +1},
    {B, Ctrl, Action::Toggle, nullptr, 0, "FontBold"},
    {I, Ctrl, Action::Toggle, nullptr, 0, "FontItalic"},
    {U, Ctrl, Action::Toggle, nullptr, 0, "FontUnderline"},
    {Delete, kAnyShift, Action::Toggle, nullptr, 0, "Enabled"},
    {F, Ctrl, Action::Font},
    {O, Ctrl, Action::Colour},
};

const QStringList& pictureTypes()
{
    static const QStringList types = {
        QStringLiteral("PicFromFile"), QStringLiteral("PicFromPictures"), QStringLiteral("Picture1"),
        QStringLiteral("Picture2"),    QStringLiteral("Picture3"),        QStringLiteral("Picture4"),
    };
    return types;
}

// A current value read as a whole number (a tie to the even one); missing
// or not a number: 0.
double wholeValue(const QString& text) { return roundHalfEven(toNumber(text), 0); }

// Runs one binding; false when the key handling ends here.
bool run(const Binding& b, const AdjusterField& field, AdjusterKeyTarget& target)
{
    switch (b.action) {
    case Action::Describe: {
        const std::optional<QString> text =
            target.dialogs().inputBox(QStringLiteral("Enter description"), QStringLiteral("Enter Description"), {});
        if (!text || text->isEmpty())
            return false;
        target.write(QStringLiteral("Description"), *text);
        return true;
    }
    case Action::ShowOnlyActive:
        target.showActiveAdjusterOnly();
        return true;
    case Action::MoveX:
        target.write(QStringLiteral("XLeft"), numberText(field.x + b.delta));
        return true;
    case Action::MoveY:
        target.write(QStringLiteral("YTop"), numberText(field.y + b.delta));
        return true;
    case Action::Resize:
        if (isPictureType(field.type)) {
            const QString key = QLatin1String(b.pictureKey);
            target.write(key, numberText(toNumber(target.current(key)) + b.pictureDelta));
        } else if (b.textKey) {
            const QString key = QLatin1String(b.textKey);
            target.write(key, numberText(wholeValue(target.current(key)) + b.textDelta));
        }
        return true;
    case Action::Toggle: {
        const QString key = QLatin1String(b.textKey);
        target.write(key, wholeValue(target.current(key)) == 1 ? QStringLiteral("0") : QStringLiteral("1"));
        return true;
    }
    case Action::Font:
        SetFieldFont(target);
        return true;
    case Action::Colour:
        SetFieldForeColor(target);
        return true;
    }
    return true;
}
}  // namespace

bool isPictureType(const QString& type) { return pictureTypes().contains(type, Qt::CaseSensitive); }

KeyOutcome runAdjusterKey(std::int16_t keyCode, std::int16_t shift, const AdjusterField& field,
                          AdjusterKeyTarget& target)
{
    for (const Binding& b : kBindings) {
        if (b.keyCode != keyCode || (b.shift != kAnyShift && b.shift != shift))
            continue;
        bool goOn = true;
        skipOnError([&] { goOn = run(b, field, target); });
        if (!goOn)
            return KeyOutcome::End;
    }
    return KeyOutcome::Regenerate;
}

std::int16_t adjusterKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    case Qt::Key_Down:
        return Down;
    case Qt::Key_Delete:
        return Delete;
    default:
        return keyCode(qtKey);
    }
}

}  // namespace kwpnd
