// The palette name the image window proposes for a picture: the picture's
// file name without its folder and without its ending, so that
// "/home/ann/pics/flower.jpg" and "C:\pics\flower.jpg" both propose "flower".
#pragma once

#include <string>
#include <string_view>

namespace tintara::imaging {

// Cut after the last "/" or "\" and before the last "." of what remains; a
// name that starts with its only "." (".hidden") keeps it.
std::string proposedPaletteName(std::string_view pictureFile);

// The name a palette of a picture is written under until it is finished (or
// stopped): hidden beside the palette, still ending in ".csv" so the palette
// writer takes it as given. It then takes the palette's name in one rename,
// so a generation that fails leaves an earlier palette of that name whole.
std::string workingPaletteName(const std::string& paletteFile);

}  // namespace tintara::imaging
