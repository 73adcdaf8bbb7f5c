#pragma once
// The Windows-1252 code page ("ANSI" on Western European systems): bytes
// 0x80..0x9F hold typographic characters (euro sign, dashes, curly quotes
// ...); the other bytes are the Latin-1 characters of the same number. The
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number, as the platform's own
// conversion has it, so every byte string decodes and encodes back unchanged.

#include <QByteArray>
#include <QString>

#include <optional>

namespace kwpnd {

QString fromWindows1252(QByteArrayView bytes);

// The bytes of `text`, or nothing when a character has no byte.
std::optional<QByteArray> toWindows1252(const QString& text);

// The bytes of `text`, each character without a byte replaced by '?'.
QByteArray toWindows1252Lossy(const QString& text);

}  // namespace kwpnd
