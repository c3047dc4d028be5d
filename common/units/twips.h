#pragma once

namespace tavrel {

// The windows are laid out in twips: 1440 to the inch, so fifteen make one
// pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

// A length or position in twips, in whole pixels, rounded to the nearest.
constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace tavrel
