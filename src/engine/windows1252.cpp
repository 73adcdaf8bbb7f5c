#include "windows1252.h"

#include <array>

namespace kwpnd {

namespace {

// Characters of the bytes 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of one character, or -1.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Encodes `text`; a character without a byte becomes `replacement`, or ends
// the conversion with false when there is none.
bool encode(const QString& text, std::optional<char> replacement, QByteArray& out)
{
    out.clear();
    out.reserve(text.size());
    for (const QChar c : text) {
        const int byte = byteOf(c.unicode());
        if (byte >= 0)
            out.append(static_cast<char>(byte));
        else if (replacement)
            out.append(*replacement);
        else
            return false;
    }
    return true;
}

}  // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
    }
    return text;
}

std::optional<QByteArray> toWindows1252(const QString& text)
{
    QByteArray bytes;
    if (!encode(text, std::nullopt, bytes))
        return std::nullopt;
    return bytes;
}

QByteArray toWindows1252Lossy(const QString& text)
{
    QByteArray bytes;
    encode(text, '?', bytes);
    return bytes;
}

}  // namespace kwpnd
