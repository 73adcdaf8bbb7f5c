#pragma once
// LayoutEdits: every write the design aids make to a layout file goes
// through here, as one step of the window's undo stack. A step holds the
// file's bytes before and after the write, so undoing it puts the file back
// byte for byte (a key that did not exist is gone again). Consecutive writes
// of the same key of the same section of the same file in a short run (a
// burst of nudges, typing with live preview) merge into one step.
//
// Undo and redo never overwrite a change made by someone else: a step is
// undone only while the file holds exactly what the step wrote (redone only
// while it holds what the step found); otherwise the user is told and the
// file is left alone.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstdint>

class QAction;
class QMenu;

namespace kwpnd {

class frmKWPNDPreviewA;

class LayoutEdits : public QObject {
    Q_OBJECT
public:
    // How the page catches up after a write and after its undo or redo: the
    // window's Generate command (generates when the host armed generation),
    // or the settings editor's refresh (always generates).
    enum class Refresh { GenerateCommand, SettingsRefresh };

    // Writes within this many milliseconds of the last one to the same key
    // merge into its step.
    static constexpr int kMergeMs = 1500;

    explicit LayoutEdits(frmKWPNDPreviewA& window);
    ~LayoutEdits() override;

    // Writes `value` under `key` in `section` of the layout file `path` and
    // records the step. The caller refreshes the page after its own write, as
    // it always did. Throws what the write throws (Error 5 for a text the
    // file cannot hold, 75 for a file that cannot be written); nothing is
    // recorded then. A write that leaves the file as it was is no step.
    void write(const QString& path, const QString& section, const QString& key, const QString& value,
               Refresh refresh);

    // Undoes or redoes one step and refreshes the page; a refusal or a failed
    // write is reported in a message box and changes nothing. Nothing
    // happens when there is no step to undo or redo.
    void undo();
    void redo();

    // Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo (classic key codes and
    // shift states). True when the key was one of them.
    bool undoKey(std::int16_t keyCode, std::int16_t shift);

    // Adds "Undo" and "Redo" items to a popup menu, enabled as the stack
    // allows: before `before` (and a separator), or at the end.
    void addMenuItems(QMenu& menu, QAction* before = nullptr);

    QUndoStack& stack() { return stack_; }

signals:
    // An undo or redo was written and the page refreshed.
    void stepApplied();

private:
    class Step;
    Step* stepAt(int index) const;
    void apply(bool undoing);

    frmKWPNDPreviewA& window_;
    QUndoStack stack_;
};

}  // namespace kwpnd
