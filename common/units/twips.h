#pragma once

namespace tavrel {

// The windows are laid out in twips: 1440 to the inch, so fifteen make one
// pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

// A length or position in twips, in whole pixels, rounded to the nearest. The
// About box's layout was once truncated instead; every one of its values is a
// whole number of pixels, so both give the same pixels there.
constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace tavrel
