// The headless backend's font: five by seven pixel capitals with two rows of
// descenders in a cell six pixels wide and ten high, the same for every
// family, so that text on a surface and its width are the same on every
// machine. A font of p points (p * 96 / 72 pixels high at 96 dpi) draws each
// glyph pixel as an s x s square, s being that height over the cell's 10
// pixels, rounded, at least 1 (8.25 and 9.75 points: 1; 12 and 15.75: 2).
// Bold widens every stroke by one such square to the right.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/surface.h"

namespace tintara::ui {

class BitmapFont {
public:
    static constexpr int glyphColumns = 5, glyphRows = 9;
    static constexpr int cellWidth = 6, cellHeight = 10;
    static constexpr int largestScale = 64;

    static int scale(const Font& font);
    static bool hasGlyph(char32_t c);
    // Whether pixel (column, row) of the character's glyph is set; a character
    // without a glyph shows the outline of a box.
    static bool lit(char32_t c, int row, int column);

    // The glyphs from the cell whose top-left corner is at (x, y), one cell
    // after the other.
    static void draw(Surface& surface, double x, double y, const std::u32string& text, const Font& font, Rgb color);
    // In twips.
    static int width(const std::u32string& text, const Font& font);
    static int height(const Font& font);
};

}  // namespace tintara::ui
