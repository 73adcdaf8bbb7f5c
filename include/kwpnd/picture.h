#pragma once
/// @file
/// Picture: an immutable, cheaply copied image value with a natural size.
///
/// A picture comes from a file (LoadPicture), from a surface
/// (Surface::Image) or from the host (a QImage). A picture taken from a
/// surface also carries what was drawn as vectors, so printers and PDF files
/// redraw it sharp at their own resolution.

#include "kwpnd/kwpnd10_export.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

namespace kwpnd {

/// An immutable image value: copies share the image. The empty picture
/// means "no picture".
class KWPND10_EXPORT Picture {
public:
    /// The empty picture.
    Picture();
    /// A picture of a host image; a null image gives the empty picture.
    Picture(QImage image);  // NOLINT: a host image is a picture
    /// Copies share the image.
    Picture(const Picture& other);
    /// Moves without copying the image.
    Picture(Picture&& other) noexcept;
    /// Copies share the image.
    Picture& operator=(const Picture& other);
    /// Moves without copying the image.
    Picture& operator=(Picture&& other) noexcept;
    ~Picture();

    /// Whether this is the empty picture.
    bool isEmpty() const;
    /// True for a picture that is not empty.
    explicit operator bool() const { return !isEmpty(); }

    /// The raster: 96 dpi, one cell per pixel; a null image when empty.
    const QImage& image() const;
    /// Size of the raster in pixels; 0 x 0 when empty.
    QSize pixelSize() const;
    /// Natural width in twips (15 per pixel).
    double widthTwips() const;
    /// Natural height in twips (15 per pixel).
    double heightTwips() const;

    /// Draws the picture into `target` (painter coordinates): redrawn from
    /// its vectors when it has them and the target is not one to one (sharp
    /// at any resolution), else the raster. The empty picture draws nothing.
    void draw(QPainter& painter, const QRectF& target) const;

    /// Whether both pictures hold the very same image (a copy of each other).
    bool sharesImageWith(const Picture& other) const;

    /// Private implementation.
    struct Private;

private:
    std::shared_ptr<const Private> d;
};

/// Reads an image file (BMP, PNG, JPEG, GIF). The empty path gives the empty
/// picture. Missing file: error 53; a folder, pipe, device or socket, or a
/// file larger than kMaxPictureFileBytes: error 75 naming the path (a FIFO is
/// never waited on); not a picture, truncated, or larger than
/// kMaxDecodedPixels: error 481.
KWPND10_EXPORT Picture LoadPicture(const QString& path);

/// Writes the picture as a device-independent bitmap (BMP) whatever the
/// extension; an existing file is replaced. Failures: error 75 (or 76 when
/// the folder does not exist); the empty picture: error 481.
KWPND10_EXPORT void SavePicture(const Picture& picture, const QString& path);

/// Largest picture LoadPicture decodes, in pixels (width × height).
inline constexpr qint64 kMaxDecodedPixels = 64LL * 1024 * 1024;

/// Largest picture file LoadPicture reads, in bytes: room for an
/// uncompressed 24-bit bitmap of kMaxDecodedPixels.
inline constexpr qint64 kMaxPictureFileBytes = 256LL * 1024 * 1024;

}  // namespace kwpnd
