#pragma once

#include "colour/qt_colour.h"
#include "main_window.h"
#include "stake_table.h"
#include "tableau_cell.h"
#include "switch_box.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <memory>

// A fresh session and its window, shown and active, its stake table's model watched from the start.
struct WindowFixture {
    tavrel::PlayerSession session;
    tavrel::ui::MainWindow window;
    std::unique_ptr<QAbstractItemModelTester> tester;

    explicit WindowFixture(std::chrono::milliseconds digitPause = tavrel::ui::KeyboardSpinEntry::DefaultPause)
        : window(session, nullptr, digitPause)
    {
        tester = std::make_unique<QAbstractItemModelTester>(grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    template <class T>
    T* control(const QString& name) const
    {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    tavrel::ui::TableauCell* cell(int n) const { return control<tavrel::ui::TableauCell>(QString("tableauCell_%1").arg(n)); }
    tavrel::ui::SwitchBox* switchBox(int i) const { return control<tavrel::ui::SwitchBox>(QString("switch_%1").arg(i)); }
    QLabel* label(const QString& name) const { return control<QLabel>(name); }
    tavrel::ui::StakeTable* grid() const { return control<tavrel::ui::StakeTable>("stakeTable"); }

    void clickCell(int n) const { QTest::mouseClick(cell(n), Qt::LeftButton); }
    void clickSwitch(int i) const { QTest::mouseClick(switchBox(i), Qt::LeftButton); }
    // Keys as the player presses them: to the control that has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key, modifiers);
    }
    void type(const QString& digits)
    {
        for (QChar digit : digits)
            press(Qt::Key(Qt::Key_0 + digit.digitValue()));
    }

    // What the session says the controls show.
    tavrel::ControlsSnapshot expected() const { return tavrel::controlsShowing(session.system(), session.rowCount()); }

    // What the widgets show, read back into the core's own snapshot type.
    tavrel::ControlsSnapshot shown() const
    {
        tavrel::ControlsSnapshot s;
        s.check = expected().check; // no control shows the plein flags
        const auto* list = control<QListWidget>("pleinList");
        for (int i = 0; i < list->count(); ++i)
            s.list.push_back(list->item(i)->text().toStdString());
        for (int n = 0; n <= 36; ++n)
            s.cells[n] = {tavrel::fromQColor(cell(n)->cellNumberColor()), tavrel::fromQColor(cell(n)->cellBackColor())};
        const auto labelShown = [](const QLabel* label) {
            return tavrel::ControlsSnapshot::Label{label->text().toStdString(), !label->isHidden()};
        };
        for (int k = 0; k < 10; ++k)
            s.chevals[k] = labelShown(label(QString("chevalLabel_%1").arg(k)));
        s.pleins = labelShown(label("pleinsLabel"));
        s.stufe = labelShown(label("stufeLabel"));
        s.switches = {switchBox(0)->value(), switchBox(1)->value()};
        s.rowCount = rowCount();
        s.currentRow = grid()->currentIndex().isValid() ? grid()->currentIndex().row() + 1 : 0;
        return s;
    }

    // Whether the screen shows the control as it would paint itself now: no repaint was missed.
    bool paintedAsNow(QWidget* control) const
    {
        const QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
        const QPixmap shown = window.screen()->grabWindow(window.winId(), area.x(), area.y(), area.width(), area.height());
        return shown.toImage().convertToFormat(QImage::Format_RGB32) == control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    int rowCount() const { return grid()->model()->rowCount(); }
    // Row r of the stake table as the view's model shows it, counted from 1.
    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < 8; ++c)
            cells << grid()->model()->index(r - 1, c).data().toString();
        return cells;
    }
};
