#pragma once
// Bytes of an INI file to text and back. Files are read as UTF-8 and fall
// back to Latin-1 when they are not valid UTF-8; a rewrite keeps the encoding
// the file was read in (and a UTF-8 byte-order mark when it had one).

#include <QByteArray>
#include <QString>

namespace kwpnd {

enum class IniEncoding { Utf8, Utf8WithBom, Latin1 };

struct DecodedIniText {
    QString text;
    IniEncoding encoding = IniEncoding::Utf8;
};

DecodedIniText decodeIniBytes(const QByteArray& bytes);

struct EncodedIniText {
    QByteArray bytes;
    IniEncoding encoding = IniEncoding::Utf8;  // what was actually used
};

// Encodes `text` in `preferred`. A Latin-1 file that receives a character
// Latin-1 cannot hold, or whose bytes would now read back as UTF-8, is
// written as UTF-8 instead, so that the next read gives back the same text.
EncodedIniText encodeIniText(const QString& text, IniEncoding preferred);

}  // namespace kwpnd
