#pragma once
// Bytes of an INI file to text and back. A file with a UTF-16 byte-order mark
// (little or big endian) is read as UTF-16; any other file is read as UTF-8
// and falls back to Windows-1252 when it is not valid UTF-8. A rewrite keeps
// the encoding the file was read in, with its byte-order mark.

#include <QByteArray>
#include <QString>

namespace kwpnd {

enum class IniEncoding { Utf8, Utf8WithBom, Windows1252, Utf16Le, Utf16Be };

struct DecodedIniText {
    QString text;
    IniEncoding encoding = IniEncoding::Utf8;
};

DecodedIniText decodeIniBytes(const QByteArray& bytes);

struct EncodedIniText {
    QByteArray bytes;
    IniEncoding encoding = IniEncoding::Utf8;  // what was actually used
};

// Encodes `text` in `preferred`. A Windows-1252 file that receives a
// character the code page cannot hold, or whose bytes would now read back as
// UTF-8, is written as UTF-8 instead, so that the next read gives back the
// same text.
EncodedIniText encodeIniText(const QString& text, IniEncoding preferred);

}  // namespace kwpnd
