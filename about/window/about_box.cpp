#include "window/about_box.h"

#include "fonts/fonts.h"
#include "units/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

namespace tavrel::about {

namespace {

constexpr int areaWidth = twipsToPixels(9870);
constexpr int areaHeight = twipsToPixels(4695);
constexpr std::uint32_t framePeriodMs = 10;

} // namespace

AboutBox::AboutBox(QWidget* parent, FrameClock& clock)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , clock_(clock)
    , frame_(QSize(areaWidth, areaHeight), QColor(192, 255, 255), QImage(":/info.jpg"))
{
    setObjectName("aboutBox");
    setWindowTitle("Info Orrin Tavrel");
    setFixedSize(areaWidth, areaHeight);
    // Every paint covers the whole area with the finished frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pointer's position is wanted with or without a button held.
    setMouseTracking(true);
    setFont(fonts::msSansSerif(8.25));

    addLabel("versionLabel", QString::fromUtf8("Orrin Tavrel V1.0 \u2013 Freigabe 2026"), 4200, 4095);
    addLabel("testedLabel", "getestet auf Windows XP", 4440, 2055);
}

void AboutBox::addLabel(const char* name, const QString& text, int top, int width)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(twipsToPixels(120), twipsToPixels(top), twipsToPixels(width), twipsToPixels(255));
    // The whole area is the box's own surface for the mouse.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AboutBox::runUntilClosed()
{
    startAnimation();
    while (animation_.Running) {
        const std::uint32_t t0 = GetTickCount(clock_);
        runFrame();
        waitSince(t0, framePeriodMs, clock_);
        QCoreApplication::processEvents();
    }
    // However the loop was stopped, the program ends with it.
    QCoreApplication::exit(0);
}

void AboutBox::startAnimation()
{
    show();
    repaint();
    animation_.start();
}

void AboutBox::runFrame()
{
    frame_.setDevicePixelRatio(devicePixelRatioF());
    frame_.clear();
    animation_.frame(*this, frame_);
    update();
}

void AboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The frame is opaque throughout: copied, not blended.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), frame_.image());
}

void AboutBox::mousePressEvent(QMouseEvent*)
{
    animation_.buttonPressed();
}

void AboutBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position() * TwipsPerPixel;
    animation_.pointerMoved(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void AboutBox::mouseReleaseEvent(QMouseEvent*)
{
    animation_.buttonReleased();
}

void AboutBox::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The loop stops at the top of its next frame, and the whole program with it.
    animation_.Running = false;
}

float AboutBox::Rnd()
{
    // 24 random bits make a single-precision number in [0, 1) exactly; a
    // double rounded to single precision could come out as 1.
    return static_cast<float>(QRandomGenerator::global()->generate() >> 8) * 0x1p-24f;
}

float AboutBox::ScaleWidth()
{
    return static_cast<float>(width() * TwipsPerPixel);
}

float AboutBox::ScaleHeight()
{
    return static_cast<float>(height() * TwipsPerPixel);
}

} // namespace tavrel::about
