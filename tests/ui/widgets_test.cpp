#include "stake_table_model.h"
#include "tableau_cell.h"
#include "xp_check.h"

#include <QAbstractItemModelTester>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

using tavrel::ui::StakeTableModel;
using tavrel::ui::TableauCell;
using tavrel::ui::XpCheck;

// The window's own controls, each on its own.
class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void tableauCellColoursFollowItsFourStates()
    {
        const QColor felt(0, 192, 0), red(255, 0, 0), white(255, 255, 255), blue(0, 0, 255);
        TableauCell cell(7);
        cell.resize(21, 21);
        cell.setCellNumberColor(red);
        cell.setCellBackColor(felt);
        cell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cell));
        // The offscreen pointer may rest on the cell when it opens.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&cell, &leave);
        QCOMPARE(cell.state(), TableauCell::State::Normal);
        QCOMPARE(cell.currentBackColor(), felt);
        QCOMPARE(cell.currentNumberColor(), red);

        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&cell, &enter);
        QCOMPARE(cell.state(), TableauCell::State::PointerOver);
        QCOMPARE(cell.currentBackColor(), blue);
        QCOMPARE(cell.currentNumberColor(), white);

        QSignalSpy clicks(&cell, &TableauCell::clicked);
        QTest::mousePress(&cell, Qt::LeftButton);
        QCOMPARE(cell.state(), TableauCell::State::Pressed);
        QCOMPARE(cell.currentBackColor(), red);
        QCOMPARE(cell.currentNumberColor(), white);
        QTest::mouseRelease(&cell, Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(clicks.size(), 0); // released away from the cell

        QApplication::sendEvent(&cell, &leave);
        cell.setEnabled(false);
        QCOMPARE(cell.state(), TableauCell::State::Disabled);
        QCOMPARE(cell.currentBackColor(), felt);
        QCOMPARE(cell.currentNumberColor(), red);
    }

    void xpCheckForwardsClicksAndShowsOnlyTheValueItIsGiven()
    {
        XpCheck box(1, "Stufe halten");
        box.resize(97, 17);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy spy(&box, &XpCheck::clicked);
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(box.value(), 0);
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_Space);
        QCOMPARE(spy.size(), 2);
        box.setValue(1);
        QCOMPARE(box.value(), 1);
        QCOMPARE(spy.size(), 2);
    }

    void stakeTableModelFollowsTheGridOneRowAtATime()
    {
        tavrel::GridModel grid;
        grid.AddColumn("", "Coups", 800);
        grid.AddColumn("", "Plein", 600, 2);
        StakeTableModel model(grid);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        for (int r = 1; r <= 100; ++r) {
            grid.AddRow(" " + std::to_string(r));
            grid.SetCellText(r, 2, std::to_string(r % 37));
        }
        QCOMPARE(model.rowCount(), 100);
        QCOMPARE(inserted.size(), 100);
        QCOMPARE(changed.size(), 100);
        QCOMPARE(reset.size(), 0);
        QCOMPARE(inserted.at(99).at(1).toInt(), 99);
        QCOMPARE(model.index(99, 0).data().toString(), QString(" 100"));
        QCOMPARE(model.index(99, 1).data().toString(), QString("26"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Plein"));

        grid.RemoveLastRow();
        QCOMPARE(model.rowCount(), 99);
        grid.ClearRows();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(reset.size(), 1);
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
