#pragma once
// Picture: an immutable, cheaply copied image value with a natural size.
// It comes from a file (LoadPicture), from a surface (Surface::Image) or from
// the host (QImage). A picture taken from a surface also carries the surface's
// recording, so printers and PDF files can replay it at their own resolution.

#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

namespace kwpnd {

class Recording;

class Picture {
public:
    Picture() = default;    // the empty picture: "no picture"
    Picture(QImage image);  // NOLINT: a host image is a picture
    Picture(QImage image, std::shared_ptr<const Recording> recording);

    bool isEmpty() const;
    explicit operator bool() const { return !isEmpty(); }

    const QImage& image() const;  // raster, 96 dpi, one cell per pixel
    QSize pixelSize() const;
    double widthTwips() const;  // natural size in twips (15 per pixel)
    double heightTwips() const;
    const std::shared_ptr<const Recording>& recording() const { return recording_; }

    // Draws the picture into `target` (painter coordinates): the recording
    // when there is one (sharp at any resolution), else the raster.
    void draw(QPainter& painter, const QRectF& target) const;

    bool sharesImageWith(const Picture& other) const;

private:
    std::shared_ptr<const QImage> image_;
    std::shared_ptr<const Recording> recording_;
};

// Reads an image file (BMP, PNG, JPEG, GIF). The empty path gives the empty
// picture. Missing file: error 53; a folder, pipe, device or socket, or a file
// larger than kMaxPictureFileBytes: error 75 naming the path (a FIFO is never
// waited on); not a picture, truncated, or larger than the decode cap: error
// 481.
Picture LoadPicture(const QString& path);

// Writes the picture as a device-independent bitmap (BMP) whatever the
// extension; an existing file is replaced. Failures: error 75 (or 76 when the
// folder does not exist); the empty picture: error 481.
void SavePicture(const Picture& picture, const QString& path);

// Largest picture LoadPicture decodes, in pixels (width × height).
inline constexpr qint64 kMaxDecodedPixels = 64LL * 1024 * 1024;

// Largest picture file LoadPicture reads, in bytes: room for an uncompressed
// 24-bit bitmap of kMaxDecodedPixels.
inline constexpr qint64 kMaxPictureFileBytes = 256LL * 1024 * 1024;

}  // namespace kwpnd
