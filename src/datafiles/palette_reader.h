// Reading a palette file the way the palette viewer loads it: one record a
// line, the sample name, hue notation, value and chroma from fields 3 to 6,
// whatever follows on the line kept but not interpreted. The records SaveData
// writes and those of the tolerance chart's "Cpalette.csv" both read so.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace tintara::datafiles {

struct PaletteEntry {
    std::string name;        // field 3
    std::string hue;         // field 4, as written
    std::string valueText;   // field 5, as written
    std::string chromaText;  // field 6, as written
    float value = 0;
    float chroma = 0;
    // The hue as an angle in radians, 5Y at a quarter turn; none when the
    // hue text ends in no family symbol (a neutral such as N).
    std::optional<float> angle;
    // Every field of the line, the first six included.
    std::vector<std::string> fields;
};

// The hue angle of a hue text: the hue number read as the main window reads
// hue notation (two-letter families first, either case, the number before
// the family read up to the first character that cannot continue it) times
// 3.6 degrees. None when the text ends in no family symbol.
std::optional<float> paletteHueAngle(const std::string& hueText);

class PaletteReader {
public:
    enum class Outcome { Entry, End, Broken };

    explicit PaletteReader(std::istream& in) : in_(in) {}

    // The next record. Blank lines are passed over. Broken: the record has
    // fewer than six fields, its value or chroma is not a number that fits
    // single precision, its hue number is not finite, or its line is too long
    // to be a record; problem() says which.
    Outcome next(PaletteEntry& entry);

    // The line of the record last read, counted from 1.
    int lineNumber() const { return lineNumber_; }
    const std::string& problem() const { return problem_; }
    // True when nothing but blank lines is left.
    bool atEnd();

private:
    Outcome broken(std::string problem);
    std::istream& in_;
    int lineNumber_ = 0;
    std::string problem_;
};

}  // namespace tintara::datafiles
