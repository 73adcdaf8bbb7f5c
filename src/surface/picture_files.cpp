// Picture files: reading pictures with Qt's image readers (BMP, PNG, JPEG,
// GIF) and writing them as device-independent bitmaps.
#include "kwpnd/error.h"
#include "kwpnd/picture.h"
#include "regular_file.h"
#include "text_font.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace kwpnd {

namespace {
// The reader's own memory cap, in megabytes, a little above what the pixel
// cap allows, for formats that cannot tell their size before decoding.
constexpr int kAllocationLimitMb = static_cast<int>(kMaxDecodedPixels * 4 / (1024 * 1024)) + 16;

[[noreturn]] void refuseTooLarge(QSize size)
{
    throw Error::detailed(ErrorNumber::InvalidPicture,
                          QStringLiteral("the image is %1 × %2 pixels, more than the %3 pixels a picture may have")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(kMaxDecodedPixels));
}

QImage asPictureRaster(QImage image)
{
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    return image;
}
}  // namespace

Picture LoadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    // Only a regular file is read, through the handle that was checked.
    const std::unique_ptr<QFile> file = openRegularFile(path, kMaxPictureFileBytes);
    QImageReader reader(file.get());
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kAllocationLimitMb);
    if (!reader.canRead())
        throw Error(ErrorNumber::InvalidPicture);
    // The header is enough to refuse an image too large to decode.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxDecodedPixels)
        refuseTooLarge(size);

    QImage image;
    // Some readers hand back the decoded part of a damaged file and report
    // the failure only through error(): both mean the file is no picture.
    const bool read = reader.read(&image);
    if (!read || image.isNull() || reader.error() != QImageReader::UnknownError)
        throw Error(ErrorNumber::InvalidPicture);
    if (qint64(image.width()) * image.height() > kMaxDecodedPixels)
        refuseTooLarge(image.size());
    return Picture(asPictureRaster(std::move(image)));
}

void SavePicture(const Picture& picture, const QString& path)
{
    if (picture.isEmpty())
        throw Error(ErrorNumber::InvalidPicture);
    if (path.isEmpty())
        throw Error(ErrorNumber::PathFileAccess);
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir())
        throw Error(ErrorNumber::PathNotFound);
    if (info.isDir())
        throw Error(ErrorNumber::PathFileAccess);

    // A bitmap file has no transparency: the picture is written opaque.
    const QImage opaque = picture.image().convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !opaque.save(&file, "BMP") || !file.commit())
        throw Error(ErrorNumber::PathFileAccess);
}

}  // namespace kwpnd
