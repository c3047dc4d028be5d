#include "reference_picture.h"
#include "window/about_box.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace tavrel::about;

const QColor lightCyan(192, 255, 255);

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void framePutsThePictureUnscaledOnTheBackgroundAndPointsInTheirPixels()
    {
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        FrameImage frame(QSize(10, 6), lightCyan, picture);
        QCOMPARE(frame.image().pixelColor(3, 1), QColor(Qt::blue));
        QCOMPARE(frame.image().pixelColor(4, 1), lightCyan);
        frame.setPoint(15 * 9 + 14, 0, 0x0000FF);   // red sits in the low byte
        frame.setPoint(0, 15 * 5 + 7.5f, 0xFF0000); // blue
        const QImage inside = frame.image();
        QCOMPARE(inside.pixelColor(9, 0), QColor(Qt::red));
        QCOMPARE(inside.pixelColor(0, 5), QColor(Qt::blue));
        for (const QPointF outside : {QPointF(-1, 0), QPointF(15 * 10, 0), QPointF(0, 15 * 6)})
            frame.setPoint(outside.x(), outside.y(), 0xFFFFFF);
        QCOMPARE(frame.image(), inside);
    }

    void theBoxBeforeItsFirstFrame()
    {
        AboutBox box;
        const Qt::WindowFlags shown = Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        QCOMPARE(box.windowFlags() & shown, Qt::WindowFlags(Qt::Tool | Qt::WindowCloseButtonHint));
        // The picture and both lines of text whole, before the first frame.
        const std::string difference = pictureDifference(box.grab().toImage(), TAVREL_PICTURES "/about_box.png");
        QVERIFY2(difference.empty(), difference.c_str());
    }

    void framesShowThePictureAndOnlyTheLiveParticlesSpawnedOverTheWholeAreaAndAHeldButtonAddsOne()
    {
        AboutBox box;
        const auto painted = [&] { // the box's own painting, not the labels
            QImage image(box.size(), QImage::Format_RGB32);
            box.render(&image, {}, {}, QWidget::DrawWindowBackground);
            return image;
        };
        const auto differing = [](const QImage& a, const QImage& b) {
            int pixels = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    pixels += a.pixel(x, y) != b.pixel(x, y);
            return pixels;
        };
        const QImage clean = painted();
        box.startAnimation();
        QVERIFY(box.isVisible() && box.animation().Running);
        for (int frame = 1; frame <= 20; ++frame)
            box.runFrame();
        const auto& liste = box.animation().Liste;
        QCOMPARE(liste.Count, 100);
        // Five points at most for each live particle: the trails of earlier frames are gone.
        const QImage twentieth = painted();
        QVERIFY(differing(twentieth, clean) > 0 && differing(twentieth, clean) <= 5 * liste.Count);
        box.runFrame();
        QVERIFY(differing(painted(), twentieth) > 0);

        int lastX = 0, lastY = 0;
        for (const auto& p : liste.Items) {
            lastX = std::max(lastX, (p.PosX - p.TravelX) / 255);
            lastY = std::max(lastY, (p.PosY - p.TravelY) / 255);
        }
        // A hundred random starts reach into the last quarter of the drawing area, and no further.
        QVERIFY(lastX > 9870 * 3 / 4 && lastX <= 9871 && lastY > 4695 * 3 / 4 && lastY <= 4696);

        // A button held over the box or a label adds a white particle at the pointer.
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseMove(box.windowHandle(), QPoint(300, 150));
        QCOMPARE(std::pair(box.animation().MouseX, box.animation().MouseY), std::pair(4500, 2250));
        QTest::mousePress(box.windowHandle(), Qt::RightButton, Qt::NoModifier, QPoint(20, 290));
        box.runFrame();
        QCOMPARE(box.animation().Liste.Count, 22 * 5 + 1); // none retired yet: the quickest takes 32 frames
        QTest::mouseRelease(box.windowHandle(), Qt::RightButton, Qt::NoModifier, QPoint(20, 290));
        QVERIFY(!box.animation().MouseIsDown);
    }

    // Last: the exit it asks for stays with the thread's event loops.
    void closingTheBoxEndsTheLoopAndAsksTheApplicationToExit()
    {
        struct ClosingClock : FrameClock { // time passes only in the box's waits; at 300 ms the player closes it
            QWidget* box = nullptr;
            Millisecond at{};
            Millisecond now() override { return at; }
            void sleepUntil(Millisecond wake) override
            {
                if ((at = wake).time_since_epoch().count() == 300)
                    QTimer::singleShot(0, box, &QWidget::close);
            }
        } clock;
        AboutBox box(nullptr, clock);
        clock.box = &box;
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override { paints += event->type() == QEvent::Paint; return false; }
        } counter;
        box.installEventFilter(&counter);
        // The loop runs inside a handler of the application's loop, as the Info command does.
        QEventLoop application;
        QTimer::singleShot(0, &box, [&] { box.runUntilClosed(); });
        QTimer::singleShot(5000, &application, [&] { application.exit(7); });
        QCOMPARE(application.exec(), 0);
        QVERIFY(!box.isVisible() && !box.animation().Running);
        // Thirty frames of 10 ms, five particles each, none retired yet; all painted but the last, which the close overtakes.
        QCOMPARE(box.animation().Liste.Count, 30 * 5);
        QCOMPARE(counter.paints, 30 - 1);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
