#pragma once

#include "frm_tavrel.h"
#include "stake_table_view.h"
#include "tableau_cell.h"
#include "xp_check.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <memory>

// A fresh session and its window, shown, with a tester watching the stake
// table's model from the first moment, and short ways to the controls by name.
struct WindowFixture {
    tavrel::PlayerSession session;
    tavrel::TavrelSystem& system = session.system;
    tavrel::ui::Frm_Tavrel window{session};
    std::unique_ptr<QAbstractItemModelTester> tester;

    WindowFixture()
    {
        tester = std::make_unique<QAbstractItemModelTester>(
            grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    template <class T>
    T* control(const QString& name) const
    {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    tavrel::ui::TableauCell* cell(int n) const
    {
        return control<tavrel::ui::TableauCell>(QString("xpLabel_Tableau_%1").arg(n));
    }
    tavrel::ui::XpCheck* xpCheck(int i) const { return control<tavrel::ui::XpCheck>(QString("xpCheck_%1").arg(i)); }
    QLabel* lblCheval(int k) const { return control<QLabel>(QString("lbl_Cheval_%1").arg(k)); }
    QLabel* label(const QString& name) const { return control<QLabel>(name); }
    QListWidget* list() const { return control<QListWidget>("List"); }
    tavrel::ui::StakeTableView* grid() const { return control<tavrel::ui::StakeTableView>("Grid"); }

    void clickCell(int n) const { QTest::mouseClick(cell(n), Qt::LeftButton); }
    void clickSwitch(int i) const { QTest::mouseClick(xpCheck(i), Qt::LeftButton); }

    QStringList listLines() const
    {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines << list()->item(i)->text();
        return lines;
    }

    // Row r of the stake table as the view's model shows it, counted from 1.
    QStringList row(int r) const
    {
        QStringList cells;
        const QAbstractItemModel* model = grid()->model();
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r - 1, c).data().toString();
        return cells;
    }

    int rowCount() const { return grid()->model()->rowCount(); }

    // Makes the window the active one, as the player's window is.
    void activate()
    {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    // Keys as the player presses them: to the control that has the focus.
    QWidget* keyTarget() { return window.focusWidget() ? window.focusWidget() : &window; }
    void type(const QString& digits) { QTest::keyClicks(keyTarget(), digits); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(keyTarget(), key, modifiers);
    }

    // Everything the window shows of the system, one line per control.
    QStringList shown() const
    {
        QStringList lines{listLines().join(' '), label("Lbl_Pleins")->text(), label("Lbl_Stufe")->text()};
        for (int k = 0; k < 10; ++k)
            lines << (lblCheval(k)->isVisible() ? lblCheval(k)->text() : QString("hidden"));
        for (int i = 0; i < 2; ++i)
            lines << QString::number(xpCheck(i)->value());
        for (int n = 0; n <= 36; ++n)
            lines << cell(n)->cellBackColor().name() + ' ' + cell(n)->cellNumberColor().name();
        for (int r = 1; r <= rowCount(); ++r)
            lines << row(r).join('|');
        return lines;
    }
};
