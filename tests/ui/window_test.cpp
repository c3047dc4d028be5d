#include "evening_files.h"
#include "reference_picture.h"
#include "risk_window.h"
#include "start_up.h"
#include "window_fixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryFile>

// The main window driven by real clicks and keys: it shows what the core holds, its menu does what it says.
class WindowTest : public QObject {
    Q_OBJECT

    tavrel::ui::StartUp startUp; // the program's style, and Qt's own texts in German

private slots:
    void initTestCase() { startUp.ready(); }

    void opensWithTheModelsAndTheMenu()
    {
        WindowFixture f;
        QCOMPARE(f.shown(), f.expected());
        QVERIFY((f.window.frameGeometry().center() - f.window.screen()->availableGeometry().center()).manhattanLength() <= 4);

        QStringList menu; // each entry with its keys, as the menu names them
        for (QAction* entry : f.window.menuBar()->actions() + f.control<QMenu>("dateiMenu")->actions())
            menu << (entry->text() + ' ' + entry->shortcut().toString(QKeySequence::NativeText)).trimmed();
        QCOMPARE(menu, (QStringList{"&Datei", "&Info", "Ö&ffnen… Strg+O", "&Speichern unter… Strg+S", "&Exportieren… Strg+E",
                                    "", "Rück&gängig Strg+Z", "&Reset", "Risi&ko…", "&Beenden"}));
        // No menu is ever too wide for the bar: its overflow button loads no image plugins for an icon.
        QVERIFY(QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
    }

    void widgetsShowWhatTheModelsHoldAfterEveryEvent()
    {
        WindowFixture f;
        const auto expectMirror = [&](const char* after) { QVERIFY2(f.shown() == f.expected(), after); };
        f.clickSwitch(0);
        expectMirror("System aktiv");
        f.clickCell(5);
        f.clickCell(4);
        expectMirror("a won partie");
        f.clickSwitch(1);
        for (int spin = 0; spin < 11; ++spin)
            f.clickCell(9);
        f.clickCell(1);
        expectMirror("a held hit in the progression");
        QVERIFY(f.control<QAction>("undoAction")->isEnabled());
        f.press(Qt::Key_Z, Qt::ControlModifier);
        f.press(Qt::Key_Z, Qt::ControlModifier);
        expectMirror("two clicks taken back");
        f.clickSwitch(0);
        expectMirror("System aktiv off");
        QVERIFY(!f.control<QAction>("undoAction")->isEnabled());

        // The rows' texts take a new colour at once: no picture of a text outlives it.
        const QImage before = f.grid()->viewport()->grab().toImage();
        QPalette palette = f.grid()->palette();
        palette.setColor(QPalette::Text, Qt::red);
        f.grid()->setPalette(palette);
        QVERIFY(f.grid()->viewport()->grab().toImage() != before);
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

        f.clickSwitch(0);
        f.clickCell(5);
        choose(Qt::Key_B); // resets, then closes the window
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.switchBox(0)->value(), 0);
    }

