#include "munsell/renotation_table.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "colorimetry/conditions.h"

namespace tintara::munsell {
namespace {

bool isSeparator(char ch) { return ch == ',' || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

// Splits the file text into numbers; any run of separators counts as one, so
// the distribution over lines and the line-end style do not matter.
class NumberStream {
public:
    explicit NumberStream(std::string_view text) : text_(text) {}

    // The next field, or an empty view when the text is exhausted.
    std::string_view next() {
        while (pos_ < text_.size() && isSeparator(text_[pos_])) ++pos_;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isSeparator(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string describePosition(int value, int hue, int chroma, int component) {
    return "value " + std::to_string(value) + ", hue index " + std::to_string(hue) + ", chroma index " +
           std::to_string(chroma) + (component == 0 ? " (x)" : " (y)");
}

// A field is accepted only as an optional sign followed by decimal digits.
bool isWholeNumber(std::string_view field) {
    std::size_t i = (field[0] == '+' || field[0] == '-') ? 1 : 0;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    return true;
}

// Reads one entry; on failure writes the reason into error. The place is put
// into words only then: a table holds 14,960 entries.
bool readEntry(NumberStream& numbers, int value, int hue, int chroma, int component, std::int16_t& entry,
               std::string& error) {
    const std::string_view field = numbers.next();
    const bool whole = !field.empty() && isWholeNumber(field);
    // Long digit strings are out of range anyway; strtol saturates on them.
    const long number = whole ? std::strtol(std::string(field.substr(0, 24)).c_str(), nullptr, 10) : 0;
    const bool inRange = field.size() <= 24 && number >= smallestEntry && number <= largestEntry;
    if (whole && inRange) {
        entry = static_cast<std::int16_t>(number);
        return true;
    }
    const std::string where = describePosition(value, hue, chroma, component);
    const std::string shown(field.substr(0, 24));
    if (field.empty())
        error = "Vezedu.dat ends early: " + where + " is missing";
    else if (!whole)
        error = "Vezedu.dat: \"" + shown + "\" at " + where + " is not a whole number";
    else
        error = "Vezedu.dat: " + shown + " at " + where + " is outside " + std::to_string(smallestEntry) + ".." +
                std::to_string(largestEntry);
    return false;
}

// Every chroma-0 entry is the C white, whatever the file holds there, and hue
// index 40 repeats index 0 so that interpolation over 97.5..100 needs no wrap.
void complete(RenotationTable& table) {
    const auto whiteX = static_cast<std::int16_t>(std::nearbyint(10000.0 * colorimetry::illuminantCWhite.x));
    const auto whiteY = static_cast<std::int16_t>(std::nearbyint(10000.0 * colorimetry::illuminantCWhite.y));
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < loadedHues; ++h) {
            table.entry[v][h][0][0] = whiteX;
            table.entry[v][h][0][1] = whiteY;
        }
        for (int c = 0; c < loadedChromas; ++c) {
            table.entry[v][loadedHues][c][0] = table.entry[v][0][c][0];
            table.entry[v][loadedHues][c][1] = table.entry[v][0][c][1];
        }
    }
}

// 14960 as "14,960".
std::string withThousands(std::size_t count) {
    std::string digits = std::to_string(count);
    for (auto at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

}  // namespace

LoadedTable loadRenotationTable(std::istream& in) {
    LoadedTable result;
    std::string text(renotationFileLimit + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > renotationFileLimit) {
        result.error = "Vezedu.dat is larger than " + std::to_string(renotationFileLimit) + " bytes";
        return result;
    }
    NumberStream numbers(text);
    auto loaded = std::make_unique<RenotationTable>();
    for (int v = 0; v < tableValues; ++v) {
        for (int h = 0; h < loadedHues; ++h) {
            for (int c = 0; c < loadedChromas; ++c) {
                for (int k = 0; k < 2; ++k) {
                    if (!readEntry(numbers, v, h, c, k, loaded->entry[v][h][c][k], result.error)) {
                        return result;
                    }
                }
            }
        }
    }
    std::size_t count = renotationNumbers;
    while (!numbers.next().empty()) ++count;
    if (count != renotationNumbers)
        result.notice = "Vezedu.dat holds " + withThousands(count) + " numbers; the first " +
                        withThousands(renotationNumbers) + " were used";
    complete(*loaded);
    result.table = std::move(loaded);
    return result;
}

}  // namespace tintara::munsell
