// Palettes for painting programs: the colours of a palette file written as a
// GIMP palette (.gpl, which GIMP, Inkscape and Krita read) or as CSS custom
// properties. The colours are the display R, G, B each record holds; the
// sample names become the colour names, made safe for the format, never
// dropped.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace tintara::datafiles {

struct PaletteColour {
    std::string name;      // the sample name as the file holds it
    std::string notation;  // hue, value/chroma as written: "5.6R 6.10/6.20"
    int r = 0, g = 0, b = 0;
};

// The colours of every record of a palette file: the name from field 3, the
// notation from fields 4 to 6 and R, G, B from fields 16 to 18. False with a
// message naming the line when a record is broken, lacks those fields or
// holds an R, G or B that is not a whole number from 0 to 255.
bool readPaletteColours(std::istream& in, std::vector<PaletteColour>& colours, std::string& error);

// A GIMP palette: the header with the title, then "R G B<tab>name" a line.
// Names are UTF-8 on one line; an empty one becomes "Sample N".
std::string gimpPalette(const std::vector<PaletteColour>& colours, const std::string& title);

// A CSS rule on :root with one custom property a colour, "--name: #rrggbb;",
// and the sample's name and notation in a comment. Names become lower-case
// identifiers (other characters turn into hyphens); an empty one becomes
// "sample-N", and a name met before gets "-2", "-3" ...
std::string cssPalette(const std::vector<PaletteColour>& colours, const std::string& title);

}  // namespace tintara::datafiles
