// The texts the palette viewer shows for an entry: the hue label, the line of
// its sample list and the notation of a comparison row. The list is read in a
// proportional font, so its columns are lined up by blanks added until a text
// measures a width in that font.
#pragma once

#include <functional>
#include <string>

namespace tintara::datafiles {

// The width of a text in the list's font, in twips.
using TextWidth = std::function<int(const std::string&)>;

// Blanks appended until the text measures at least minTwips: the fewest that
// do, when the width grows with every blank. A blank is at least one pixel (15
// twips) on any screen; a font that measures it narrower gets no more blanks
// than that would need, so the padding always ends.
std::string paddedToWidth(std::string text, int minTwips, const TextWidth& width);

// The hue text in lower case, padded to 600 twips.
std::string paletteHueLabel(const std::string& hueText, const TextWidth& width);

// "12    Brick" padded to 2000 twips, then "     H " + the hue label +
// "   V" + the value in " ##.00" + "     C" + the chroma in " ##.00".
std::string paletteListLine(int number, const std::string& name, const std::string& hueLabel, float value, float chroma,
                            const TextWidth& width);

// The hue label, a blank, then value/chroma in "##.00": "5r      6.10/6.20".
std::string comparisonNotation(const std::string& hueLabel, float value, float chroma);

}  // namespace tintara::datafiles
