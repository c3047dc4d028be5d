#pragma once

#include "units/twips.h"

#include <QRect>

namespace tavrel::ui {

// A control's place in the main window, given in twips like every length of
// the layout, in whole pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace tavrel::ui
