#pragma once

#include "particles/drawing_surface.h"

#include <QColor>
#include <QImage>
#include <QSize>

namespace tavrel::about {

// The About box's drawing, kept off screen so that a frame is shown only when
// it is complete: the background colour with the picture at the top left, and
// the particles' points over it. Points are given in twips.
class FrameImage : public DrawingSurface {
public:
    FrameImage(QSize logicalSize, QColor background, const QImage& picture);

    // Sizes the image for the screen's pixel ratio; a change redraws the background.
    void setDevicePixelRatio(qreal ratio);

    // Leaves only the background colour and the picture.
    void clear();

    void setPoint(float x, float y, std::int32_t colour) override;

    const QImage& image() const { return frame_; }

private:
    void paintBackground(qreal ratio);

    QSize size_;
    QColor background_;
    QImage picture_;
    QImage clean_;
    QImage frame_;
};

} // namespace tavrel::about
