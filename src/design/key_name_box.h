#pragma once
// The settings editor's question for a new key name. On screen it is a small
// input box whose line completes the layout's known key names; with any
// other dialog service (headless, a host's own) it is that service's input
// box.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace kwpnd {

// Asks `prompt` with no title and an empty default; no value when cancelled.
std::optional<QString> askKeyName(QWidget* parent, const QString& prompt, const QStringList& completions);

}  // namespace kwpnd
