#include "risk_window.h"
#include "window_fixture.h"

#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

namespace {

// The window painted once, with ways to count its pixels in widgets' areas.
class Painted {
public:
    explicit Painted(QWidget* client)
        : client_(client)
        , image_(client->grab().toImage().convertToFormat(QImage::Format_RGB32))
    {
    }

    QRect areaOf(const QWidget* widget) const { return {widget->mapTo(client_, QPoint(0, 0)), widget->size()}; }
    QRect areaOfCell(const QTableView* table, int row, int column) const
    {
        const QRect cell = table->visualRect(table->model()->index(row, column));
        return cell.translated(table->viewport()->mapTo(client_, QPoint(0, 0)));
    }

    int count(const QRect& area, const QColor& colour) const
    {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += image_.pixelColor(x, y) == colour;
        return found;
    }

    // The bounding box of the pixels darker than mid grey: where text was drawn.
    QRect inkIn(const QRect& area) const
    {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image_.pixelColor(x, y).lightness() < 128)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }

private:
    QWidget* client_;
    QImage image_;
};

} // namespace

// The main window driven by real clicks and keys: it must show what the core's
// models hold, and its menu must do what its entries say.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheLayoutTheModelsAndTheMenuAsDesigned()
    {
        WindowFixture f;
        QCOMPARE(f.window.windowTitle(), QString("Orrin Tavrel V1.0"));
        QCOMPARE(f.window.centralWidget()->size(), QSize(918, 670));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QCOMPARE(f.grid()->geometry(), QRect(16, 24, 673, 633));
        QCOMPARE(QRect(f.cell(36)->mapTo(f.window.centralWidget(), QPoint(0, 0)), f.cell(36)->size()), QRect(56, 284, 21, 21));
        const QStringList headers{"Coups", "Plein", "Pleins gesetzt", "Treffer", "Einsatz", "Saldo", "Partie", "Gesamt"};
        const QList<int> widths{53, 40, 333, 43, 43, 43, 43, 43};
        for (int c = 0; c < 8; ++c) {
            QCOMPARE(f.grid()->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
            QCOMPARE(f.grid()->columnWidth(c), widths[c]);
        }
        QCOMPARE(f.shown(), f.expected());
        QCOMPARE(tavrel::toQColor(0x563412), QColor(0x12, 0x34, 0x56)); // 0x00BBGGRR

        QStringList menu;
        for (QAction* entry : f.window.menuBar()->actions() + f.control<QMenu>("dateiMenu")->actions())
            menu << entry->text();
        QCOMPARE(menu, (QStringList{"&Datei", "&Info", "Rück&gängig", "&Reset", "Risi&ko…", "&Beenden"}));
        QCOMPARE(f.control<QAction>("undoAction")->shortcut(), QKeySequence("Ctrl+Z"));
    }

    void widgetsShowWhatTheModelsHoldAfterEveryEvent()
    {
        WindowFixture f;
        const auto expectMirror = [&](const char* after) {
            QVERIFY2(f.shown() == f.expected(), after);
            for (int r = 1; r <= f.rowCount(); ++r)
                for (int c = 0; c < 8; ++c)
                    QCOMPARE(f.row(r).at(c).toStdString(), tavrel::cellText(f.session.rows()[r - 1], c));
        };
        f.clickSwitch(0);
        expectMirror("System aktiv");
        f.clickCell(5);
        f.clickCell(4);
        expectMirror("a won partie");
        QCOMPARE(f.row(2), (QStringList{" 2", "4", " 0, 2, 1, 4", "Treffer", " 2", " 16", " 15", " 15"}));
        f.clickSwitch(1);
        for (int spin = 0; spin < 11; ++spin)
            f.clickCell(9);
        f.clickCell(1);
        expectMirror("a held hit in the progression");
        QVERIFY(f.control<QAction>("undoAction")->isEnabled());
        f.press(Qt::Key_Z, Qt::ControlModifier);
        f.press(Qt::Key_Z, Qt::ControlModifier);
        expectMirror("two clicks taken back");
        QCOMPARE(f.rowCount(), 12);
        f.clickSwitch(0);
        expectMirror("System aktiv off");
        QVERIFY(!f.control<QAction>("undoAction")->isEnabled());
    }

    void theAccessKeysOfDateiRunUndoResetAndBeenden()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.clickCell(5);
        f.clickCell(6);
        const auto choose = [&](Qt::Key key) {
            f.press(Qt::Key_D, Qt::AltModifier);
            auto* menu = f.control<QMenu>("dateiMenu");
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, key);
            QTRY_VERIFY(!menu->isVisible());
        };
        choose(Qt::Key_G);
        QCOMPARE(f.rowCount(), 1);
        choose(Qt::Key_R);
        QCOMPARE(f.rowCount(), 0);
        QCOMPARE(f.shown().switches, (std::array<std::int32_t, 2>{0, 0}));
        QVERIFY(f.shown().list.empty());

        f.clickSwitch(0);
        f.clickCell(5);
        choose(Qt::Key_B); // resets, then closes the window
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.rowCount(), 0);
        QCOMPARE(f.switchBox(0)->value(), 0);
    }

    void paintedWindowShowsColoursBordersAndTextWhereTheyBelong()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.clickCell(5);
        f.clickCell(17);
        f.grid()->setFocus();
        const Painted painted(f.window.centralWidget());

        for (int n = 0; n <= 36; ++n) {
            const auto* cell = f.cell(n);
            const QRect area = painted.areaOf(cell);
            const QColor back = cell->cellBackColor(), number = cell->cellNumberColor();
            QVERIFY2(painted.count(area, back) > area.width() * area.height() / 2, qPrintable(QString::number(n)));
            QVERIFY2(painted.count(area, number) > 5, qPrintable(QString::number(n)));
            // Black edges all round, and no focus frame inside them.
            QCOMPARE(painted.count(area.adjusted(0, 0, 1 - area.width(), 0), Qt::black), area.height());
            QCOMPARE(painted.count(area.adjusted(0, area.height() - 1, 0, 0), Qt::black), area.width());
            QCOMPARE(painted.count(QRect(area.left() + 2, area.top() + 2, area.width() - 4, 1), back), area.width() - 4);
        }

        const QRect aktiv = painted.areaOf(f.switchBox(0)), halten = painted.areaOf(f.switchBox(1));
        const QColor boxBorder(28, 81, 128), checkMark(33, 161, 33);
        QCOMPARE(painted.count(QRect(aktiv.left(), aktiv.top() + 2, 1, 9), boxBorder), 9);
        QVERIFY(painted.count(aktiv.adjusted(0, 0, 13 - aktiv.width(), 0), checkMark) > 5);
        QCOMPARE(painted.count(halten.adjusted(0, 0, 13 - halten.width(), 0), checkMark), 0);

        // The frame's top edge runs at half the caption's height, right of the caption.
        const QRect frame = painted.areaOf(f.control<QWidget>("einstellungenFrame"));
        const int edge = frame.top() + f.control<QWidget>("einstellungenFrame")->fontMetrics().height() / 2;
        const QColor background = f.window.palette().window().color();
        QCOMPARE(painted.count(QRect(frame.right() - 40, edge - 2, 30, 2), background), 60);
        QCOMPARE(painted.count(QRect(frame.right() - 40, edge, 30, 1), background), 0);

        // Row 1: its grid lines, a left-aligned "1" and a centred "5".
        const QRect coups = painted.areaOfCell(f.grid(), 0, 0), plein = painted.areaOfCell(f.grid(), 0, 1);
        const QColor gridLine(192, 192, 192);
        QCOMPARE(painted.count(QRect(coups.right(), coups.top(), 1, coups.height() - 1), gridLine), coups.height() - 1);
        QCOMPARE(painted.count(QRect(coups.left(), coups.bottom(), coups.width() - 1, 1), gridLine), coups.width() - 1);
        const QRect ink = painted.inkIn(plein.adjusted(0, 0, -1, -1));
        QVERIFY2(qAbs(ink.center().x() - plein.center().x()) <= 1, qPrintable(QString::number(ink.center().x())));
        QVERIFY(painted.inkIn(coups.adjusted(0, 0, -1, -1)).left() < coups.left() + 8);
        const QRect gesamt = painted.areaOfCell(f.grid(), 1, 7); // in the current row, which shows whole
        QVERIFY(painted.count(gesamt, f.grid()->palette().color(QPalette::Active, QPalette::Highlight)) > gesamt.width() * 8);
    }

    void risikoOpensBesideTheWindowAndFollowsItsEvents()
    {
        WindowFixture f;
        f.control<QAction>("riskAction")->trigger();
        auto* risk = f.control<tavrel::ui::RiskWindow>(QString());
        QVERIFY(risk->isVisible() && risk->isWindow() && !risk->isModal());
        // Beside the centred main window, and whole on the screen.
        QVERIFY(f.window.screen()->availableGeometry().contains(risk->frameGeometry()));
        f.clickSwitch(0);
        for (int spin = 0; spin < 3; ++spin)
            f.clickCell(36);
        QTRY_COMPARE(risk->findChild<QLabel*>("Risk")->text(), QString("2,60 %"));
        f.clickSwitch(0);
        QTRY_VERIFY(!risk->findChild<QLabel*>("Risk")->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
