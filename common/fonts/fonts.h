#pragma once

#include <QFont>

#include <thread>

namespace tavrel::fonts {

// Every font of the windows is picked here: the controls' face (msSansSerif)
// and the stake table's and headings' face (tahoma), each at the pixel size its
// point size has at 96 dpi, so that text fits the pixel geometry whatever the
// screen's dpi.
QFont msSansSerif(double points, bool bold = false);
QFont tahoma(double points, bool underline = false);

// Fontconfig reads its configuration files on first use, the largest part of
// the way to the first painted window. Started before the QApplication and
// joined after it, this reads them while Qt connects to the display.
std::thread readConfigurationInBackground();

} // namespace tavrel::fonts
