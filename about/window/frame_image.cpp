#include "window/frame_image.h"

#include "colour/qt_colour.h"
#include "units/twips.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace tavrel::about {

namespace {

// The device pixels that logical pixel `logical` covers at this ratio.
std::pair<int, int> devicePixels(int logical, qreal ratio)
{
    const int first = static_cast<int>(std::floor(logical * ratio));
    const int end = static_cast<int>(std::floor((logical + 1) * ratio));
    return {first, std::max(end, first + 1)};
}

} // namespace

FrameImage::FrameImage(QSize logicalSize, QColor background, const QImage& picture)
    : size_(logicalSize)
    , background_(background)
    , picture_(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied))
{
    paintBackground(1.0);
}

void FrameImage::setDevicePixelRatio(qreal ratio)
{
    if (ratio != clean_.devicePixelRatio())
        paintBackground(ratio);
}

void FrameImage::paintBackground(qreal ratio)
{
    clean_ = QImage(size_ * ratio, QImage::Format_ARGB32_Premultiplied);
    clean_.setDevicePixelRatio(ratio);
    clean_.fill(background_);
    {
        // Unscaled: the picture keeps its own size and is cut at the right edge.
        QPainter painter(&clean_);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    frame_ = clean_.copy();
}

void FrameImage::clear()
{
    std::memcpy(frame_.bits(), clean_.constBits(), static_cast<std::size_t>(clean_.sizeInBytes()));
}

void FrameImage::setPoint(float x, float y, std::int32_t colour)
{
    // A point in twips lights the pixel that holds it.
    const float px = std::floor(x / TwipsPerPixel);
    const float py = std::floor(y / TwipsPerPixel);
    if (!(px >= 0 && py >= 0 && px < size_.width() && py < size_.height()))
        return;
    const qreal ratio = frame_.devicePixelRatio();
    const auto [left, right] = devicePixels(static_cast<int>(px), ratio);
    const auto [top, bottom] = devicePixels(static_cast<int>(py), ratio);
    const QRgb pixel = toQRgb(static_cast<Colour>(colour));
    for (int row = top; row < bottom && row < frame_.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(frame_.scanLine(row));
        for (int column = left; column < right && column < frame_.width(); ++column)
            line[column] = pixel;
    }
}

} // namespace tavrel::about
