#include "window_fixture.h"

#include <QAction>

namespace {

const QColor Felt(0, 192, 0);
const QColor Yellow(255, 255, 0);

// The numbers whose cells are yellow, in ascending order.
QList<int> yellowCells(const WindowFixture& f)
{
    QList<int> yellow;
    for (int n = 0; n <= 36; ++n)
        if (f.cell(n)->currentBackColor() == Yellow)
            yellow << n;
        else if (f.cell(n)->currentBackColor() != Felt)
            qWarning("cell %d is neither felt nor yellow", n);
    return yellow;
}

QStringList visibleChevalLabels(const WindowFixture& f)
{
    QStringList shown;
    for (int k = 0; k < 10; ++k)
        if (f.lblCheval(k)->isVisible())
            shown << f.lblCheval(k)->text();
    return shown;
}

void checkFreshPartie(const WindowFixture& f)
{
    QCOMPARE(f.listLines(), (QStringList{"0", "2"}));
    QCOMPARE(yellowCells(f), (QList<int>{0, 2}));
    QCOMPARE(visibleChevalLabels(f), QStringList{"0,2= 1"});
    QCOMPARE(f.label("Lbl_Pleins")->text(), QString("Pleins= 2"));
    QCOMPARE(f.label("Lbl_Stufe")->text(), QString("Stufe= 1"));
}

void checkNoPartie(const WindowFixture& f)
{
    QCOMPARE(f.xpCheck(0)->value(), 0);
    QCOMPARE(f.list()->count(), 0);
    QCOMPARE(yellowCells(f), QList<int>{});
    QCOMPARE(visibleChevalLabels(f), QStringList{});
    QCOMPARE(f.label("Lbl_Pleins")->text(), QString("Pleins= 0"));
    QCOMPARE(f.label("Lbl_Stufe")->text(), QString("Stufe= 0"));
}

} // namespace

// One partie played by clicking the widgets, checked on what they show.
class PartieRoadTest : public QObject {
    Q_OBJECT

private slots:
    void systemAktivThenFiveThenFourWinsAndRestarts()
    {
        WindowFixture f;
        f.clickSwitch(0);
        QCOMPARE(f.xpCheck(0)->value(), 1);
        checkFreshPartie(f);

        f.clickCell(5);
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.row(1), (QStringList{" 1", "5", " 0, 2", "-", " 1", " -1", " -1", " -1"}));
        QCOMPARE(f.grid()->currentIndex().row(), 0);
        QCOMPARE(f.listLines(), (QStringList{"0", "2", "1", "4"}));
        QCOMPARE(yellowCells(f), (QList<int>{0, 1, 2, 4}));
        QCOMPARE(visibleChevalLabels(f), (QStringList{"0,2= 1", "1,4= 1"}));
        QCOMPARE(f.label("Lbl_Pleins")->text(), QString("Pleins= 4"));
        QCOMPARE(f.label("Lbl_Stufe")->text(), QString("Stufe= 2"));

        f.clickCell(4);
        QCOMPARE(f.rowCount(), 2);
        QCOMPARE(f.row(2), (QStringList{" 2", "4", " 0, 2, 1, 4", "Treffer", " 2", " 16", " 15", " 15"}));
        QCOMPARE(f.grid()->currentIndex().row(), 1);
        checkFreshPartie(f);
        QCOMPARE(f.xpCheck(0)->value(), 1);
    }

    void stakeTableCellsAreAlignedAsTheirColumns()
    {
        WindowFixture f;
        f.clickCell(17);
        const QAbstractItemModel* model = f.grid()->model();
        const auto alignment = [&](int column) {
            return model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(0), Qt::Alignment(Qt::AlignLeft));
        QCOMPARE(alignment(1), Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(alignment(3), Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(alignment(7), Qt::Alignment(Qt::AlignLeft));
    }

    void stufeHaltenAloneChangesNothingShown()
    {
        WindowFixture f;
        f.clickSwitch(1);
        QCOMPARE(f.xpCheck(1)->value(), 1);
        checkNoPartie(f);
        f.clickSwitch(1);
        QCOMPARE(f.xpCheck(1)->value(), 0);
    }

    void uncheckingSystemAktivClearsThePartieButKeepsRows()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.clickCell(5);
        f.clickSwitch(0);
        checkNoPartie(f);
        QCOMPARE(f.rowCount(), 1);
        f.clickSwitch(0);
        checkFreshPartie(f);
    }

    void aValueSetByTheCoreIsNotTakenForAClick()
    {
        WindowFixture f;
        f.system.Frm_Tavrel.xpCheck.SetValue(1, 1);
        QCOMPARE(f.xpCheck(1)->value(), 1);
        f.system.Frm_Tavrel.xpCheck.SetValue(0, 1);
        QCOMPARE(f.xpCheck(0)->value(), 1);
        QCOMPARE(f.list()->count(), 0);
    }

    void anUndoneClickLeavesTheWindowAsBeforeIt()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.clickCell(5);
        f.clickCell(4);
        f.session.undo();
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.grid()->currentIndex().row(), 0);
        QCOMPARE(f.listLines(), (QStringList{"0", "2", "1", "4"}));
        QCOMPARE(yellowCells(f), (QList<int>{0, 1, 2, 4}));
        QCOMPARE(f.label("Lbl_Stufe")->text(), QString("Stufe= 2"));
        f.clickCell(4);
        QCOMPARE(f.row(2), (QStringList{" 2", "4", " 0, 2, 1, 4", "Treffer", " 2", " 16", " 15", " 15"}));
    }

    void resetEmptiesTheTableAndUnchecksBothSwitches()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.clickSwitch(1);
        f.clickCell(5);
        f.clickCell(4);
        f.control<QAction>("M_Reset")->trigger();
        checkNoPartie(f);
        QCOMPARE(f.xpCheck(1)->value(), 0);
        QCOMPARE(f.rowCount(), 0);
        QCOMPARE(f.grid()->currentIndex().isValid(), false);

        f.clickCell(8);
        QCOMPARE(f.rowCount(), 1);
        QCOMPARE(f.row(1).mid(0, 3), (QStringList{" 3", "8", ""}));
    }

    void beendenResetsAndClosesTheWindow()
    {
        WindowFixture f;
        f.clickSwitch(0);
        f.clickCell(5);
        f.control<QAction>("M_Beenden")->trigger();
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.rowCount(), 0);
        QCOMPARE(f.xpCheck(0)->value(), 0);
        QCOMPARE(f.list()->count(), 0);
    }

    void infoIsAnnouncedForTheAboutBox()
    {
        WindowFixture f;
        int announced = 0;
        QObject::connect(&f.window, &tavrel::ui::Frm_Tavrel::infoRequested, [&] { ++announced; });
        f.control<QAction>("M_Info")->trigger();
        QCOMPARE(announced, 1);
    }
};

QTEST_MAIN(PartieRoadTest)
#include "partie_road_test.moc"
