#include "fonts/fonts.h"

#include <QtMath>

#include <fontconfig/fontconfig.h>

namespace tavrel::fonts {

namespace {

// Metric-compatible with Arial and packaged by every distribution: captions
// keep the widths the controls are sized for on any system.
const char* const SansFamily = "Liberation Sans";

QFont sans(double points)
{
    QFont font(SansFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    return font;
}

} // namespace

QFont msSansSerif(double points, bool bold)
{
    QFont font = sans(points);
    font.setBold(bold);
    return font;
}

QFont tahoma(double points, bool underline)
{
    QFont font = sans(points);
    font.setUnderline(underline);
    return font;
}

std::thread readConfigurationInBackground()
{
    return std::thread([] { FcInit(); });
}

} // namespace tavrel::fonts
