#pragma once

#include <QRect>

namespace tavrel::ui {

// The layout is given in twips; at 96 dots per inch fifteen make one pixel.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace tavrel::ui
