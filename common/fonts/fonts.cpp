#include "fonts/fonts.h"

#include <QtMath>

#include <fontconfig/fontconfig.h>

namespace tavrel::fonts {

namespace {

// Metric-compatible with Arial, close to both originals in width.
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
