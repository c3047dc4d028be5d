#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace tavrel::ui {

// A frame in the XP look: a rounded border with its caption set into the top
// edge. With border style 0 it draws neither, and only groups its children.
class CaptionFrame : public QWidget {
    Q_OBJECT

public:
    CaptionFrame(const QString& caption, QWidget* parent = nullptr);

    void setBorderStyle(int style);
    void setCaptionColor(const QColor& colour);
    void setBorderColor(const QColor& colour);

    QString caption() const { return caption_; }
    int borderStyle() const { return borderStyle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    int borderStyle_ = 1;
    QColor captionColor_{0, 70, 213};
    QColor borderColor_{191, 184, 191};
};

} // namespace tavrel::ui
