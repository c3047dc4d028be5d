#include "window/frm_info.h"

#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <set>

using tavrel::about::Frm_Info;
using tavrel::PartikelSystem2::Partikel;

namespace {

const QColor lightCyan(192, 255, 255);
constexpr std::int32_t whiteRange = 7000 * 255;

int whiteParticles(const Frm_Info& box)
{
    const auto& liste = box.animation().Liste;
    int count = 0;
    for (std::int32_t i = 1; i <= liste.Count; ++i) {
        const Partikel& p = liste.Items[static_cast<std::size_t>(i)];
        count += p.MaxRange == whiteRange && p.Color == 0xFFFFFF;
    }
    return count;
}

// The pixels of the box as shown that are neither background nor picture.
int particlePixels(Frm_Info& box, const QImage& clean)
{
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != clean.pixel(x, y);
    return differing;
}

} // namespace

class FrmInfoTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsDesigned()
    {
        Frm_Info box;
        QCOMPARE(box.objectName(), QString("Frm_Info"));
        QCOMPARE(box.windowTitle(), QString("Info Orrin Tavrel"));
        QCOMPARE(box.size(), QSize(658, 313));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        const Qt::WindowFlags flags = box.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);

        const auto* label1 = box.findChild<QLabel*>("Label1");
        const auto* label3 = box.findChild<QLabel*>("Label3");
        QVERIFY(label1 && label3);
        QCOMPARE(label1->geometry(), QRect(8, 280, 273, 17));
        QCOMPARE(label3->geometry(), QRect(8, 296, 137, 17));
        QCOMPARE(label3->text(), QString("getestet auf Windows XP"));
        QVERIFY(!label1->text().isEmpty());
        QVERIFY(label1->fontMetrics().horizontalAdvance(label1->text()) <= label1->width());
        QCOMPARE(label3->geometry().bottom() + 1, box.height());
    }

    void loadShowsThePictureOnLightCyanBeforeTheFirstFrame()
    {
        Frm_Info box;
        box.startAnimation();
        QVERIFY(box.isVisible());
        QVERIFY(box.animation().Running);
        QCOMPARE(box.animation().Gravity, 400);
        QCOMPARE(box.animation().Liste.Count, 0);

        const QImage shown = box.grab().toImage();
        const QImage picture(":/info.jpg");
        QCOMPARE(picture.size(), QSize(663, 261));
        for (const QPoint at : {QPoint(0, 0), QPoint(120, 130), QPoint(657, 260), QPoint(400, 10)})
            QCOMPARE(shown.pixel(at), picture.pixel(at));
        QCOMPARE(shown.pixelColor(400, 270), lightCyan);
        QCOMPARE(shown.pixelColor(600, 300), lightCyan);
    }

    void particlesAppearAndMove()
    {
        Frm_Info box;
        box.startAnimation();
        const QImage clean = box.grab().toImage().convertToFormat(QImage::Format_RGB32);

        box.runFrame();
        QCOMPARE(box.animation().Liste.Count, 5);
        const Partikel first = box.animation().Liste.Items[1];
        QVERIFY(particlePixels(box, clean) > 0);

        std::set<std::pair<int, int>> places;
        for (int frame = 2; frame <= 30; ++frame) {
            box.runFrame();
            QCOMPARE(box.animation().Liste.Count, 5 * frame);
            const Partikel& now = box.animation().Liste.Items[1];
            places.insert({now.PosX, now.PosY});
            QCOMPARE(now.SpeedX, first.SpeedX);
            QCOMPARE(now.SpeedY, first.SpeedY + 400 * (frame - 1));
        }
        QCOMPARE(places.size(), std::size_t(29));

        // Random particles live 32 to 42 frames: the list levels off.
        for (int frame = 31; frame <= 100; ++frame)
            box.runFrame();
        const auto count = box.animation().Liste.Count;
        QVERIFY2(count >= 5 * 32 && count <= 5 * 42, qPrintable(QString::number(count)));
        QCOMPARE(whiteParticles(box), 0);
    }

    void heldButtonAddsExactlyOneWhiteParticlePerFrame()
    {
        Frm_Info box;
        box.startAnimation();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseMove(&box, QPoint(300, 150));
        QCOMPARE(box.animation().MouseX, 4500);
        QCOMPARE(box.animation().MouseY, 2250);

        QTest::mousePress(&box, Qt::RightButton, Qt::NoModifier, QPoint(300, 150));
        QVERIFY(box.animation().MouseIsDown);
        for (int frame = 1; frame <= 40; ++frame) {
            // However many events come between two frames.
            QTest::mouseMove(&box, QPoint(300, 150));
            QTest::mouseMove(&box, QPoint(300, 150));
            box.runFrame();
            QCOMPARE(whiteParticles(box), frame);
            const Partikel& spawned = box.animation().Liste.Items.back();
            const int startX = (spawned.PosX - spawned.TravelX) / 255;
            QVERIFY(startX >= 4500 - 99 && startX <= 4500 + 1);
            QCOMPARE((spawned.PosY - spawned.TravelY) / 255, 2250);
        }

        QTest::mouseRelease(&box, Qt::RightButton, Qt::NoModifier, QPoint(300, 150));
        QVERIFY(!box.animation().MouseIsDown);
        box.runFrame();
        QCOMPARE(whiteParticles(box), 40);
    }

    // Last: the exit it asks for stays with the thread's event loops.
    void closingTheBoxEndsTheLoopAndAsksTheApplicationToExit()
    {
        Frm_Info box;
        int paints = 0;
        struct PaintCounter : QObject {
            int& paints;
            explicit PaintCounter(int& counted) : paints(counted) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        box.installEventFilter(&counter);

        // The loop runs inside a handler of the application's loop, as the Info command does.
        QEventLoop application;
        QTimer::singleShot(0, &box, [&] { box.Form_Load(); });
        QTimer::singleShot(300, &box, &QWidget::close);
        QTimer::singleShot(5000, &application, [&] { application.exit(7); });
        QCOMPARE(application.exec(), 0);
        QVERIFY(!box.isVisible());
        QVERIFY(!box.animation().Running);
        // A frame takes at least 10 ms, so 300 ms hold 30 at most.
        QVERIFY2(paints >= 10 && paints <= 32, qPrintable(QString::number(paints)));
    }
};

QTEST_MAIN(FrmInfoTest)
#include "frm_info_test.moc"
