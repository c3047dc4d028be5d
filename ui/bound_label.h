#pragma once

#include "tavrel/controls/label_model.h"

#include <QLabel>

namespace tavrel::ui {

// A label that shows a core label model: its caption and whether it is shown.
// It keeps its top-left corner and height and sizes its width to the caption.
class BoundLabel : public QLabel {
    Q_OBJECT

public:
    BoundLabel(LabelModel& model, const QRect& startGeometry, QWidget* parent = nullptr);

private:
    void follow(const LabelModel& model);

    Subscription following_;
};

} // namespace tavrel::ui
