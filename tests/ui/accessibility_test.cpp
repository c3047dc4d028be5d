#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(widget);
    if (!found)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return found;
}

QString spokenName(QWidget* widget)
{
    return accessible(widget)->text(QAccessible::Name);
}

// Presses Tab where the focus is and names the widget it goes to.
QString tabFrom(const WindowFixture& f)
{
    QTest::keyClick(f.window.focusWidget(), Qt::Key_Tab);
    return f.window.focusWidget() ? f.window.focusWidget()->objectName() : QString();
}

} // namespace

// What a screen reader finds in the window, and where Tab goes.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cellsAreButtonsNamedByNumberAndGermanColour()
    {
        WindowFixture f;
        QCOMPARE(spokenName(f.cell(0)), QString("0 grün"));
        QCOMPARE(spokenName(f.cell(1)), QString("1 rot"));
        QCOMPARE(spokenName(f.cell(17)), QString("17 schwarz"));
        QCOMPARE(spokenName(f.cell(19)), QString("19 rot"));
        QCOMPARE(spokenName(f.cell(10)), QString("10 schwarz"));
        int reds = 0, blacks = 0;
        for (int n = 0; n <= 36; ++n) {
            QAccessibleInterface* cell = accessible(f.cell(n));
            QCOMPARE(cell->role(), QAccessible::Button);
            QCOMPARE(cell->rect(), QRect(f.cell(n)->mapToGlobal(QPoint(0, 0)), f.cell(n)->size()));
            const QString name = cell->text(QAccessible::Name);
            QCOMPARE(name.section(' ', 0, 0), QString::number(n));
            reds += name.endsWith(" rot");
            blacks += name.endsWith(" schwarz");
        }
        QCOMPARE(reds, 18);
        QCOMPARE(blacks, 18);
    }

    void pressingACellThroughAccessibilityIsAClick()
    {
        WindowFixture f;
        QAccessibleActionInterface* actions = accessible(f.cell(17))->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.row(1), (QStringList{" 1", "17", "", "", "", "", "", ""}));
    }

    void switchesAreCheckBoxesWithTheirCaptionAndState()
    {
        WindowFixture f;
        const QStringList captions{"System aktiv", "Stufe halten"};
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface* box = accessible(f.xpCheck(i));
            QCOMPARE(box->text(QAccessible::Name), captions[i]);
            QCOMPARE(box->role(), QAccessible::CheckBox);
            QVERIFY(box->state().checkable);
            QVERIFY(!box->state().checked);
            f.clickSwitch(i);
            QVERIFY(box->state().checked);
        }
        accessible(f.xpCheck(1))->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(f.xpCheck(1)->value(), 0);
        QVERIFY(!accessible(f.xpCheck(1))->state().checked);
    }

    void stakeTableIsNamedSatztabelle()
    {
        WindowFixture f;
        QCOMPARE(spokenName(f.grid()), QString("Satztabelle"));
        QCOMPARE(accessible(f.grid())->role(), QAccessible::Table);
    }

    void tabRunsTableauThenSwitchesThenTableAndRoundAgain()
    {
        WindowFixture f;
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(f.window.focusWidget(), f.cell(0));
        for (int n = 1; n <= 36; ++n)
            QCOMPARE(tabFrom(f), QString("xpLabel_Tableau_%1").arg(n));
        QCOMPARE(tabFrom(f), QString("xpCheck_0"));
        QCOMPARE(tabFrom(f), QString("xpCheck_1"));
        QCOMPARE(tabFrom(f), QString("Grid"));
        QCOMPARE(tabFrom(f), QString("xpLabel_Tableau_0"));
    }

    void clickingACellLeavesTheFocusWhereItWas()
    {
        WindowFixture f;
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.xpCheck(1)->setFocus(Qt::TabFocusReason);
        f.clickCell(5);
        QCOMPARE(f.window.focusWidget(), f.xpCheck(1));
        QCOMPARE(f.rowCount(), 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
