#include "window_fixture.h"

#include <chrono>

using namespace std::chrono_literals;
using tavrel::ui::KeyboardSpinEntry;
using tavrel::ui::TableauCell;

namespace {

const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);

// The cells that show the pointer-over look although the pointer is elsewhere.
QList<int> markedCells(const WindowFixture& f)
{
    QList<int> marked;
    for (int n = 0; n <= 36; ++n)
        if (f.cell(n)->isMarked())
            marked << n;
    return marked;
}

} // namespace

// Entering spins by typing their numbers, checked against clicking them.
class KeyboardEntryTest : public QObject {
    Q_OBJECT

private slots:
    void typedNumberAndEnterGiveTheRowsOfClicks()
    {
        WindowFixture clicked, typed;
        typed.activate();
        clicked.clickSwitch(0);
        typed.clickSwitch(0);
        for (int n : {5, 17, 0, 36, 4, 9, 28}) {
            clicked.clickCell(n);
            typed.type(QString::number(n));
            typed.press(Qt::Key_Return);
            QCOMPARE(typed.shown(), clicked.shown());
        }
        QCOMPARE(typed.rowCount(), 7);
        QCOMPARE(typed.row(2), (QStringList{" 2", "17", " 0, 2, 1, 4", "-", " 2", " -2", " -3", " -3"}));
        QCOMPARE(markedCells(typed), QList<int>{});
    }

    void keypadDigitsAndKeypadEnterWorkToo()
    {
        WindowFixture f;
        f.activate();
        f.press(Qt::Key_2, Qt::KeypadModifier);
        f.press(Qt::Key_3, Qt::KeypadModifier);
        f.press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.row(1).at(1), QString("23"));
    }

    void digitsReachTheTableauWhicheverControlHasTheFocus()
    {
        WindowFixture f;
        f.activate();
        for (QWidget* focus : QList<QWidget*>{f.grid(), f.xpCheck(1), f.list(), f.cell(8)}) {
            focus->setFocus(Qt::TabFocusReason);
            QCOMPARE(f.window.focusWidget(), focus);
            f.type("14");
            f.press(Qt::Key_Return);
            QCOMPARE(f.row(f.rowCount()).at(1), QString("14"));
        }
        QCOMPARE(f.rowCount(), 4);
        QCOMPARE(f.xpCheck(1)->value(), 0);
    }

    void theTypedNumbersCellShowsThePointerOverLook()
    {
        WindowFixture f;
        f.activate();
        f.type("1");
        QCOMPARE(markedCells(f), QList<int>{1});
        QCOMPARE(f.cell(1)->state(), TableauCell::State::PointerOver);
        QCOMPARE(f.cell(1)->currentBackColor(), Blue);
        QCOMPARE(f.cell(1)->currentNumberColor(), White);
        f.type("7");
        QCOMPARE(markedCells(f), QList<int>{17});
        QCOMPARE(f.cell(17)->currentBackColor(), Blue);
        QCOMPARE(f.cell(17)->currentNumberColor(), White);
        QCOMPARE(f.cell(1)->state(), TableauCell::State::Normal);
        f.type("3");
        QCOMPARE(markedCells(f), QList<int>{3});
        f.press(Qt::Key_Enter);
        QCOMPARE(markedCells(f), QList<int>{});
        QCOMPARE(f.row(1).at(1), QString("3"));
    }

    void aNumberAboveThirtySixIsRefusedWithoutARow()
    {
        WindowFixture f;
        f.activate();
        f.clickSwitch(0);
        const QStringList before = f.shown();
        for (const char* digits : {"40", "37", "99"}) {
            f.type(digits);
            QCOMPARE(markedCells(f), QList<int>{});
            f.press(Qt::Key_Return);
            QCOMPARE(f.rowCount(), 0);
        }
        QCOMPARE(f.shown(), before);
        f.type("4");
        f.type("0");
        f.type("5");
        f.press(Qt::Key_Return);
        QCOMPARE(f.row(1).at(1), QString("5"));
    }

    void escapeForgetsTheDigits()
    {
        WindowFixture f;
        f.activate();
        f.type("2");
        f.press(Qt::Key_Escape);
        QCOMPARE(markedCells(f), QList<int>{});
        f.type("6");
        QCOMPARE(markedCells(f), QList<int>{6});
        f.press(Qt::Key_Escape);
        f.press(Qt::Key_Return);
        QCOMPARE(f.rowCount(), 0);
    }

    void aPauseForgetsTheDigitsAndAShortOneDoesNot()
    {
        QCOMPARE(KeyboardSpinEntry::DefaultPause, std::chrono::milliseconds(2s));
        tavrel::PlayerSession session;
        tavrel::ui::Frm_Tavrel window(session, nullptr, 1s);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* one = window.findChild<TableauCell*>("xpLabel_Tableau_1");
        auto* seventeen = window.findChild<TableauCell*>("xpLabel_Tableau_17");

        QTest::keyClick(&window, Qt::Key_1);
        QTest::qWait(100);
        QTest::keyClick(&window, Qt::Key_7);
        QVERIFY(seventeen->isMarked());
        QTRY_VERIFY_WITH_TIMEOUT(!seventeen->isMarked(), 5000);
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(session.system.Frm_Tavrel.Grid.RowCount(), 0);

        QTest::keyClick(&window, Qt::Key_1);
        QTRY_VERIFY_WITH_TIMEOUT(!one->isMarked(), 5000);
        QTest::keyClick(&window, Qt::Key_7);
        QVERIFY(!seventeen->isMarked());
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(session.system.Frm_Tavrel.Grid.RowCount(), 1);
        QCOMPARE(session.system.Frm_Tavrel.Grid.CellText(1, 2), std::string("7"));
    }

    void keysWithoutTypedDigitsOrWithControlAreLeftAlone()
    {
        WindowFixture f;
        f.activate();
        f.press(Qt::Key_Return);
        f.press(Qt::Key_Enter);
        f.press(Qt::Key_Escape);
        f.press(Qt::Key_1, Qt::ControlModifier);
        f.press(Qt::Key_2, Qt::AltModifier);
        QCOMPARE(markedCells(f), QList<int>{});
        QCOMPARE(f.rowCount(), 0);
        // The switch still takes its own key.
        f.xpCheck(0)->setFocus(Qt::TabFocusReason);
        f.type("3");
        f.press(Qt::Key_Space);
        QCOMPARE(f.xpCheck(0)->value(), 1);
        QCOMPARE(markedCells(f), QList<int>{3});
    }
};

QTEST_MAIN(KeyboardEntryTest)
#include "keyboard_entry_test.moc"
