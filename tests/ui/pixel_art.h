// Surfaces written as rows of characters, so that an expected figure can be
// drawn by hand in a test: '#' for the ink colour, '.' for the background and
// any other letter for a colour of the test's choosing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/surface.h"

namespace tintara::testkit {

// The pixels of the rectangle from (left, top), width characters by rows.size().
inline std::vector<std::string> pixelArt(const ui::Surface& s, int left, int top, int width, int height,
                                         const std::map<char, ui::Rgb>& colours) {
    std::vector<std::string> rows;
    for (int y = top; y < top + height; ++y) {
        std::string row;
        for (int x = left; x < left + width; ++x) {
            ui::Rgb c;
            char shown = '?';
            if (!s.pixel(x, y, c)) shown = ' ';
            for (const auto& [letter, colour] : colours)
                if (colour == c) shown = letter;
            row += shown;
        }
        rows.push_back(row);
    }
    return rows;
}

// Lit pixels counted in the whole surface.
inline int countOf(const ui::Surface& s, ui::Rgb colour) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            ui::Rgb c;
            s.pixel(x, y, c);
            n += c == colour;
        }
    return n;
}

}  // namespace tintara::testkit
