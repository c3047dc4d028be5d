#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QEnterEvent>
#include <QSignalSpy>

#include <chrono>

using namespace std::chrono_literals;

namespace {

// The cells that show the pointer-over look although the pointer is elsewhere.
QList<int> markedCells(const WindowFixture& f)
{
    QList<int> marked;
    for (int n = 0; n <= 36; ++n)
        if (f.cell(n)->isMarked())
            marked << n;
    return marked;
}

QAccessibleInterface* accessible(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

} // namespace

// The pointer on a cell, spins typed, and what a screen reader and Tab find.
class InputTest : public QObject {
    Q_OBJECT

private slots:
    void aCellShowsItsFourStatesAndTakesOnlyAClickReleasedOverIt()
    {
        using State = tavrel::ui::TableauCell::State;
        const QColor felt(0, 192, 0), red(255, 0, 0), white(255, 255, 255), blue(0, 0, 255);
        WindowFixture f;
        auto* cell = f.cell(7);
        const auto expectLook = [&](State state, const QColor& back, const QColor& number) {
            QCOMPARE(cell->state(), state);
            QCOMPARE(cell->currentBackColor(), back);
            QCOMPARE(cell->currentNumberColor(), number);
        };
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(cell, &leave); // the offscreen pointer may rest on it
        expectLook(State::Normal, felt, red);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(cell, &enter);
        expectLook(State::PointerOver, blue, white);
        QTRY_VERIFY(f.paintedAsNow(cell));
        QSignalSpy clicks(cell, &tavrel::ui::TableauCell::clicked);
        QTest::mousePress(cell, Qt::LeftButton);
        QTest::mouseClick(cell, Qt::RightButton); // another button leaves the press as it is
        expectLook(State::Pressed, red, white);
        QTRY_VERIFY(f.paintedAsNow(cell)); // a press is painted at once
        QVERIFY(accessible(cell)->state().pressed); // what a screen reader is told
        QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(clicks.size(), 0);
        QApplication::sendEvent(cell, &leave);
        QTRY_VERIFY(f.paintedAsNow(cell));
        cell->setEnabled(false);
        expectLook(State::Disabled, felt, red);
        QTRY_VERIFY(f.paintedAsNow(cell));
    }

    void typedNumbersGiveTheRowsOfClicksWhereverTheFocusIs()
    {
        WindowFixture clicked, typed;
        clicked.clickSwitch(0);
        typed.clickSwitch(0);
        const QList<QWidget*> focus{typed.grid(), typed.switchBox(1), typed.cell(8), typed.grid()};
        const QList<int> spins{5, 19, 0, 36};
        for (int i = 0; i < spins.size(); ++i) {
            focus[i]->setFocus(Qt::TabFocusReason);
            clicked.clickCell(spins[i]);
            typed.type(QString::number(spins[i]));
            QCOMPARE(markedCells(typed), QList<int>{spins[i]});
            typed.press(i % 2 ? Qt::Key_Return : Qt::Key_Enter, i % 2 ? Qt::NoModifier : Qt::KeypadModifier);
            QCOMPARE(typed.shown(), clicked.shown());
        }
        QCOMPARE(typed.row(2), clicked.row(2));
        QCOMPARE(markedCells(typed), QList<int>{});
    }

    void refusedAndForgottenDigitsAddNoRow()
    {
        WindowFixture f;
        f.type("37"); // above 36
        QCOMPARE(markedCells(f), QList<int>{});
        f.press(Qt::Key_Return);
        f.type("2");
        f.press(Qt::Key_Escape);
        f.press(Qt::Key_Return);
        f.press(Qt::Key_1, Qt::ControlModifier);
        f.press(Qt::Key_Return);
        QCOMPARE(f.rowCount(), 0);
        f.type("125"); // a third digit starts a new number
        QCOMPARE(markedCells(f), QList<int>{5});
        f.switchBox(0)->setFocus(Qt::TabFocusReason);
        f.press(Qt::Key_Space); // the switch keeps its own key
        QCOMPARE(f.switchBox(0)->value(), 1);
    }

    void aPauseForgetsTheDigitsAndAShortOneDoesNot()
    {
        WindowFixture slow(10s); // far longer than the wait, however busy the machine
        slow.type("1");
        QTest::qWait(100);
        slow.type("7");
        QVERIFY(slow.cell(17)->isMarked());
        WindowFixture f(50ms);
        f.type("1");
        QTRY_VERIFY(!f.cell(1)->isMarked());
        f.press(Qt::Key_Return);
        QCOMPARE(f.rowCount(), 0);
    }

    void cellsSwitchesAndTableAreNamedAndTabRunsThroughThem()
    {
        WindowFixture f;
        // Every cell's name, such as "17 schwarz", is what the click storm finds it by.
        QCOMPARE(accessible(f.cell(10))->role(), QAccessible::Button);
        QAccessibleInterface* halten = accessible(f.switchBox(1));
        QCOMPARE(halten->text(QAccessible::Name), QString("Stufe halten"));
        QCOMPARE(halten->role(), QAccessible::CheckBox);
        halten->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(halten->state().checked);
        QCOMPARE(accessible(f.grid())->text(QAccessible::Name), QString("Satztabelle"));
        accessible(f.cell(17))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.row(1).at(1), QString("17"));

        const QImage plain = f.cell(5)->grab().toImage();
        f.cell(0)->setFocus(Qt::TabFocusReason);
        QStringList order;
        for (int i = 0; i < 40; ++i) {
            f.press(Qt::Key_Tab);
            order << f.window.focusWidget()->objectName();
        }
        QCOMPARE(order.mid(35), (QStringList{"tableauCell_36", "switch_0", "switch_1", "stakeTable", "tableauCell_0"}));
        QCOMPARE(order.first(), QString("tableauCell_1"));
        QCOMPARE(f.cell(5)->grab().toImage(), plain); // its focus frame gone with the focus
        QTRY_VERIFY(f.paintedAsNow(f.cell(0))); // the focus frame drawn, then taken away
        f.press(Qt::Key_Backtab);
        QTRY_VERIFY(f.paintedAsNow(f.cell(0)));
        f.press(Qt::Key_Tab);
        f.press(Qt::Key_A); // no other key
        f.press(Qt::Key_Space); // a cell reached with Tab takes Space and Enter as a click
        f.press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.rowCount(), 3);
        QCOMPARE(f.row(3).at(1), QString("0"));
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
