// Lays the published Munsell renotation data out as the renotation table file
// Vezedu.dat that the program reads at start-up.
#pragma once

#include <istream>
#include <string>

namespace tintara::tools {

struct VezeduText {
    bool ok = false;
    std::string text;   // the file content, one line per value-hue block, LF line ends
    std::string error;  // why the data could not be laid out
};

// Reads the renotation data (comma-separated hue,value,chroma,x,y,Y,real with a
// header line; lines starting with '#' are comments) and writes, for value 0..10
// outermost, hue index 0..39 (hue number 2.5 i, index 0 being 10RP) and chroma
// index 0..16 (chroma 0..32) innermost, the pair x, y times 10000 to the nearest
// integer. Value 0, which the data do not hold, repeats value 1 (chroma 0
// excepted), so that colours darker than value 1 keep the chromaticity of
// value 1. Samples the data do not hold in that grid are 0: chroma 0, and the
// rows left out, those with a value that is not whole or a chroma above 32. A
// row off the hue or chroma grid, or a sample given twice, is an error.
VezeduText layOutVezedu(std::istream& csv);

}  // namespace tintara::tools
