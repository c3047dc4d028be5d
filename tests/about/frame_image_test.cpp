#include "window/frame_image.h"

#include <QTest>

using tavrel::about::FrameImage;

namespace {

const QColor lightCyan(192, 255, 255);

// A 4 x 2 picture of blue on a 10 x 6 pixel area.
FrameImage smallFrame()
{
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    return FrameImage(QSize(10, 6), lightCyan, picture);
}

} // namespace

class FrameImageTest : public QObject {
    Q_OBJECT

private slots:
    void backgroundAndPictureUnscaledAtTheTopLeft()
    {
        const FrameImage frame = smallFrame();
        const QImage& image = frame.image();
        QCOMPARE(image.size(), QSize(10, 6));
        QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(3, 1), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(4, 1), lightCyan);
        QCOMPARE(image.pixelColor(0, 2), lightCyan);
    }

    void pointsLightThePixelThatHoldsTheirTwipsAndClearRemovesThem()
    {
        FrameImage frame = smallFrame();
        frame.setPoint(15 * 5 + 14, 15 * 3, 0x0000FF);      // red: red sits in the low byte
        frame.setPoint(15 * 9, 15 * 5 + 7.5f, 0xFF0000);    // blue, in the last pixel
        frame.setPoint(-1, 0, 0xFFFFFF);                     // the pixel left of the area
        frame.setPoint(15 * 10, 0, 0xFFFFFF);                // right of the area
        frame.setPoint(0, 15 * 6, 0xFFFFFF);                 // below it
        const QImage& image = frame.image();
        QCOMPARE(image.pixelColor(5, 3), QColor(Qt::red));
        QCOMPARE(image.pixelColor(9, 5), QColor(Qt::blue));
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                white += image.pixel(x, y) == qRgb(255, 255, 255);
        QCOMPARE(white, 0);

        frame.clear();
        QCOMPARE(frame.image().pixelColor(5, 3), lightCyan);
        QCOMPARE(frame.image().pixelColor(9, 5), lightCyan);
    }

    void sizedForTheScreensPixelRatio()
    {
        FrameImage frame = smallFrame();
        frame.setDevicePixelRatio(2);
        const QImage& image = frame.image();
        QCOMPARE(image.size(), QSize(20, 12));
        QCOMPARE(image.deviceIndependentSize(), QSizeF(10, 6));
        QCOMPARE(image.pixelColor(7, 3), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(8, 3), lightCyan);

        frame.setPoint(15 * 2, 15 * 1, 0x00FF00);
        for (const QPoint device : {QPoint(4, 2), QPoint(5, 2), QPoint(4, 3), QPoint(5, 3)})
            QCOMPARE(frame.image().pixelColor(device), QColor(Qt::green));
        QCOMPARE(frame.image().pixelColor(6, 2), QColor(Qt::blue));
    }
};

QTEST_GUILESS_MAIN(FrameImageTest)
#include "frame_image_test.moc"
