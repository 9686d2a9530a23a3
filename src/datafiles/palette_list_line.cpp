#include "datafiles/palette_list_line.h"

#include <algorithm>
#include <cctype>

#include "textio/formats.h"

namespace tintara::datafiles {

namespace {

constexpr int narrowestBlankTwips = 15;  // one pixel at 96 dpi
constexpr int hueLabelTwips = 600;
constexpr int nameColumnTwips = 2000;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

}  // namespace

// Measuring the text once for every blank added would cost a few dozen
// measurements a line; a guess from one blank's width, then a step either way
// until the fewest blanks are found, costs three or four.
std::string paddedToWidth(std::string text, int minTwips, const TextWidth& width) {
    const std::size_t base = text.size();
    int measured = width(text);
    if (measured >= minTwips) return text;
    const std::size_t most = std::size_t(minTwips / narrowestBlankTwips + 1);
    const int blank = width(" ");
    const std::size_t guess = blank > 0 ? std::size_t((minTwips - measured + blank - 1) / blank) : 1;
    text.append(std::min(guess, most), ' ');
    measured = width(text);
    while (measured < minTwips && text.size() - base < most) {
        text += ' ';
        measured = width(text);
    }
    // Fewer blanks may do where one blank alone measured wider than it adds.
    while (text.size() > base + 1) {
        const std::string shorter = text.substr(0, text.size() - 1);
        if (width(shorter) < minTwips) break;
        text = shorter;
    }
    return text;
}

std::string paletteHueLabel(const std::string& hueText, const TextWidth& width) {
    return paddedToWidth(lowerCase(hueText), hueLabelTwips, width);
}

std::string paletteListLine(int number, const std::string& name, const std::string& hueLabel, float value, float chroma,
                            const TextWidth& width) {
    return paddedToWidth(std::to_string(number) + "    " + name, nameColumnTwips, width) + "     H " + hueLabel +
           "   V" + textio::format(value, " ##.00") + "     C" + textio::format(chroma, " ##.00");
}

std::string comparisonNotation(const std::string& hueLabel, float value, float chroma) {
    return hueLabel + " " + textio::format(value, "##.00") + "/" + textio::format(chroma, "##.00");
}

}  // namespace tintara::datafiles
