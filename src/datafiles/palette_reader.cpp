#include "datafiles/palette_reader.h"

#include <cmath>
#include <limits>
#include <sstream>

#include "munsell/hue_notation.h"
#include "textio/fieldreader.h"
#include "textio/numberread.h"

namespace tintara::datafiles {

namespace {

// A palette record is some two hundred characters; a line many times longer
// is not one (a picture chosen by mistake), and is not read into memory whole.
constexpr std::size_t longestLine = 64 * 1024;
constexpr std::size_t recordFields = 6;
// 3.6 degrees for each hue step, and the degree in radians as the viewer has
// always taken it.
constexpr double degreesPerHueStep = 3.6;
constexpr double radiansPerDegree = 0.0174532925;

enum class LineRead { Line, End, TooLong };

// One line without its end (CR LF, LF or CR).
LineRead readLine(std::istream& in, std::string& line) {
    line.clear();
    using traits = std::char_traits<char>;
    std::streambuf& buffer = *in.rdbuf();
    int c = buffer.sbumpc();
    if (c == traits::eof()) return LineRead::End;
    for (; c != traits::eof() && c != '\n' && c != '\r'; c = buffer.sbumpc()) {
        if (line.size() == longestLine) return LineRead::TooLong;
        line += char(c);
    }
    if (c == '\r' && buffer.sgetc() == '\n') buffer.sbumpc();
    return LineRead::Line;
}

bool blank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

std::vector<std::string> fieldsOf(const std::string& line) {
    std::istringstream text(line);
    textio::FieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.field()) fields.push_back(std::move(*field));
    return fields;
}

// The text as a single-precision number; none when it is not one number or
// does not fit.
std::optional<float> singleOf(const std::string& text) {
    const auto number = textio::parseNumber(text);
    if (!number || std::abs(*number) > std::numeric_limits<float>::max()) return std::nullopt;
    return float(*number);
}

}  // namespace

std::optional<float> paletteHueAngle(const std::string& hueText) {
    const munsell::ParsedHue parsed = munsell::parseHue(hueText);
    if (!parsed.familyFound) return std::nullopt;
    return float(double(parsed.hue) * degreesPerHueStep * radiansPerDegree);
}

PaletteReader::Outcome PaletteReader::broken(std::string problem) {
    problem_ = std::move(problem);
    return Outcome::Broken;
}

PaletteReader::Outcome PaletteReader::next(PaletteEntry& entry) {
    std::string line;
    for (;;) {
        const LineRead read = readLine(in_, line);
        if (read == LineRead::End) return Outcome::End;
        ++lineNumber_;
        if (read == LineRead::TooLong) return broken("the line is too long for a palette record");
        if (!blank(line)) break;
    }
    entry.fields = fieldsOf(line);
    const auto& f = entry.fields;
    if (f.size() < recordFields)
        return broken("the record has " + std::to_string(f.size()) + (f.size() == 1 ? " field" : " fields") +
                      "; a palette record has at least 6");
    entry.name = f[2];
    entry.hue = f[3];
    entry.valueText = f[4];
    entry.chromaText = f[5];
    const auto value = singleOf(f[4]);
    if (!value) return broken("the value \"" + f[4] + "\" is not a number");
    const auto chroma = singleOf(f[5]);
    if (!chroma) return broken("the chroma \"" + f[5] + "\" is not a number");
    entry.value = *value;
    entry.chroma = *chroma;
    entry.angle = paletteHueAngle(f[3]);
    if (entry.angle && !std::isfinite(*entry.angle)) return broken("the hue \"" + f[3] + "\" is out of range");
    return Outcome::Entry;
}

// Blank lines are counted as they go, so a record after them keeps its number.
bool PaletteReader::atEnd() {
    constexpr int endOfInput = std::char_traits<char>::eof();
    std::streambuf& buffer = *in_.rdbuf();
    for (int c = buffer.sgetc();; c = buffer.sgetc()) {
        if (c == endOfInput) return true;
        if (c == ' ' || c == '\t') {
            buffer.sbumpc();
        } else if (c == '\n') {
            buffer.sbumpc();
            ++lineNumber_;
        } else if (c == '\r') {
            if (buffer.snextc() == '\n') buffer.sbumpc();
            ++lineNumber_;
        } else {
            return false;
        }
    }
}

}  // namespace tintara::datafiles
