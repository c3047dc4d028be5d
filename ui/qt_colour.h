#pragma once

#include "tavrel/colours.h"

#include <QColor>

namespace tavrel::ui {

// The core keeps colours as 0x00BBGGRR values.
inline QColor toQColor(Colour colour)
{
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

inline Colour fromQColor(const QColor& colour)
{
    return static_cast<Colour>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

} // namespace tavrel::ui
