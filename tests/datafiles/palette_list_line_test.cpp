// The viewer's list lines and labels, padded by measured widths: widths by
// hand for a fixed and a proportional font, and fonts that measure oddly.
#include "datafiles/palette_list_line.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tintara::datafiles {
namespace {

// Every character 90 twips (the headless font at 9.75 points).
int fixed(const std::string& text) { return int(text.size()) * 90; }

// Blanks 45 twips, everything else 120.
int proportional(const std::string& text) {
    const auto blanks = std::count(text.begin(), text.end(), ' ');
    return int(blanks) * 45 + int(text.size() - std::size_t(blanks)) * 120;
}

TEST(PaletteListLine, PaddedToTheFewestBlanksThatReachTheWidth) {
    // 2 characters (180) need 5 blanks to reach 600 (630); 4 would give 540.
    EXPECT_EQ(paddedToWidth("5r", 600, fixed), "5r     ");
    // 240 + 45 n >= 600 first at n = 8.
    EXPECT_EQ(paddedToWidth("5r", 600, proportional), "5r" + std::string(8, ' '));
    // Wide enough already: unchanged, also when exactly at the width.
    EXPECT_EQ(paddedToWidth("5.625rp", 600, fixed), "5.625rp");
    EXPECT_EQ(paddedToWidth("10.0yr", 540, fixed), "10.0yr");
    EXPECT_EQ(paddedToWidth("10.0yr", 541, fixed), "10.0yr ");
    EXPECT_EQ(paddedToWidth("", 600, fixed), std::string(7, ' '));
}

TEST(PaletteListLine, OddFontsStillGiveTheFewestBlanksAndAlwaysEnd) {
    // A lone blank measures 60 but adds only 30 inside a text (spacing that
    // rounds differently): the estimate of 6 is too few, the steps find 12.
    const TextWidth rounding = [](const std::string& text) {
        return text == " " ? 60 : proportional(text) - 15 * int(std::count(text.begin(), text.end(), ' '));
    };
    EXPECT_EQ(paddedToWidth("5r", 600, rounding), "5r" + std::string(12, ' '));
    // A lone blank measures 10 and adds 45: the estimate of 36 overshoots.
    const TextWidth narrowAlone = [](const std::string& text) { return text == " " ? 10 : proportional(text); };
    EXPECT_EQ(paddedToWidth("5r", 600, narrowAlone), "5r" + std::string(8, ' '));
    // A font whose blank measures nothing: 2000 twips allow 2000 / 15 + 1 blanks.
    const TextWidth noBlank = [](const std::string& text) {
        return 120 * int(text.size() - std::size_t(std::count(text.begin(), text.end(), ' ')));
    };
    EXPECT_EQ(paddedToWidth("12    Brick", 2000, noBlank).size(), 11u + 134u);
}

}  // namespace
}  // namespace tintara::datafiles
