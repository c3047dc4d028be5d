#include "bound_label.h"

#include <QPointer>

namespace tavrel::ui {

BoundLabel::BoundLabel(LabelModel& model, const QRect& startGeometry, QWidget* parent)
    : QLabel(parent)
{
    setGeometry(startGeometry);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    follow(model);
    following_ = model.changed.subscribe([this, &model] { follow(model); });
}

void BoundLabel::follow(const LabelModel& model)
{
    const QString caption = QString::fromStdString(model.Caption());
    if (caption != text()) {
        setText(caption);
        resize(fontMetrics().horizontalAdvance(caption) + 1, height());
    }
    setVisible(model.Visible());
}

} // namespace tavrel::ui
