#include "textio/utf8_text.h"

namespace tintara::textio {

namespace {

// The length of the sequence a lead byte starts, 0 when it starts none.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

void appendUtf8(std::string& out, unsigned char latin1) {
    if (latin1 < 0x80) {
        out += char(latin1);
    } else {
        out += char(0xC0 | (latin1 >> 6));
        out += char(0x80 | (latin1 & 0x3F));
    }
}

}  // namespace

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int n = sequenceLength(lead);
        if (n == 0 || i + std::size_t(n) > text.size()) return std::nullopt;
        char32_t c = n == 1 ? lead : lead & (0x7F >> n);
        for (int k = 1; k < n; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[n] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
        out.push_back(c);
        i += std::size_t(n);
    }
    return out;
}

bool isUtf8(std::string_view text) { return decodeUtf8(text).has_value(); }

std::u32string charactersOfFileText(std::string_view text) {
    if (auto decoded = decodeUtf8(text)) return *decoded;
    std::u32string out;
    for (char c : text) out.push_back(static_cast<unsigned char>(c));
    return out;
}

std::string utf8FromFileText(std::string_view text) {
    if (isUtf8(text)) return std::string(text);
    std::string out;
    for (char c : text) appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

}  // namespace tintara::textio
