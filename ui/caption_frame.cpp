#include "caption_frame.h"

#include "fonts/fonts.h"

#include <QPaintEvent>
#include <QPainter>

namespace tavrel::ui {

namespace {

const QColor CaptionColour(0, 70, 213);
const QColor BorderColour(191, 184, 191);

} // namespace

CaptionFrame::CaptionFrame(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , caption_(caption)
{
    setFont(fonts::msSansSerif(8.25));
}

void CaptionFrame::paintEvent(QPaintEvent* event)
{
    const QFontMetrics metrics(font());
    // A child's change repaints only the inside, where the frame draws nothing.
    if (rect().adjusted(1, metrics.height(), -1, -1).contains(event->rect()))
        return;
    const int captionLeft = 8;
    const int captionWidth = metrics.horizontalAdvance(caption_);
    const int top = metrics.height() / 2;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(BorderColour);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, top + 0.5, -0.5, -0.5), 3, 3);

    // The caption interrupts the top edge.
    const QRect captionRect(captionLeft - 2, 0, captionWidth + 4, metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(CaptionColour);
    painter.drawText(captionRect, Qt::AlignCenter, caption_);
}

} // namespace tavrel::ui
