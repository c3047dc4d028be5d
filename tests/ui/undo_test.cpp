#include "window_fixture.h"

#include <QAction>
#include <QMenu>

namespace {

QAction* undoEntry(const WindowFixture& f)
{
    return f.control<QMenu>("M_Datei")->actions().at(0);
}

void chooseMenuEntry(const WindowFixture& f, const QString& name)
{
    for (QAction* entry : f.control<QMenu>("M_Datei")->actions())
        if (entry->objectName() == name)
            return entry->trigger();
    qFatal("no menu entry %s", qPrintable(name));
}

} // namespace

// Taking back mis-entered spins with "&Rückgängig" and Ctrl+Z.
class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void rueckgaengigIsTheFirstEntryOfDateiWithCtrlZ()
    {
        WindowFixture f;
        const QList<QAction*> items = f.control<QMenu>("M_Datei")->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QString("&Rückgängig"));
        QCOMPARE(items[0]->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(items[1]->text(), QString("&Reset"));
        QCOMPARE(items[2]->text(), QString("&Beenden"));
    }

    void enabledExactlyWhileAClickCanBeTakenBack()
    {
        WindowFixture f;
        QVERIFY(!undoEntry(f)->isEnabled());
        f.clickCell(5);
        QVERIFY(undoEntry(f)->isEnabled());
        f.clickSwitch(1);
        QVERIFY(!undoEntry(f)->isEnabled());
        f.clickCell(6);
        f.clickCell(7);
        QVERIFY(undoEntry(f)->isEnabled());
        undoEntry(f)->trigger();
        QVERIFY(undoEntry(f)->isEnabled());
        undoEntry(f)->trigger();
        QVERIFY(!undoEntry(f)->isEnabled());
        QCOMPARE(f.rowCount(), 1);
        f.clickCell(8);
        chooseMenuEntry(f, "M_Reset");
        QVERIFY(!undoEntry(f)->isEnabled());
        QCOMPARE(f.rowCount(), 0);
    }

    void ctrlZTakesBackClicksOneByOneAsIfNeverMade()
    {
        WindowFixture f, before;
        f.activate();
        f.clickSwitch(0);
        before.clickSwitch(0);
        const QList<int> spins{5, 4, 13, 0, 27, 31};
        QList<QStringList> pictures{before.shown()};
        for (int n : spins) {
            f.clickCell(n);
            before.clickCell(n);
            pictures << before.shown();
        }
        for (qsizetype k = spins.size(); k > 0; --k) {
            QCOMPARE(f.shown(), pictures[k]);
            f.press(Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(f.shown(), pictures[0]);
        QVERIFY(!undoEntry(f)->isEnabled());
        f.press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.shown(), pictures[0]);
    }

    void theClickAfterAnUndoGivesTheRowItShould()
    {
        WindowFixture f, straight;
        f.activate();
        f.clickSwitch(0);
        straight.clickSwitch(0);
        f.clickCell(5);
        f.type("22");
        f.press(Qt::Key_Return);
        f.press(Qt::Key_Z, Qt::ControlModifier);
        f.type("4");
        f.press(Qt::Key_Return);
        straight.clickCell(5);
        straight.clickCell(4);
        QCOMPARE(f.shown(), straight.shown());
        QCOMPARE(f.row(2), (QStringList{" 2", "4", " 0, 2, 1, 4", "Treffer", " 2", " 16", " 15", " 15"}));
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
