#pragma once

#include "units/twips.h"

#include <QRect>

namespace tavrel::ui {

// The main window is laid out in twips, as it was designed.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace tavrel::ui
