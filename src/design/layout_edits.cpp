#include "layout_edits.h"

#include "engine_api.h"
#include "kwpnd/error.h"
#include "preview_api.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QUndoCommand>
#include <optional>

namespace kwpnd {

namespace {
// Classic key codes and shift states of the undo keys.
constexpr std::int16_t kKeyY = 89, kKeyZ = 90;
constexpr std::int16_t kShift = 1, kCtrl = 2;

// One id for every layout write: the stack offers each new step to the one
// before for merging.
constexpr int kLayoutWriteId = 0x4C57;

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }
}  // namespace

// A write as the file's bytes before and after it. Its undo() and redo() do
// nothing: LayoutEdits writes the file (and may refuse) before it moves the
// stack's index, so that a refusal leaves the stack as it was.
class LayoutEdits::Step : public QUndoCommand {
public:
    Step(QString path, QString section, QString key, LayoutEdits::Refresh refresh, std::optional<QByteArray> before,
         std::optional<QByteArray> after)
        : path(std::move(path)), section(std::move(section)), key(std::move(key)), refresh(refresh),
          before(std::move(before)), after(std::move(after))
    {
        setText(QStringLiteral("%1 of %2").arg(this->key, this->section));
        written.start();
    }

    int id() const override { return kLayoutWriteId; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Step*>(other);
        if (next->path != path || next->section.compare(section, Qt::CaseInsensitive) != 0 ||
            next->key.compare(key, Qt::CaseInsensitive) != 0 || next->refresh != refresh ||
            written.elapsed() > LayoutEdits::kMergeMs || next->before != after)
            return false;
        after = next->after;
        written.start();
        return true;
    }

    const QString path, section, key;
    const LayoutEdits::Refresh refresh;
    std::optional<QByteArray> before, after;
    QElapsedTimer written;
};

LayoutEdits::LayoutEdits(frmKWPNDPreviewA& window) : window_(window) {}

LayoutEdits::~LayoutEdits()
{
    // The stack's last signals would reach menu items that may outlive the
    // application (a window kept until the process ends).
    stack_.blockSignals(true);
}

void LayoutEdits::write(const QString& path, const QString& section, const QString& key, const QString& value,
                        Refresh refresh)
{
    std::optional<QByteArray> before = iniFileBytes(path);
    IniFileHandler ini;
    ini.Path(path);
    ini.section(section);
    ini.Key(key);
    ini.Value(value);
    std::optional<QByteArray> after = iniFileBytes(path);
    if (after == before)
        return;
    stack_.push(new Step(path, section, key, refresh, std::move(before), std::move(after)));
}

LayoutEdits::Step* LayoutEdits::stepAt(int index) const
{
    return static_cast<Step*>(const_cast<QUndoCommand*>(stack_.command(index)));
}

void LayoutEdits::undo() { apply(true); }

void LayoutEdits::redo() { apply(false); }

void LayoutEdits::apply(bool undoing)
{
    const int index = undoing ? stack_.index() - 1 : stack_.index();
    if (index < 0 || index >= stack_.count())
        return;
    Step& step = *stepAt(index);
    const auto& expected = undoing ? step.after : step.before;
    const auto& wanted = undoing ? step.before : step.after;
    const QString command = undoing ? QStringLiteral("Undo") : QStringLiteral("Redo");
    bool current = false;
    if (!showOnFailure(window_.dialogs(), MsgIcon::Critical, [&] { current = iniFileBytes(step.path) == expected; }))
        return;
    if (!current) {
        window_.dialogs().messageBox(
            QStringLiteral("The layout file was changed elsewhere since this edit. %1 leaves it as it is.").arg(command),
            MsgButtons::OK, MsgIcon::Exclamation, command,
            QStringLiteral("%1: %2").arg(shownPath(step.path), step.text()));
        return;
    }
    if (!showOnFailure(window_.dialogs(), MsgIcon::Critical, [&] { restoreIniFileBytes(step.path, wanted); }))
        return;
    // The file is as the step says: only the index moves now.
    if (undoing)
        stack_.undo();
    else
        stack_.redo();
    if (step.refresh == Refresh::SettingsRefresh)
        window_.PreviewSettingsRefresh();
    else
        window_.mnuPopUpGenerate_Click();
    emit stepApplied();
}

bool LayoutEdits::undoKey(std::int16_t keyCode, std::int16_t shift)
{
    if (keyCode == kKeyZ && shift == kCtrl) {
        undo();
        return true;
    }
    if ((keyCode == kKeyY && shift == kCtrl) || (keyCode == kKeyZ && shift == (kCtrl | kShift))) {
        redo();
        return true;
    }
    return false;
}

void LayoutEdits::addMenuItems(QMenu& menu, QAction* before)
{
    auto* undoItem = new QAction(QStringLiteral("Undo"), &menu);
    undoItem->setObjectName(QStringLiteral("mnuUndo"));
    undoItem->setEnabled(stack_.canUndo());
    connect(&stack_, &QUndoStack::canUndoChanged, undoItem, &QAction::setEnabled);
    connect(undoItem, &QAction::triggered, this, [this] { undo(); });
    auto* redoItem = new QAction(QStringLiteral("Redo"), &menu);
    redoItem->setObjectName(QStringLiteral("mnuRedo"));
    redoItem->setEnabled(stack_.canRedo());
    connect(&stack_, &QUndoStack::canRedoChanged, redoItem, &QAction::setEnabled);
    connect(redoItem, &QAction::triggered, this, [this] { redo(); });
    menu.insertActions(before, {undoItem, redoItem});
    if (before)
        menu.insertSeparator(before);
}

}  // namespace kwpnd
