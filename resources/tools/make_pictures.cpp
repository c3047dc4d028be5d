// Draws the About box's picture (info.jpg), the window icon (tavrel.png) and
// the square icons that desktops list the program with (icons/tavrel-SIZE.png
// and icons/tavrel.svg) into the directory given as the only argument. Run by
// hand when the pictures change; see CMakeLists.txt in this directory for how
// to build and run it.
#include "palette.h"
#include "tableau.h"
#include "wheel.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int dotsPerMeterAt96Dpi = 3780;

QImage drawPicture()
{
    QImage image(663, 261, QImage::Format_RGB32);
    image.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    image.fill(palette::lightCyan);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient panel(0, 8, 0, 253);
    panel.setColorAt(0, QColor(232, 250, 255));
    panel.setColorAt(1, QColor(160, 210, 240));
    painter.setPen(QPen(palette::rimLight, 2));
    painter.setBrush(panel);
    painter.drawRoundedRect(QRectF(8, 8, 647, 245), 12, 12);

    paintWheel(painter, QPointF(134, 130), 114, WheelDetail::Full);
    paintTableau(painter, QRectF(272, 44, 366, 172));
    return image;
}

QImage drawIcon()
{
    QImage image(74, 64, QImage::Format_RGB888);
    image.fill(palette::lightCyan);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintWheel(painter, QPointF(36.5, 31.5), 30, WheelDetail::Icon);
    return image;
}

// Icon themes want square sizes: the same wheel, filling the field but for a
// sixty-fourth left for its shadow.
void paintDesktopIcon(QPainter& painter, int size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    paintWheel(painter, QPointF(size / 2.0, size / 2.0), size * 31.0 / 64, size < 32 ? WheelDetail::Small : WheelDetail::Icon);
}

QImage drawDesktopIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintDesktopIcon(painter, size);
    return image;
}

bool saveScalableIcon(const QString& path)
{
    constexpr int size = 64;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle("Tavrel");
    svg.setDescription("A roulette wheel seen from above");
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "%s: not written\n", qPrintable(path));
        return false;
    }
    paintDesktopIcon(painter, size);
    return painter.end();
}

bool save(const QImage& image, const QString& path, const char* format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool saved = out.mkpath("icons") && save(drawPicture(), out.filePath("info.jpg"), "jpeg", 92)
                 && save(drawIcon(), out.filePath("tavrel.png"), "png", -1)
                 && saveScalableIcon(out.filePath("icons/tavrel.svg"));
    for (const int size : {16, 32, 48, 64, 128, 256})
        saved = saved && save(drawDesktopIcon(size), out.filePath(QString("icons/tavrel-%1.png").arg(size)), "png", -1);
    return saved ? 0 : 1;
}
