#include "accessible_controls.h"

#include "tableau_cell.h"
#include "switch_box.h"

#include <QAccessibleWidget>

namespace tavrel::ui {

namespace {

// A tableau cell is a button: pressing it enters its number as the spin.
class AccessibleTableauCell : public QAccessibleWidget {
public:
    explicit AccessibleTableauCell(TableauCell* cell)
        : QAccessibleWidget(cell, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = cell()->state() == TableauCell::State::Pressed;
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            cell()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    TableauCell* cell() const { return static_cast<TableauCell*>(widget()); }
};

// A switch is a check box whose checked state is the box's value.
class AccessibleSwitchBox : public QAccessibleWidget {
public:
    explicit AccessibleSwitchBox(SwitchBox* box)
        : QAccessibleWidget(box, QAccessible::CheckBox)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->value() == 1;
        return state;
    }

    QStringList actionNames() const override { return QStringList{toggleAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == toggleAction() || actionName == pressAction())
            box()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    SwitchBox* box() const { return static_cast<SwitchBox*>(widget()); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(TableauCell::staticMetaObject.className()))
        if (auto* cell = qobject_cast<TableauCell*>(object))
            return new AccessibleTableauCell(cell);
    if (className == QLatin1String(SwitchBox::staticMetaObject.className()))
        if (auto* box = qobject_cast<SwitchBox*>(object))
            return new AccessibleSwitchBox(box);
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleControl);
        return true;
    }();
    (void)installed;
}

} // namespace tavrel::ui
