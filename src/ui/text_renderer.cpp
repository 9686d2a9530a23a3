#include "ui/text_renderer.h"

namespace tintara::ui {

namespace {

// The length of the UTF-8 sequence starting with this byte, 0 if it cannot start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool decodeUtf8(const std::string& text, std::u32string& out) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int n = sequenceLength(lead);
        if (n == 0 || i + std::size_t(n) > text.size()) return false;
        char32_t c = n == 1 ? lead : lead & (0x7F >> n);
        for (int k = 1; k < n; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points past the last are not UTF-8.
        const char32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[n] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
        out.push_back(c);
        i += std::size_t(n);
    }
    return true;
}

}  // namespace

std::u32string textCharacters(const std::string& text) {
    std::u32string out;
    if (decodeUtf8(text, out)) return out;
    out.clear();
    for (char c : text) out.push_back(static_cast<unsigned char>(c));
    return out;
}

}  // namespace tintara::ui
