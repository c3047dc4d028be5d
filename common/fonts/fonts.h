#pragma once

#include <QFont>

namespace tavrel::fonts {

// The windows were laid out for MS Sans Serif and Tahoma, which Linux lacks; all
// their fonts are picked here, at the pixel size the point size has at 96 dpi
// so that text fits the pixel geometry whatever the screen's dpi.
QFont msSansSerif(double points, bool bold = false);
QFont tahoma(double points, bool underline = false);

} // namespace tavrel::fonts
