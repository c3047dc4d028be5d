#pragma once

#include <QString>
#include <QWidget>

namespace tavrel::ui {

// A frame in the XP look: a rounded border with its caption set into the top edge.
class CaptionFrame : public QWidget {
    Q_OBJECT

public:
    CaptionFrame(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace tavrel::ui