    // What the player sees, read from the window's own backing store: each cell's colours and edges, the
    // switches, the frames, the table's lines, centring and current row, each control repainted at once.
    void paintedWindowMatchesItsReferencePicture()
    {
        WindowFixture f(std::chrono::hours(1));
        f.clickSwitch(0);
        for (int n : {5, 17, 36, 9, 28, 1}) { // five misses, then a hit that leaves the partie open
            QTest::mousePress(f.cell(n), Qt::LeftButton);
            QTest::qWait(20); // the pressed look painted: the release must repaint the cell itself
            QTest::mouseRelease(f.cell(n), Qt::LeftButton);
        }
        f.grid()->setFocus();
        QTest::qWait(100); // the clicks' repaints done: the mark below must repaint its cell itself
        f.type("2");       // marked until the digits are entered
        QEnterEvent over(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(f.switchBox(1), &over); // the pointer rests on "Stufe halten"
        const auto painted = [&] { return f.window.screen()->grabWindow(f.window.winId()).toImage().convertToFormat(QImage::Format_RGB32); };
        const QString reference = TAVREL_PICTURES "/main_window.png";
        if (QTest::qWaitFor([&] { return painted() == QImage(reference).convertToFormat(QImage::Format_RGB32); }, 2000))
            return; // repaints come with the next frame
        const std::string difference = pictureDifference(painted(), reference);
        QVERIFY2(difference.empty(), difference.c_str());
    }

    // After 457 spins no cheval covers, the partie stands at -104653; undone one by one, each row gives back its width.
    void aNumberThatOutgrowsItsColumnWidensItAndIsShownWhole()
    {
        WindowFixture f;
        QHeaderView* columns = f.grid()->horizontalHeader();
        const int designed = columns->sectionSize(6);
        f.clickSwitch(0);
        QList<QByteArray> grown{columns->saveState()}; // the sections' sizes, and what never changes
        for (int spin = 0; spin < 457; ++spin) {
            f.cell(11 + spin % 8)->click();
            grown << columns->saveState();
        }
        QCOMPARE(f.row(457).at(6), QString(" -104653"));
        const QFontMetrics metrics(f.grid()->font());
        for (int c = 0; c < 8; ++c)
            QVERIFY(columns->sectionSize(c) >= metrics.horizontalAdvance(f.row(457).at(c)) + 7);
        QVERIFY(columns->sectionSize(6) > designed);
        const QByteArray widest = grown.last();
        while (grown.size() > 1) {
            grown.removeLast();
            f.control<QAction>("undoAction")->trigger();
            QCOMPARE(columns->saveState(), grown.last());
        }

        // After 20,000 such spins the cheval stakes pass the frame's edge, and run on past it.
        WindowFixture late;
        QTemporaryFile evening;
        const auto open = [&](const QByteArray& bytes) { // as "Öffnen…" opens a file of these bytes
            return evening.open() && evening.resize(0) && evening.seek(0) && evening.write(bytes) == bytes.size()
                   && evening.flush() && late.control<tavrel::ui::EveningFiles>(QString())->openFrom(evening.fileName());
        };
        QVERIFY(open("# Tavrel-Abend\naktiv\n" + QByteArray("click 13\n").repeated(20000)));
        QCOMPARE(late.label("chevalLabel_9")->text(), QString("25,28= 2000"));
        for (QLabel* label : late.window.findChildren<QLabel*>(QRegularExpression("Label")))
            QCOMPARE(label->visibleRegion(), QRegion(label->rect()));
        QVERIFY(late.grid()->horizontalScrollBar()->isVisible());
        const std::string difference = pictureDifference(late.grid()->grab().toImage(), TAVREL_PICTURES "/stake_table_late.png");
        QVERIFY2(difference.empty(), difference.c_str()); // both scroll bars plain, the newest row at the foot
        QVERIFY(late.grid()->viewport()->rect().contains(late.grid()->visualRect(late.grid()->currentIndex())));

        // Evenings opened over a longer one are measured anew: the misses take the widths they grew, unplayed none.
        QByteArray misses("# Tavrel-Abend\naktiv\n");
        for (int spin = 0; spin < 457; ++spin)
            misses += "click " + QByteArray::number(11 + spin % 8) + '\n';
        const QByteArray unplayed = QByteArray(misses).replace("aktiv\n", ""); // the same spins, the system off
        for (const auto& [bytes, widths] : {std::pair(misses, widest), std::pair(unplayed, grown.first())}) {
            QVERIFY(open(bytes));
            QCOMPARE(late.grid()->horizontalHeader()->saveState(), widths);
        }
    }

    // It leaves the keyboard with the main window: a spin typed after opening it, or after Enter in Kapital, lands in the table.
    void risikoOpensBesideTheWindowAndLeavesItTheKeyboard()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.control<QAction>("riskAction")->trigger();
        auto* risk = f.control<tavrel::ui::RiskWindow>(QString());
        QVERIFY(risk->isVisible() && risk->isWindow() && !risk->isModal());
        QTRY_COMPARE(QApplication::activeWindow(), &f.window);
        f.type("36");
        f.press(Qt::Key_Return);
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(risk->findChild<QLabel*>("NextStake")->text(), QString("2 Einheiten"));

        auto* kapital = risk->findChild<QLineEdit*>("Kapital");
        risk->activateWindow();
        kapital->setFocus();
        QTest::keyClicks(kapital, "7x"); // refused: the keyboard stays, to put it right
        QTest::keyClick(kapital, Qt::Key_Return);
        QTRY_COMPARE(QApplication::activeWindow(), risk);
        f.control<QAction>("riskAction")->trigger(); // opened again, from wherever the keyboard was
        QTRY_COMPARE(QApplication::activeWindow(), &f.window);
        risk->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), risk);
        QTest::keyClick(kapital, Qt::Key_Backspace);
        QTest::keyClick(kapital, Qt::Key_Backspace);
        QTest::keyClick(kapital, Qt::Key_Return);
        QTRY_COMPARE(QApplication::activeWindow(), &f.window);
        QCOMPARE(f.rowCount(), 1); // a digit typed in Risiko is no spin
        f.window.hide(); // as for the About box
        QVERIFY(!risk->isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
