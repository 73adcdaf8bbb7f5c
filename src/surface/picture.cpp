#include "kwpnd/picture.h"

#include "picture_vectors.h"
#include "recording.h"

#include <QPainter>

namespace kwpnd {

namespace {
constexpr double kTwipsPerPixel = 15;

const QImage& noImage()
{
    static const QImage none;
    return none;
}
}  // namespace

// One allocation holds the raster and the recording it was drawn from.
struct KWPND10_NO_EXPORT Picture::Private {
    QImage image;
    std::shared_ptr<const Recording> recording;

    static Picture make(QImage image, std::shared_ptr<const Recording> recording)
    {
        Picture p;
        if (!image.isNull())  // a picture without an image is the empty picture
            p.d = std::make_shared<const Private>(Private{std::move(image), std::move(recording)});
        return p;
    }
    static const std::shared_ptr<const Recording>& recordingOf(const Picture& p)
    {
        static const std::shared_ptr<const Recording> none;
        return p.d ? p.d->recording : none;
    }
};

Picture pictureWithRecording(QImage image, std::shared_ptr<const Recording> recording)
{
    return Picture::Private::make(std::move(image), std::move(recording));
}

const std::shared_ptr<const Recording>& recordingOf(const Picture& picture)
{
    return Picture::Private::recordingOf(picture);
}

bool hasVectors(const Picture& picture) { return recordingOf(picture) != nullptr; }

Picture::Picture() = default;
Picture::Picture(QImage image) : Picture(Private::make(std::move(image), nullptr)) {}
Picture::Picture(const Picture& other) = default;
Picture::Picture(Picture&& other) noexcept = default;
Picture& Picture::operator=(const Picture& other) = default;
Picture& Picture::operator=(Picture&& other) noexcept = default;
Picture::~Picture() = default;

bool Picture::isEmpty() const { return !d; }

const QImage& Picture::image() const { return d ? d->image : noImage(); }

QSize Picture::pixelSize() const { return d ? d->image.size() : QSize(0, 0); }

double Picture::widthTwips() const { return pixelSize().width() * kTwipsPerPixel; }

double Picture::heightTwips() const { return pixelSize().height() * kTwipsPerPixel; }

void Picture::draw(QPainter& painter, const QRectF& target) const
{
    if (isEmpty() || target.isEmpty())
        return;
    if (d->recording && !isOneToOne(painter, target, pixelSize())) {
        d->recording->replay(painter, target);
        return;
    }
    painter.drawImage(target, d->image);
}

bool Picture::sharesImageWith(const Picture& other) const
{
    if (!d || !other.d)
        return false;
    return d == other.d || d->image.cacheKey() == other.d->image.cacheKey();
}

}  // namespace kwpnd
