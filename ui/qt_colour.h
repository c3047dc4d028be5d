#pragma once

#include "tavrel/colours.h"

#include <QColor>

namespace tavrel::ui {

// The core keeps colours as 0x00BBGGRR values.
inline QColor toQColor(Colour colour)
{
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

} // namespace tavrel::ui
