#pragma once

#include "colour/colour.h"

#include <QColor>

namespace tavrel {

inline QColor toQColor(Colour colour)
{
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

inline QRgb toQRgb(Colour colour)
{
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

inline Colour fromQColor(const QColor& colour)
{
    return static_cast<Colour>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

} // namespace tavrel
