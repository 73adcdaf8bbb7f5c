#pragma once
// Dialogs: every message box, input box and common dialog of the library goes
// through one service. The preview shows real dialogs when a widget
// application runs on a display; HeadlessDialogs (command line, tests,
// servers) writes each message to standard error as "CAPTION: TEXT" and
// answers from a script or with the default reply, so nothing ever blocks.

#include "kwpnd/kwpnd10_export.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QObject;

namespace kwpnd {

/// The icon of a message box.
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
/// The buttons of a message box.
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
/// The button a message box was answered with (the classic numbers).
enum class MsgReply { OK = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

/// The dialog service: every message box, input box, file dialog and modal
/// window of the library goes through the current one.
class KWPND10_EXPORT Dialogs {
public:
    /// Destroys the service.
    virtual ~Dialogs() = default;

    /// Shows `text` and returns the button chosen. `caption` empty means the
    /// default caption (defaultCaption()). `detail`, when not empty, is shown
    /// apart from the text (the box's details area): what exactly failed.
    virtual MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption,
                                const QString& detail = {}) = 0;
    /// Asks for a line of text; no value when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    /// A file name to save to; no value when cancelled. `filter` is a list of
    /// "description|pattern" pairs joined by '|'.
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter) = 0;
    /// Asks for a colour, starting from `initial` (red + 256 * green + 65536
    /// * blue); no value when cancelled. This default answers no value.
    virtual std::optional<std::int32_t> chooseColour(const QString& title, std::int32_t initial);
    /// Asks for a font, starting from `initial`; no value when cancelled.
    /// This default answers no value.
    virtual std::optional<QFont> chooseFont(const QString& title, const QFont& initial);
    /// Runs a ready-made modal window of the library (the print dialog, an
    /// editor): `exec` shows it and tells whether it was accepted. Returns
    /// whether the window was accepted. This default runs it.
    virtual bool runModal(QObject& window, const std::function<bool()>& exec);

    /// The service the library uses now. Unless a host set one, the preview's
    /// real dialogs once a preview component or window exists in a widget
    /// application on a display, else HeadlessDialogs on standard error.
    static Dialogs& current();
    /// Replaces the service; null goes back to the default.
    static void setCurrent(std::shared_ptr<Dialogs> dialogs);
    /// The application's name, or "KWPND10" when it has none.
    static QString defaultCaption();
};

/// Dialogs for the command line, tests and servers: messages go to standard
/// error, answers come from a script or are the default ones; nothing blocks.
class KWPND10_EXPORT HeadlessDialogs : public Dialogs {
public:
    /// One message box as it was asked for.
    struct Shown {
        QString caption;  ///< defaultCaption() when none was given
        QString text;     ///< the text the box showed
        QString detail;   ///< the detail shown apart from the text, or empty
        MsgIcon icon;     ///< the box's icon
    };

    /// Messages are written to standard error unless `quiet`.
    explicit HeadlessDialogs(bool quiet = false);
    /// Destroys the service.
    ~HeadlessDialogs() override;

    /// Records and (unless quiet) prints the message; answers with the next
    /// scripted reply, else the default one (OK, Yes, Cancel for Retry/Cancel).
    MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption,
                        const QString& detail = {}) override;
    /// The next scripted text (no value: cancelled), else `defaultText`.
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    /// The next scripted text, else no value (cancelled).
    std::optional<QString> saveFileName(const QString& title, const QString& filter) override;
    /// The next scripted text read as a decimal colour value; no value when
    /// none is scripted or it is not a whole number of 0 to 16777215.
    std::optional<std::int32_t> chooseColour(const QString& title, std::int32_t initial) override;
    /// The next scripted text read as a font description (QFont::toString());
    /// no value when none is scripted or it does not describe a font.
    std::optional<QFont> chooseFont(const QString& title, const QFont& initial) override;
    /// Never shows the window: records it as a message box under its title
    /// (text empty) and accepts it, unless the next scripted reply is Cancel
    /// or No.
    bool runModal(QObject& window, const std::function<bool()>& exec) override;

    /// Adds a scripted answer for the next message box; answers are used in order.
    void scriptReply(MsgReply reply);
    /// Adds a scripted answer for the next input box or file dialog (no value: cancelled).
    void scriptText(std::optional<QString> text);

    /// Every message box asked for since creation or clearShown().
    const std::vector<Shown>& shown() const;
    /// Forgets the message boxes shown so far.
    void clearShown();

    /// What is written to standard error: "CAPTION: FIRST LINE", then each
    /// further line of the text (a report's section) and the detail on lines
    /// of their own, indented by four blanks; trailing empty lines of the text
    /// are left out.
    static QString printed(const QString& caption, const QString& text, const QString& detail = {});

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kwpnd
