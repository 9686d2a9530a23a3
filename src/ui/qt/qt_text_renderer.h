// Text on drawing surfaces through Qt: a QPainter drawing straight into the
// surface's pixels, in the window model's font at 96 dots per inch, as the
// windows were laid out. Text is drawn without smoothing, so every pixel of a
// character is exactly the text colour and a window reading the surface back
// finds either the text colour or what lay beneath.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <optional>

#include "ui/services.h"

namespace tintara::ui::qt {

class QtTextRenderer : public TextRenderer {
public:
    void drawText(Surface& surface, double x, double y, const std::string& text, const Font& font, Rgb color) override;
    int textWidth(const std::string& text, const Font& font) override;
    int textHeight(const Font& font) override;

private:
    // The font last used and its measures: a list padded line by line asks for
    // the same font thousands of times.
    struct Measured {
        Font font;
        QFont qfont;
        QFontMetricsF metrics;
    };
    const Measured& measured(const Font& font);
    std::optional<Measured> measured_;
};

}  // namespace tintara::ui::qt
