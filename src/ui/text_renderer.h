// Text on drawing surfaces, and the width of a text in a font: the Value page
// writes hue labels on its chart, the palette viewer numbers its dots and pads
// its list lines to a measured width.
#pragma once

#include <string>

#include "ui/control.h"
#include "ui/surface.h"

namespace tintara::ui {

class TextRenderer {
public:
    // Every character of a text, the blank included, measures at least this
    // many twips (one pixel) in any font, so a loop that adds blanks until a
    // text reaches a width ends after at most width / 15 blanks.
    static constexpr int smallestCharacterTwips = twipsPerPixel;

    virtual ~TextRenderer() = default;
    // Draws the text on one line with its top-left corner at pixel position
    // (x, y), clipped to the surface; a character the font cannot show is drawn
    // as a box. Text is UTF-8, or single bytes where it is not valid UTF-8.
    virtual void drawText(Surface& surface, double x, double y, const std::string& text, const Font& font,
                          Rgb color) = 0;
    // The width the text takes, in twips: at least smallestCharacterTwips for
    // each of its characters.
    virtual int textWidth(const std::string& text, const Font& font) = 0;
    // The height of a line of text, in twips.
    virtual int textHeight(const Font& font) = 0;
};

// The characters of a text: its code points when it is valid UTF-8, otherwise
// its bytes, each taken as a Latin-1 character (text from old files).
std::u32string textCharacters(const std::string& text);

}  // namespace tintara::ui
