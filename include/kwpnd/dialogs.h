#pragma once
// Dialogs: every message box, input box and common dialog of the library goes
// through one service. QtDialogs shows real dialogs; HeadlessDialogs (command
// line, tests, servers) writes each message as one line "CAPTION: TEXT" and
// answers from a script or with the default reply, so nothing ever blocks.

#include "kwpnd/kwpnd10_export.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>

class QTextStream;

namespace kwpnd {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgReply { OK = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

class KWPND10_EXPORT Dialogs {
public:
    virtual ~Dialogs() = default;

    // `caption` empty means the platform's default caption (the application's name).
    virtual MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption) = 0;
    // No value when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    // A file name to save to; no value when cancelled. `filter` is a list of
    // "description|pattern" pairs joined by '|'.
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter) = 0;
    // Runs a ready-made modal window of the library (the print dialog, an
    // editor) and returns its result (QDialog::Accepted or Rejected). Real
    // dialogs run it; the headless service answers at once without showing it.
    virtual int showModal(QDialog& dialog) { return dialog.exec(); }

    // The service the library uses now. Defaults to QtDialogs when a widget
    // application runs on a real display, else to HeadlessDialogs on stderr.
    static Dialogs& current();
    static void setCurrent(std::shared_ptr<Dialogs> dialogs);
    static QString defaultCaption();
};

class KWPND10_EXPORT HeadlessDialogs : public Dialogs {
public:
    struct Shown {
        QString caption;
        QString text;
        MsgIcon icon;
    };

    // Messages go to `errorStream` (stderr when null) unless `quiet`.
    explicit HeadlessDialogs(bool quiet = false);

    MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter) override;
    // Records the window under its title (text empty) and accepts it, unless
    // the next scripted reply is Cancel or No. Never shows it.
    int showModal(QDialog& dialog) override
    {
        const MsgReply reply = messageBox(QString(), MsgButtons::OKCancel, MsgIcon::None, dialog.windowTitle());
        return reply == MsgReply::Cancel || reply == MsgReply::No ? QDialog::Rejected : QDialog::Accepted;
    }

    // Scripted answers, used in order; when none is left the default answer
    // is given (OK / Yes, the default text, cancel for file names).
    void scriptReply(MsgReply reply) { replies_.push_back(reply); }
    void scriptText(std::optional<QString> text) { texts_.push_back(std::move(text)); }

    const std::vector<Shown>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

    // "CAPTION: TEXT" with line breaks written as \n.
    static QString oneLine(const QString& caption, const QString& text);
    // What is written to the error stream: "CAPTION: FIRST LINE", then each
    // further line of the text (a report's section) on a line of its own,
    // indented by four blanks; trailing empty lines are left out.
    static QString printed(const QString& caption, const QString& text);

private:
    bool quiet_;
    std::deque<MsgReply> replies_;
    std::deque<std::optional<QString>> texts_;
    std::vector<Shown> shown_;
};

class KWPND10_EXPORT QtDialogs : public Dialogs {
public:
    MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter) override;
};

}  // namespace kwpnd
