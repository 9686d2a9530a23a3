#include "vezedu_layout.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "munsell/hue_notation.h"
#include "munsell/renotation_table.h"

namespace tintara::tools {
namespace {

using munsell::loadedChromas;
using munsell::loadedHues;
using munsell::tableValues;

struct Grid {
    std::int32_t entry[tableValues][loadedHues][loadedChromas][2] = {};
    bool present[tableValues][loadedHues][loadedChromas] = {};
};

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos; start = comma + 1) {
        fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

bool readNumber(std::string_view field, double& out) {
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), out);
    return ec == std::errc() && end == field.data() + field.size();
}

// "2.5YR" -> hue index 5; 10RP (hue number 100) is index 0.
bool hueIndex(std::string_view notation, int& index) {
    for (int k = 0; k < 10; ++k) {
        const std::string_view family = munsell::hueNames[k];
        if (notation.size() <= family.size() || notation.substr(notation.size() - family.size()) != family) {
            continue;
        }
        double step = 0;
        // "5YR" also ends in R and "10RP" in P: only the family that leaves a number fits.
        if (!readNumber(notation.substr(0, notation.size() - family.size()), step)) continue;
        const double steps = (10.0 * k + step) / 2.5;
        if (steps != std::floor(steps) || steps < 0 || steps > loadedHues) return false;
        index = static_cast<int>(steps) % loadedHues;
        return true;
    }
    return false;
}

bool isWhole(double v) { return v == std::floor(v); }

// Places one data row; rows outside the grid are skipped without error.
bool placeRow(const std::vector<std::string_view>& f, Grid& grid, std::string& error) {
    double value = 0, chroma = 0, x = 0, y = 0;
    int hue = 0;
    if (f.size() < 5 || !readNumber(f[1], value) || !readNumber(f[2], chroma) || !readNumber(f[3], x) ||
        !readNumber(f[4], y)) {
        error = "unreadable row";
        return false;
    }
    if (!isWhole(value) || value < 0 || value > tableValues - 1 || chroma > 32) return true;
    if (!hueIndex(f[0], hue)) {
        error = "hue not on the 2.5 grid";
        return false;
    }
    if (!isWhole(chroma / 2) || chroma < 2) {
        error = "chroma not an even whole number";
        return false;
    }
    const int v = static_cast<int>(value), c = static_cast<int>(chroma / 2);
    if (grid.present[v][hue][c]) {
        error = "sample given twice";
        return false;
    }
    grid.present[v][hue][c] = true;
    grid.entry[v][hue][c][0] = static_cast<std::int32_t>(std::nearbyint(x * 10000));
    grid.entry[v][hue][c][1] = static_cast<std::int32_t>(std::nearbyint(y * 10000));
    for (const std::int32_t e : grid.entry[v][hue][c]) {
        if (e < std::numeric_limits<std::int16_t>::min() || e > std::numeric_limits<std::int16_t>::max()) {
            error = "coordinate does not fit a 16-bit integer";
            return false;
        }
    }
    return true;
}

// The renotation data hold no samples at value 0 (black has no chromaticity),
// so level 0 would leave every colour darker than value 1 to be blended with
// nothing. It takes the chromaticities of value 1: below value 1 a colour
// keeps the chromaticity it has at value 1, and converts both ways. Chroma 0
// stays 0 here; the loader puts the C white there at every level.
void fillValueZeroFromValueOne(Grid& grid) {
    for (int h = 0; h < loadedHues; ++h) {
        for (int c = 1; c < loadedChromas; ++c) {
            grid.entry[0][h][c][0] = grid.entry[1][h][c][0];
            grid.entry[0][h][c][1] = grid.entry[1][h][c][1];
        }
    }
}

std::string writeGrid(const Grid& grid) {
    std::string text;
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < loadedHues; ++h) {
            for (int c = 0; c < loadedChromas; ++c) {
                if (c > 0) text += ',';
                text += std::to_string(grid.entry[v][h][c][0]) + ',' + std::to_string(grid.entry[v][h][c][1]);
            }
            text += '\n';
        }
    }
    return text;
}

}  // namespace

VezeduText layOutVezedu(std::istream& csv) {
    auto grid = std::make_unique<Grid>();
    VezeduText result;
    std::string line;
    bool headerSeen = false;
    for (int number = 1; std::getline(csv, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (!headerSeen) {
            headerSeen = true;
            if (line.rfind("hue,", 0) == 0) continue;
        }
        if (!placeRow(splitFields(line), *grid, result.error)) {
            result.error = "line " + std::to_string(number) + ": " + result.error;
            return result;
        }
    }
    fillValueZeroFromValueOne(*grid);
    result.text = writeGrid(*grid);
    result.ok = true;
    return result;
}

}  // namespace tintara::tools
