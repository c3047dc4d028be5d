#pragma once

#include "animation/info_animation.h"
#include "animation/tick_count.h"
#include "window/frame_image.h"

#include <QWidget>

namespace tavrel::about {

// The About box: a picture, two lines of text and the particle animation,
// which runs for as long as the box is open. Closing the box ends the program.
class AboutBox : public QWidget, private AnimationPlatform {
    Q_OBJECT

public:
    // `clock` paces the frames.
    explicit AboutBox(QWidget* parent = nullptr, FrameClock& clock = steadyClock());

    // Shows the box and animates it, a frame at least every 10 ms with the
    // pending events processed once in between, until the box is closed; then
    // it asks the application to exit with status 0.
    void runUntilClosed();

    // What runUntilClosed does before its loop: shows and paints the box,
    // starts a fresh particle list and sets the animation running.
    void startAnimation();

    // The work of one frame: clear, spawn, update, draw, and show the result
    // once the pending events are processed.
    void runFrame();

    const InfoAnimation& animation() const { return animation_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    float Rnd() override;
    float ScaleWidth() override;
    float ScaleHeight() override;

    void addLabel(const char* name, const QString& text, int top, int width);

    FrameClock& clock_;
    InfoAnimation animation_;
    FrameImage frame_;
};

} // namespace tavrel::about
