#include "engine/ini_text_codec.h"

#include <QStringDecoder>

#include <algorithm>

namespace kwpnd {

namespace {
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8BomLength = 3;

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Decodes strict UTF-8; false when the bytes are not valid UTF-8.
bool decodeUtf8(QByteArrayView bytes, QString& text)
{
    // The mark, if any, was taken off by the caller; a second one is content.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    text = decoder(bytes);
    return !decoder.hasError();
}

bool fitsLatin1(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}
}  // namespace

DecodedIniText decodeIniBytes(const QByteArray& bytes)
{
    DecodedIniText result;
    if (bytes.startsWith(kUtf8Bom)) {
        if (decodeUtf8(QByteArrayView(bytes).sliced(kUtf8BomLength), result.text)) {
            result.encoding = IniEncoding::Utf8WithBom;
            return result;
        }
    } else if (decodeUtf8(bytes, result.text)) {
        result.encoding = IniEncoding::Utf8;
        return result;
    }
    result.text = QString::fromLatin1(bytes);
    result.encoding = IniEncoding::Latin1;
    return result;
}

EncodedIniText encodeIniText(const QString& text, IniEncoding preferred)
{
    if (preferred == IniEncoding::Latin1 && fitsLatin1(text)) {
        QByteArray bytes = text.toLatin1();
        QString readBack;
        const bool wouldReadAsUtf8 = !isAscii(bytes) && decodeUtf8(bytes, readBack);
        if (!wouldReadAsUtf8)
            return {bytes, IniEncoding::Latin1};
        preferred = IniEncoding::Utf8;
    }
    if (preferred == IniEncoding::Utf8WithBom)
        return {QByteArray(kUtf8Bom) + text.toUtf8(), IniEncoding::Utf8WithBom};
    return {text.toUtf8(), IniEncoding::Utf8};
}

}  // namespace kwpnd
