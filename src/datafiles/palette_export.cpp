#include "datafiles/palette_export.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>

#include "datafiles/palette_reader.h"
#include "textio/numberread.h"
#include "textio/utf8_text.h"

namespace tintara::datafiles {

namespace {

constexpr std::size_t firstRgbField = 15;  // fields 16 to 18, counted from 0

// A whole number from 0 to 255.
bool componentOf(const std::string& text, int& component) {
    const auto number = textio::parseNumber(text);
    if (!number || *number != std::floor(*number) || *number < 0 || *number > 255) return false;
    component = int(*number);
    return true;
}

// UTF-8 on one line: control characters become blanks, blanks at either end go.
std::string oneLine(const std::string& text) {
    std::string out = textio::utf8FromFileText(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

std::string commentText(const std::string& text) {
    std::string out = oneLine(text);
    for (std::size_t at; (at = out.find("*/")) != std::string::npos;) out.replace(at, 2, "* /");
    return out;
}

// Letters and digits (lower case), hyphens, underscores and every character
// beyond ASCII stay; any other run of characters becomes one hyphen.
std::string identifierOf(const std::string& name) {
    std::string id;
    bool pendingHyphen = false;
    for (char c : textio::utf8FromFileText(name)) {
        const auto u = static_cast<unsigned char>(c);
        const bool keep = u >= 0x80 || std::isalnum(u) || c == '_';
        if (!keep) {
            pendingHyphen = true;
            continue;
        }
        if (pendingHyphen && !id.empty()) id += '-';
        pendingHyphen = false;
        id += u < 0x80 ? char(std::tolower(u)) : c;
    }
    return id;
}

std::string hex(const PaletteColour& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

}  // namespace

bool readPaletteColours(std::istream& in, std::vector<PaletteColour>& colours, std::string& error) {
    PaletteReader reader(in);
    PaletteEntry entry;
    for (;;) {
        const auto outcome = reader.next(entry);
        if (outcome == PaletteReader::Outcome::End) return true;
        const std::string where = "line " + std::to_string(reader.lineNumber()) + ": ";
        if (outcome == PaletteReader::Outcome::Broken) {
            error = where + reader.problem();
            return false;
        }
        if (entry.fields.size() < firstRgbField + 3) {
            error = where + "the record holds no R, G and B (fields 16 to 18)";
            return false;
        }
        PaletteColour colour{entry.name, entry.hue + " " + entry.valueText + "/" + entry.chromaText};
        int* components[3] = {&colour.r, &colour.g, &colour.b};
        for (std::size_t k = 0; k < 3; ++k) {
            if (!componentOf(entry.fields[firstRgbField + k], *components[k])) {
                error = where + "\"" + entry.fields[firstRgbField + k] +
                        "\" is not a whole number from 0 to 255 for R, G or B";
                return false;
            }
        }
        colours.push_back(std::move(colour));
    }
}

std::string gimpPalette(const std::vector<PaletteColour>& colours, const std::string& title) {
    std::string out = "GIMP Palette\nName: " + oneLine(title) + "\nColumns: 0\n#\n";
    int number = 0;
    for (const PaletteColour& c : colours) {
        ++number;
        std::string name = oneLine(c.name);
        if (name.empty()) name = "Sample " + std::to_string(number);
        char rgb[16];
        std::snprintf(rgb, sizeof rgb, "%3d %3d %3d\t", c.r, c.g, c.b);
        out += rgb + name + "\n";
    }
    return out;
}

std::string cssPalette(const std::vector<PaletteColour>& colours, const std::string& title) {
    std::string out = "/* " + commentText(title) + " */\n:root {\n";
    std::set<std::string> used;
    int number = 0;
    for (const PaletteColour& c : colours) {
        ++number;
        std::string id = identifierOf(c.name);
        if (id.empty()) id = "sample-" + std::to_string(number);
        const std::string base = id;
        for (int n = 2; used.count(id); ++n) id = base + "-" + std::to_string(n);
        used.insert(id);
        out += "  --" + id + ": " + hex(c) + ";  /* " + commentText(c.name + "  " + c.notation) + " */\n";
    }
    return out + "}\n";
}

}  // namespace tintara::datafiles
