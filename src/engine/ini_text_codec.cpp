#include "ini_text_codec.h"

#include "windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace kwpnd {

namespace {
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeBom[] = "\xFF\xFE";
constexpr char kUtf16BeBom[] = "\xFE\xFF";

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Decodes strict UTF-8; false when the bytes are not valid UTF-8.
bool decodeUtf8(QByteArrayView bytes, QString& text)
{
    // The mark, if any, was taken off by the caller; a second one is content.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    text = decoder(bytes);
    return !decoder.hasError();
}

QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

QByteArray encodeUtf16(const QString& text, QStringConverter::Encoding encoding, const char* bom)
{
    QStringEncoder encoder(encoding);
    return QByteArray(bom) + QByteArray(encoder(text));
}

struct ByteOrderMark {
    const char* bytes;
    IniEncoding encoding;
};

// The marks that name an encoding, the longer first.
constexpr ByteOrderMark kMarks[] = {
    {kUtf8Bom, IniEncoding::Utf8WithBom},
    {kUtf16LeBom, IniEncoding::Utf16Le},
    {kUtf16BeBom, IniEncoding::Utf16Be},
};
}  // namespace

DecodedIniText decodeIniBytes(const QByteArray& bytes)
{
    DecodedIniText result;
    for (const ByteOrderMark& mark : kMarks) {
        if (!bytes.startsWith(mark.bytes))
            continue;
        const QByteArrayView content = QByteArrayView(bytes).sliced(qstrlen(mark.bytes));
        switch (mark.encoding) {
        case IniEncoding::Utf16Le:
            return {decodeUtf16(content, QStringConverter::Utf16LE), IniEncoding::Utf16Le};
        case IniEncoding::Utf16Be:
            return {decodeUtf16(content, QStringConverter::Utf16BE), IniEncoding::Utf16Be};
        default:
            if (decodeUtf8(content, result.text)) {
                result.encoding = mark.encoding;
                return result;
            }
        }
        break;
    }
    if (!bytes.startsWith(kUtf8Bom) && decodeUtf8(bytes, result.text)) {
        result.encoding = IniEncoding::Utf8;
        return result;
    }
    return {fromWindows1252(bytes), IniEncoding::Windows1252};
}

EncodedIniText encodeIniText(const QString& text, IniEncoding preferred)
{
    switch (preferred) {
    case IniEncoding::Utf16Le:
        return {encodeUtf16(text, QStringConverter::Utf16LE, kUtf16LeBom), preferred};
    case IniEncoding::Utf16Be:
        return {encodeUtf16(text, QStringConverter::Utf16BE, kUtf16BeBom), preferred};
    case IniEncoding::Utf8WithBom:
        return {QByteArray(kUtf8Bom) + text.toUtf8(), preferred};
    case IniEncoding::Windows1252:
        if (const auto bytes = toWindows1252(text)) {
            QString readBack;
            const bool wouldReadAsUtf8 = !isAscii(*bytes) && decodeUtf8(*bytes, readBack);
            if (!wouldReadAsUtf8)
                return {*bytes, preferred};
        }
        break;
    case IniEncoding::Utf8:
        break;
    }
    return {text.toUtf8(), IniEncoding::Utf8};
}

}  // namespace kwpnd
