#include "kwpnd/picture.h"

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

Picture::Picture(QImage image) : Picture(std::move(image), nullptr) {}

Picture::Picture(QImage image, std::shared_ptr<const Recording> recording)
{
    if (image.isNull())
        return;  // a picture without an image is the empty picture
    image_ = std::make_shared<const QImage>(std::move(image));
    recording_ = std::move(recording);
}

bool Picture::isEmpty() const { return !image_; }

const QImage& Picture::image() const { return image_ ? *image_ : noImage(); }

QSize Picture::pixelSize() const { return image_ ? image_->size() : QSize(0, 0); }

double Picture::widthTwips() const { return pixelSize().width() * kTwipsPerPixel; }

double Picture::heightTwips() const { return pixelSize().height() * kTwipsPerPixel; }

void Picture::draw(QPainter& painter, const QRectF& target) const
{
    if (isEmpty() || target.isEmpty())
        return;
    if (recording_ && !isOneToOne(painter, target, pixelSize())) {
        recording_->replay(painter, target);
        return;
    }
    painter.drawImage(target, *image_);
}

bool Picture::sharesImageWith(const Picture& other) const
{
    if (!image_ || !other.image_)
        return false;
    return image_ == other.image_ || image_->cacheKey() == other.image_->cacheKey();
}

}  // namespace kwpnd
