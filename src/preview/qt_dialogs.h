#pragma once
// Real dialogs on screen: the widget side of the dialog service. The engine
// only knows the abstract service; this layer makes the real one the default
// where a display can show it.

#include "kwpnd/dialogs.h"

#include <memory>

class QDialog;
class QMessageBox;
class QWidget;

namespace kwpnd {

class QtDialogs : public Dialogs {
public:
    MsgReply messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& caption,
                        const QString& detail = {}) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter) override;
    std::optional<std::int32_t> chooseColour(const QString& title, std::int32_t initial) override;
    std::optional<QFont> chooseFont(const QString& title, const QFont& initial) override;
};

// The box QtDialogs::messageBox runs, not yet shown: the detail, if any, is
// in its details area.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                            const QString& caption, const QString& detail, QWidget* parent);

// Makes QtDialogs the default service whenever a widget application runs on
// a real display (not the offscreen or minimal platform). Called by the
// windows and components of this layer before they can show anything; a
// service already in use is kept.
void installWidgetDialogs();

// Runs one of the library's modal windows through the current service;
// true when it was accepted.
bool execModal(QDialog& dialog);

}  // namespace kwpnd
