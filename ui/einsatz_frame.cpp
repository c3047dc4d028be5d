#include "fonts/fonts.h"
#include "window_controls.h"
#include "window_layout.h"
#include "caption_frame.h"

#include <QLabel>
#include <QListWidget>

namespace tavrel::ui {

namespace {

// Sized to its caption whenever that changes, from this top-left corner in the
// frame and height. It lies on the frame rather than in it, so that a stake too
// wide for the frame runs on past its edge instead of being cut there.
QLabel* addLabel(const QString& name, const QRect& startGeometry, QWidget* frame)
{
    auto* label = new QLabel(frame->parentWidget());
    label->setObjectName(name);
    label->setGeometry(startGeometry.translated(frame->pos()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

void addEinsatzFrame(WindowControls& controls, QWidget* parent)
{
    auto* frame = new CaptionFrame("Einsatz", parent);
    frame->setGeometry(twipsRect(1560, 0, 1455, 5175));

    auto* heading = new QLabel("Pleins", frame);
    heading->setFont(fonts::tahoma(8.25, true));
    heading->setGeometry(twipsRect(120, 240, 405, 195));
    heading->adjustSize();

    auto* list = new QListWidget(frame);
    list->setObjectName("pleinList");
    list->setGeometry(twipsRect(120, 480, 375, 3960));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab passes over the list, which only mirrors the pleins; a click may
    // still give it the focus.
    list->setFocusPolicy(Qt::ClickFocus);
    controls.pleinList = list;

    for (int k = 0; k < ChevalCount; ++k)
        controls.chevalLabels.append(addLabel(QString("chevalLabel_%1").arg(k), twipsRect(600, 480 + 240 * k, 0, 195), frame));
    controls.pleins = addLabel("pleinsLabel", twipsRect(120, 4560, 645, 195), frame);
    controls.stufe = addLabel("stufeLabel", twipsRect(120, 4800, 600, 195), frame);
}

} // namespace tavrel::ui
