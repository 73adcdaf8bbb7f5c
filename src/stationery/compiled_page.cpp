#include "compiled_page.h"

#include "stationery_errors.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <limits>

namespace kwpnd::stationery {

namespace {

QString decodePage(const QByteArray& bytes)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    return decodeUserText(bytes);
}

}  // namespace

CompiledPage readCompiledPage(const QString& path)
{
    QByteArray bytes;
    try {
        bytes = readUserFile(path, kMaxPageBytes);
    } catch (const Error& e) {
        if (e.number() != ErrorNumber::FileNotFound)
            throw;
        failWithPath(ErrorNumber::FileNotFound, path, QStringLiteral("does not exist"));
    }
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!utf16 && bytes.contains('\0'))
        failWithPath(ErrorNumber::PathFileAccess, path, QStringLiteral("is not an HTML page (it holds binary data)"));
    return {path, QFileInfo(path).absolutePath(), decodePage(bytes)};
}

qint32 pageNumberOf(const QString& path, int step)
{
    const QString name = QFileInfo(path).fileName();
    qsizetype digits = 0;
    while (digits < name.size() && name[digits] >= QLatin1Char('0') && name[digits] <= QLatin1Char('9'))
        ++digits;
    const QString text = name.left(digits);
    qint64 n = 0;
    for (QChar c : text) {
        n = n * 10 + (c.unicode() - '0');
        if (n > std::numeric_limits<qint32>::max())
            break;
    }
    const qint64 moved = n + step;
    if (n > std::numeric_limits<qint32>::max() || moved > std::numeric_limits<qint32>::max())
        throw Error::detailed(ErrorNumber::Overflow, text);
    return qint32(n);
}

}  // namespace kwpnd::stationery
